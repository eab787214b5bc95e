#include "host/host_functions.h"

namespace stelmarin::host {

namespace {

template <class Fn>
bool Store(platform::ModuleHandle module, const char *name, Fn &entry) noexcept {
    platform::ProcAddress address = platform::FindSymbol(module, name);
    entry = reinterpret_cast<Fn>(address);
    return address != nullptr;
}

bool Store(platform::ModuleHandle module, const char *name, UntypedEntry &entry) noexcept {
    return Store(module, name, entry.address);
}

bool LookUpAll(platform::ModuleHandle module, HostFunctionTable &table) noexcept {
#define STELMARIN_LOOKUP(name) \
    if (!Store(module, #name, table.name)) return false;
#define STELMARIN_LOOKUP_TYPED(ret, name, params, args) STELMARIN_LOOKUP(name)
    STELMARIN_HOST_FUNCTIONS(STELMARIN_LOOKUP_TYPED, STELMARIN_LOOKUP, STELMARIN_LOOKUP)
#undef STELMARIN_LOOKUP_TYPED
#undef STELMARIN_LOOKUP
    return true;
}

}  // namespace

HostFunctionTable g_hostFunctions;

int BindHostFunctions(const char *moduleFileName, HostFunctionTable &table) noexcept {
    table.complete = false;
    platform::ModuleHandle module = platform::OpenModule(moduleFileName);
    if (module == nullptr) return 0;
    const bool complete = LookUpAll(module, table);
    platform::CloseModule(module);
    table.complete = complete;
    return complete ? 1 : 0;
}

}  // namespace stelmarin::host
