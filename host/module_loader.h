// The platform's dynamic loader, reduced to what binding the host table needs.
#pragma once

#include <string>

namespace stelmarin::platform {

using ModuleHandle = void *;
using ProcAddress = void (*)();

// Opens a module by file name (system code page). Null when it cannot be loaded. The caller
// owns the reference and releases it with CloseModule.
ModuleHandle OpenModule(const char *fileName) noexcept;

// Why the last OpenModule on this thread that returned null failed, in the system's words,
// for a person to read.
std::string LastLoadError();

// The address of an exported symbol, or null when the module has none by that name.
ProcAddress FindSymbol(ModuleHandle module, const char *name) noexcept;

// Releases one reference taken by OpenModule.
void CloseModule(ModuleHandle module) noexcept;

}  // namespace stelmarin::platform
