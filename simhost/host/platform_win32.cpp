#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "simhost/host/platform.h"

namespace simhost::platform {

namespace {

std::string FileOf(HMODULE module) {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(module, path, sizeof path);
    return length > 0 ? std::string(path, length) : std::string();
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

// A folder's read-only flag does not stop files being made in it (Windows sets it on
// folders it customises), and access lists tell only when a file is made: the first write
// says why it cannot be.
std::error_code CanWriteIn(const std::string &) { return {}; }

}  // namespace simhost::platform
