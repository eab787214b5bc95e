// The process-wide table through which every call into the host goes.
#pragma once

#include <cstdint>

#include "host/contract_codes.h"
#include "host/host_function_list.h"
#include "host/module_loader.h"

namespace stelmarin::host {

// A host function that must exist but is never called: only its address is kept, so that
// no code can call it by mistake.
struct UntypedEntry {
    platform::ProcAddress address = nullptr;
};

// One entry per host function, null until MQInit fills it. The entries point into the host
// module, which the host keeps loaded for as long as the plug-in is.
struct HostFunctionTable {
#define STELMARIN_TABLE_TYPED(ret, name, params, args) ret(*name) params = nullptr;
#define STELMARIN_TABLE_UNTYPED(name) UntypedEntry name;
#define STELMARIN_TABLE_AGAIN(name)
    STELMARIN_HOST_FUNCTIONS(STELMARIN_TABLE_TYPED, STELMARIN_TABLE_UNTYPED, STELMARIN_TABLE_AGAIN)
#undef STELMARIN_TABLE_TYPED
#undef STELMARIN_TABLE_UNTYPED
#undef STELMARIN_TABLE_AGAIN
    // Every name was found by the last binding. Until then the plug-in makes no host call:
    // a host that sends events before MQInit, or after one that failed, would otherwise
    // have the plug-in call through null or partial entries.
    bool complete = false;
};

// The plug-in's one table. Written only by MQInit; read on the host's UI thread. Reached
// inline: every host call of the draw pass goes through it.
extern HostFunctionTable g_hostFunctions;
inline HostFunctionTable &Host() noexcept { return g_hostFunctions; }

// Looks every name up in the module that the host names, in look-up order, storing each
// address in `table`. Returns 1 when all were found and 0 otherwise; entries filled before a
// missing name keep their values, and `complete` says which it was. The module reference taken here is always released
// before returning: the host keeps its module loaded.
int BindHostFunctions(const char *moduleFileName, HostFunctionTable &table) noexcept;

// The version handshake (host/contract_codes.h).
constexpr uint32_t CheckHostVersion(uint32_t hostVersion) noexcept {
    return hostVersion >= kMinimumHostVersion ? kPluginInterfaceVersion : 0;
}

}  // namespace stelmarin::host
