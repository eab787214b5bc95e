#include <windows.h>

#include <string>

#include "host/module_loader.h"

namespace stelmarin::platform {

ModuleHandle OpenModule(const char *fileName) noexcept {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return LoadLibraryA(fileName);
}

std::string LastLoadError() { return "error " + std::to_string(GetLastError()); }

ProcAddress FindSymbol(ModuleHandle module, const char *name) noexcept {
    return reinterpret_cast<ProcAddress>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(ModuleHandle module) noexcept { FreeLibrary(static_cast<HMODULE>(module)); }

}  // namespace stelmarin::platform
