#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "simhost/host/platform.h"

namespace simhost::platform {

namespace {

std::error_code Errno() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

// Writes every byte, through interruptions and short writes.
std::error_code PutAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = write(descriptor, bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0) return Errno();
        if (wrote == 0) return std::make_error_code(std::errc::io_error);
        bytes.remove_prefix(static_cast<size_t>(wrote));
    }
    return {};
}

// Closes `descriptor`; the first reason to fail wins, and close can still report one
// (a network file system's deferred write).
std::error_code Closed(int descriptor, std::error_code reason) {
    if (close(descriptor) != 0 && !reason && errno != EINTR) reason = Errno();
    return reason;
}

}  // namespace

bool IsLoaded(const std::string &path) {
    void *library = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr) return false;
    dlclose(library);
    return true;
}

std::string ModuleOf(const void *address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}

std::string ExecutablePath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

std::string ConfigDirectory() {
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') return config;
    if (const char *home = std::getenv("HOME"); home != nullptr && *home != '\0') return std::string(home) + "/.config";
    return ".";
}

bool StandardErrorIsTerminal() { return isatty(fileno(stderr)) != 0; }

bool StandardInputIsTerminal() { return isatty(fileno(stdin)) != 0; }

std::error_code WriteNewFile(const std::string &file, std::string_view bytes) {
    const int descriptor = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) return Errno();
    std::error_code reason = PutAll(descriptor, bytes);
    if (!reason && fsync(descriptor) != 0) reason = Errno();
    return Closed(descriptor, reason);
}

std::error_code MoveIntoPlace(const std::string &temporary, const std::string &file) {
    if (rename(temporary.c_str(), file.c_str()) != 0) return Errno();
    // The rename lives in the folder's list, which reaches the disk when the folder is
    // flushed. The file is in place whatever this says, so a folder that cannot be
    // flushed (some file systems refuse) does not fail the write.
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    const int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
    return {};
}

std::error_code WriteToDevice(const std::string &file, std::string_view bytes) {
    // Opening a pipe for writing waits for a reader unless it is asked not to; a socket
    // cannot be opened at all.
    const int descriptor = open(file.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return Errno();
    struct stat opened {};
    if (fstat(descriptor, &opened) != 0) return Closed(descriptor, Errno());
    if (!S_ISCHR(opened.st_mode) && !S_ISBLK(opened.st_mode)) {
        return Closed(descriptor, std::make_error_code(std::errc::no_such_device_or_address));
    }
    // A device is written as it always is: waiting when it is busy.
    const int flags = fcntl(descriptor, F_GETFL);
    if (flags < 0 || fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) return Closed(descriptor, Errno());
    return Closed(descriptor, PutAll(descriptor, bytes));
}

}  // namespace simhost::platform
