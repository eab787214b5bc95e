#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "simhost/host/platform.h"

namespace simhost::platform {

namespace {

std::string FileOf(HMODULE module) {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(module, path, sizeof path);
    return length > 0 ? std::string(path, length) : std::string();
}

std::error_code Errno() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

// Windows names files in UTF-16; the path is read as the rest of simhost reads it.
std::wstring Wide(const std::string &file) { return std::filesystem::path(file).wstring(); }

// Writes every byte, in pieces the C runtime takes, then closes; the first reason to fail
// wins. `flush` has Windows put the bytes on the disk first.
std::error_code PutAllAndClose(int descriptor, std::string_view bytes, bool flush) {
    std::error_code reason;
    while (!bytes.empty() && !reason) {
        const unsigned piece = static_cast<unsigned>(std::min<size_t>(bytes.size(), 1u << 30));
        const int wrote = _write(descriptor, bytes.data(), piece);
        if (wrote <= 0) {
            reason = wrote < 0 ? Errno() : std::make_error_code(std::errc::io_error);
        } else {
            bytes.remove_prefix(static_cast<size_t>(wrote));
        }
    }
    if (!reason && flush && _commit(descriptor) != 0) reason = Errno();
    if (_close(descriptor) != 0 && !reason) reason = Errno();
    return reason;
}

}  // namespace

bool IsLoaded(const std::string &path) { return GetModuleHandleA(path.c_str()) != nullptr; }

std::string ModuleOf(const void *address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module)) {
        return {};
    }
    return FileOf(module);
}

std::string ExecutablePath() { return FileOf(nullptr); }

std::string ConfigDirectory() {
    if (const char *appData = std::getenv("APPDATA"); appData != nullptr && *appData != '\0') return appData;
    return ".";
}

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

bool StandardInputIsTerminal() { return _isatty(_fileno(stdin)) != 0; }

std::error_code WriteNewFile(const std::string &file, std::string_view bytes) {
    const int descriptor =
        _wopen(Wide(file).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (descriptor < 0) return Errno();
    return PutAllAndClose(descriptor, bytes, true);
}

// A folder cannot be flushed on Windows; the move itself is asked to reach the disk
// before it returns.
std::error_code MoveIntoPlace(const std::string &temporary, const std::string &file) {
    if (!MoveFileExW(Wide(temporary).c_str(), Wide(file).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {static_cast<int>(GetLastError()), std::system_category()};
    }
    return {};
}

// Windows keeps its pipes outside the folders files are written to, so what is found at
// a path that is not a file is a device.
std::error_code WriteToDevice(const std::string &file, std::string_view bytes) {
    const int descriptor = _wopen(Wide(file).c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (descriptor < 0) return Errno();
    return PutAllAndClose(descriptor, bytes, false);
}

}  // namespace simhost::platform
