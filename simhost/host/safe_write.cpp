#include "simhost/host/safe_write.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace simhost {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string &path, const std::error_code &reason) {
    throw WriteError(path, reason);
}

// Streams keep no reason of their own; the C library's errno holds the system's. A
// failure that left none is still a failure.
std::error_code StreamReason() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

// Writes every byte to `file`, made afresh; the system's reason when that fails.
std::error_code Put(const fs::path &file, std::string_view bytes) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A full disk often shows only when the buffer goes out.
    if (out) out.flush();
    std::error_code reason = out ? std::error_code() : StreamReason();
    errno = 0;
    out.close();
    if (!reason && !out) reason = StreamReason();
    return reason;
}

// Two programs replacing the same file at once must not write into one temporary file.
fs::path TemporaryBeside(const fs::path &file) {
    static std::mt19937_64 random(std::random_device{}() ^
                                  static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    fs::path temporary = file;
    temporary += suffix;
    return temporary;
}

}  // namespace

void WriteWholeFile(const std::string &path, std::string_view bytes) {
    std::error_code error;
    fs::path target(path);
    // Renaming over the link itself would cut it off from the file it stands for.
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) target = std::move(resolved);
    }
    const fs::file_status status = fs::status(target, error);
    if (fs::is_directory(status)) Fail(path, std::make_error_code(std::errc::is_a_directory));
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        if (const std::error_code reason = Put(target, bytes)) Fail(path, reason);
        return;
    }
    const fs::path temporary = TemporaryBeside(target);
    std::error_code reason = Put(temporary, bytes);
    // The new file is kept as private as the old one was.
    if (!reason && fs::exists(status)) fs::permissions(temporary, status.permissions(), reason);
    if (!reason) fs::rename(temporary, target, reason);
    if (reason) {
        fs::remove(temporary, error);
        Fail(path, reason);
    }
}

}  // namespace simhost
