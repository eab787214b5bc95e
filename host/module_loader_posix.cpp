#include <dlfcn.h>

#include "host/module_loader.h"

namespace stelmarin::platform {

ModuleHandle OpenModule(const char *fileName) noexcept {
    // An empty name would open the calling program itself, where the Windows loader finds
    // nothing: both targets refuse it alike.
    dlerror();  // so that a refusal here leaves no stale reason for LastLoadError
    if (fileName == nullptr || *fileName == '\0') return nullptr;
    return dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
}

std::string LastLoadError() {
    const char *why = dlerror();
    return why != nullptr ? why : "no file name was given";
}

ProcAddress FindSymbol(ModuleHandle module, const char *name) noexcept {
    return reinterpret_cast<ProcAddress>(dlsym(module, name));
}

void CloseModule(ModuleHandle module) noexcept { dlclose(module); }

}  // namespace stelmarin::platform
