#include "simhost/host/safe_write.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "simhost/host/platform.h"

namespace simhost {

namespace {

namespace fs = std::filesystem;

constexpr size_t kHexDigits = 16;
constexpr std::string_view kTemporaryEnd = ".tmp";

// Where the bytes for `path` really go: renaming over a symbolic link itself would cut it
// off from the file it stands for.
fs::path WhereWritten(const std::string &path) {
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) target = std::move(resolved);
    }
    return target;
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

// Whether `name` is what TemporaryBeside makes for a file named `file`.
bool IsTemporaryOf(const std::string &name, const std::string &file) {
    if (name.size() != file.size() + 1 + kHexDigits + kTemporaryEnd.size() || name.compare(0, file.size(), file) != 0 ||
        name[file.size()] != '.' ||
        name.compare(name.size() - kTemporaryEnd.size(), kTemporaryEnd.size(), kTemporaryEnd) != 0) {
        return false;
    }
    const auto digits = name.begin() + static_cast<std::ptrdiff_t>(file.size() + 1);
    return std::all_of(digits, digits + kHexDigits,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Why a file of this kind is not written at all, or nothing when it may be.
std::optional<std::string> Unwritable(fs::file_type type) {
    switch (type) {
        case fs::file_type::fifo:
            return "it is a named pipe, which would wait for a reader; only files and devices are written";
        case fs::file_type::socket:
            return "it is a socket; only files and devices are written";
        default:
            return std::nullopt;
    }
}

}  // namespace

void WriteWholeFile(const std::string &path, std::string_view bytes) {
    std::error_code error;
    const fs::path target = WhereWritten(path);
    const fs::file_status status = fs::status(target, error);
    if (fs::is_directory(status)) throw WriteError(path, std::make_error_code(std::errc::is_a_directory));
    if (const std::optional<std::string> why = Unwritable(status.type())) {
        throw WriteError(path, *why);
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        if (const std::error_code reason = platform::WriteToDevice(target.string(), bytes)) {
            throw WriteError(path, reason);
        }
        return;
    }
    const fs::path temporary = TemporaryBeside(target);
    std::error_code reason = platform::WriteNewFile(temporary.string(), bytes);
    // The new file is kept as private as the old one was.
    if (!reason && fs::exists(status)) fs::permissions(temporary, status.permissions(), reason);
    if (!reason) reason = platform::MoveIntoPlace(temporary.string(), target.string());
    if (reason) {
        fs::remove(temporary, error);
        throw WriteError(path, reason);
    }
}

std::vector<std::string> RemoveLeftovers(const std::string &path, std::chrono::seconds age) {
    const fs::path target = WhereWritten(path);
    const std::string file = target.filename().string();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::vector<std::string> removed;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) return removed;
    const auto before = fs::file_time_type::clock::now() - age;
    for (const fs::directory_entry &entry : entries) {
        if (!IsTemporaryOf(entry.path().filename().string(), file)) continue;
        // Only a plain file of our naming that has lain untouched: never what a link leads to.
        if (!entry.is_regular_file(error) || entry.is_symlink(error)) continue;
        const auto changed = entry.last_write_time(error);
        if (error || changed > before) continue;
        if (fs::remove(entry.path(), error)) removed.push_back(entry.path().string());
    }
    std::sort(removed.begin(), removed.end());
    return removed;
}

std::optional<std::string> DeviceNameIn(std::string_view path) {
    static constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
    static constexpr std::array<std::string_view, 2> kPorts = {"com", "lpt"};
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find_first_of("/\\", start), path.size());
        const std::string_view part = path.substr(start, end - start);
        start = end + 1;
        // Windows reads a name as its device whatever follows its first dot, and drops
        // dots and blanks at the end of a name and blanks before its extension.
        std::string_view base = part.substr(0, part.find('.'));
        while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
        std::string lower(base);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const bool device =
            std::find(kDevices.begin(), kDevices.end(), lower) != kDevices.end() ||
            (lower.size() == 4 && lower[3] >= '1' && lower[3] <= '9' &&
             std::find(kPorts.begin(), kPorts.end(), std::string_view(lower).substr(0, 3)) != kPorts.end());
        if (device) return std::string(part);
    }
    return std::nullopt;
}

}  // namespace simhost
