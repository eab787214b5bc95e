// The module's fourteen exports. Each is a trampoline into the one plug-in object; none
// lets an exception reach the host, which is C and cannot take one.
#include <exception>

#include "host/contract_codes.h"
#include "host/host_functions.h"
#include "plugin/entry_points.h"
#include "plugin/export.h"
#include "plugin/stelmarin.h"

// Declared from the contract's list, so that a definition below that strays from it does
// not compile.
#define STELMARIN_DECLARE_EXPORT(ret, name, params) STELMARIN_EXPORT ret name params noexcept;
STELMARIN_PLUGIN_EXPORTS(STELMARIN_DECLARE_EXPORT)
#undef STELMARIN_DECLARE_EXPORT

namespace {

stelmarin::Stelmarin g_plugin;

template <class Body, class Result>
Result Guarded(Body body, Result failure) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

}  // namespace

// Version handshake; no pointers.
STELMARIN_EXPORT uint32_t MQCheckVersion(uint32_t hostVersion) noexcept {
    return stelmarin::host::CheckHostVersion(hostVersion);
}

// `fileName` names the module that exports the host functions; the host owns the text.
STELMARIN_EXPORT int MQInit(const char *fileName) noexcept {
    return stelmarin::host::BindHostFunctions(fileName, stelmarin::host::Host());
}

// Both pointers are the host's and receive the IDs.
STELMARIN_EXPORT void MQGetPlugInID(uint32_t *product, uint32_t *id) noexcept {
    if (product == nullptr || id == nullptr) return;
    g_plugin.GetPlugInID(product, id);
}

// Static text, valid while the module is loaded.
STELMARIN_EXPORT const char *MQGetPlugInName() noexcept { return g_plugin.GetPlugInName(); }

STELMARIN_EXPORT int MQGetPlugInType() noexcept { return g_plugin.GetPlugInType(); }

// Static text, or null when there is none for `index`.
STELMARIN_EXPORT const char *MQEnumString(int index) noexcept { return stelmarin::EnumStringFor(g_plugin, index); }

// A station plug-in has no file types or extensions: always null.
STELMARIN_EXPORT const char *MQEnumFileType(int) noexcept { return nullptr; }
STELMARIN_EXPORT const char *MQEnumFileExt(int) noexcept { return nullptr; }

// File import and export, object creation and modification belong to other kinds of
// plug-in; this one does nothing and answers 0.
STELMARIN_EXPORT int MQImportFile(int, const char *, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQExportFile(int, const char *, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQCreate(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQModifyObject(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQModifySelect(int, MQDocument) noexcept { return 0; }

// `doc` is the host's; `option` is an option array owned by the host for this call, or for
// kEventActivate and kEvent102 a pointer to one flag; null stands for no options. Unbound (before
// MQInit, or after one that failed) every event answers 0 and nothing happens. An event
// sent from inside a host function while the plug-in is calling it is held until the
// plug-in's outermost call returns (host/event_gate.h).
STELMARIN_EXPORT int MQOnEvent(MQDocument doc, int code, void *option) noexcept {
    if (!stelmarin::host::Host().complete) return 0;
    return Guarded([&] { return stelmarin::ReceiveEvent(g_plugin, doc, code, option); }, 0);
}
