#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "simhost/host/platform.h"

namespace simhost::platform {

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

std::error_code CanWriteIn(const std::string &folder) {
    // Making a file needs both: writing the folder's list, and passing through it.
    if (access(folder.c_str(), W_OK | X_OK) != 0) return {errno, std::generic_category()};
    return {};
}

}  // namespace simhost::platform
