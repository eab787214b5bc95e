// A plug-in that misbehaves on purpose, so that tests can check that the stand-in host
// notices: on every draw it calls a host function no plug-in may call, writes through an
// object handle the host never gave out, and reads past the end of an object.
#include "host/contract_codes.h"
#include "host/host_functions.h"
#include "plugin/export.h"

namespace {
MQPoint g_point{1.0f, 2.0f, 3.0f};
}

STELMARIN_EXPORT uint32_t MQCheckVersion(uint32_t) noexcept { return stelmarin::kPluginInterfaceVersion; }
STELMARIN_EXPORT int MQInit(const char *file) noexcept {
    return stelmarin::host::BindHostFunctions(file, stelmarin::host::Host());
}
STELMARIN_EXPORT void MQGetPlugInID(uint32_t *product, uint32_t *id) noexcept { *product = *id = 1; }
STELMARIN_EXPORT const char *MQGetPlugInName() noexcept { return "broken"; }
STELMARIN_EXPORT int MQGetPlugInType() noexcept { return stelmarin::kPluginTypeStation; }
STELMARIN_EXPORT const char *MQEnumString(int) noexcept { return nullptr; }
STELMARIN_EXPORT const char *MQEnumFileType(int) noexcept { return nullptr; }
STELMARIN_EXPORT const char *MQEnumFileExt(int) noexcept { return nullptr; }
STELMARIN_EXPORT int MQImportFile(int, const char *, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQExportFile(int, const char *, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQCreate(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQModifyObject(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQModifySelect(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQOnEvent(MQDocument doc, int code, void *) noexcept {
    if (code != stelmarin::kEventDrawView) return 0;
    auto &host = stelmarin::host::Host();
    host.MQ_RefreshView.address();
    host.MQObj_SetVertex(reinterpret_cast<MQObject>(&g_point), 0, &g_point);
    MQObject first = host.MQDoc_GetObject(doc, 0);
    host.MQObj_SetVertex(first, host.MQObj_GetVertexCount(first), &g_point);
    return 1;
}
