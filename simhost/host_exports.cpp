// The host module's exports: all host functions by name, with C linkage. Their
// declarations come from the one list the plug-in binds from, so a signature that drifts
// from it does not compile. Each forwards to the active host; with none, it answers as a
// host with an empty document would.
#include "host/host_function_list.h"
#include "simhost/host.h"

// A second build of this file makes a host module that lacks one name, for checking that
// a plug-in refuses an incomplete host: the function is there under another name.
#if defined(SIMHOST_WITHOUT_CANVAS)
#define MQCanvas_Value simhost_without_MQCanvas_Value
#endif

#if defined(_WIN32)
#define SIMHOST_EXPORT extern "C" __declspec(dllexport)
#else
#define SIMHOST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#define SIMHOST_DECLARE_TYPED(ret, name, params) SIMHOST_EXPORT ret name params;
#define SIMHOST_DEFINE_UNTYPED(name)                                                 \
    SIMHOST_EXPORT void name() {                                                     \
        if (simhost::Host *host = simhost::ActiveHost()) host->UntypedCalled(#name); \
    }
#define SIMHOST_NOTHING(name)
STELMARIN_HOST_FUNCTIONS(SIMHOST_DECLARE_TYPED, SIMHOST_DEFINE_UNTYPED, SIMHOST_NOTHING)

namespace {

template <class Result, class Call>
Result Serve(Result idle, Call call) {
    simhost::Host *host = simhost::ActiveHost();
    return host != nullptr ? call(*host) : idle;
}

}  // namespace

int MQDoc_GetObjectCount(MQDocument doc) {
    return Serve(0, [&](simhost::Host &h) { return h.GetObjectCount(doc); });
}
MQObject MQDoc_GetObject(MQDocument doc, int index) {
    return Serve<MQObject>(nullptr, [&](simhost::Host &h) { return h.GetObject(doc, index); });
}
int MQDoc_GetCurrentObjectIndex(MQDocument doc) {
    return Serve(-1, [&](simhost::Host &h) { return h.GetCurrentObjectIndex(doc); });
}
MQObject MQDoc_GetObjectFromUniqueID(MQDocument doc, int unique_id) {
    return Serve<MQObject>(nullptr, [&](simhost::Host &h) { return h.GetObjectFromUniqueID(doc, unique_id); });
}
int MQDoc_GetObjectIndex(MQDocument doc, MQObject obj) {
    return Serve(-1, [&](simhost::Host &h) { return h.GetObjectIndex(doc, obj); });
}
int MQDoc_IsSelectVertex(MQDocument doc, int object_index, int vertex_index) {
    return Serve(0, [&](simhost::Host &h) { return h.IsSelectVertex(doc, object_index, vertex_index); });
}
int MQObj_GetVisible(MQObject obj) {
    return Serve(0, [&](simhost::Host &h) { return h.GetVisible(obj); });
}
int MQObj_GetIntValue(MQObject obj, int code) {
    return Serve(0, [&](simhost::Host &h) { return h.GetIntValue(obj, code); });
}
int MQObj_GetVertexCount(MQObject obj) {
    return Serve(0, [&](simhost::Host &h) { return h.GetVertexCount(obj); });
}
int MQObj_GetVertexRefCount(MQObject obj, int vertex_index) {
    return Serve(0, [&](simhost::Host &h) { return h.GetVertexRefCount(obj, vertex_index); });
}
int MQObj_GetVertexUniqueID(MQObject obj, int vertex_index) {
    return Serve(0, [&](simhost::Host &h) { return h.GetVertexUniqueID(obj, vertex_index); });
}
int MQObj_GetVertexIndexFromUniqueID(MQObject obj, int unique_id) {
    return Serve(-1, [&](simhost::Host &h) { return h.GetVertexIndexFromUniqueID(obj, unique_id); });
}
void MQObj_GetVertex(MQObject obj, int vertex_index, MQPoint *out) {
    if (simhost::Host *host = simhost::ActiveHost()) host->GetVertex(obj, vertex_index, out);
}
void MQObj_SetVertex(MQObject obj, int vertex_index, MQPoint *in) {
    if (simhost::Host *host = simhost::ActiveHost()) host->SetVertex(obj, vertex_index, in);
}
int MQ_SendMessage(int message_code, HostMessage *message) {
    return Serve(0, [&](simhost::Host &h) { return h.SendMessage(message_code, message); });
}
int MQXmlElem_Value(MQXmlElement elem, int code, void *record) {
    return Serve(0, [&](simhost::Host &h) { return h.XmlElementValue(elem, code, record); });
}
int MQWidget_Value(int widget_id, int code, MQOption *options) {
    return Serve(0, [&](simhost::Host &h) { return h.WidgetValue(widget_id, code, options); });
}
