#include <windows.h>

#include "host/module_loader.h"

namespace stelmarin::platform {

ModuleHandle OpenModule(const char *fileName) noexcept {
    if (fileName == nullptr) return nullptr;
    return LoadLibraryA(fileName);
}

ProcAddress FindSymbol(ModuleHandle module, const char *name) noexcept {
    return reinterpret_cast<ProcAddress>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(ModuleHandle module) noexcept { FreeLibrary(static_cast<HMODULE>(module)); }

}  // namespace stelmarin::platform
