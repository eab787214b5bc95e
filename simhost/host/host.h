// The stand-in host: it owns the document, answers the host functions that a plug-in
// calls, records what the plug-in did and reports every misbehaviour it sees.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/host_abi.h"
#include "host/host_function_list.h"
#include "simhost/host/call_trace.h"
#include "simhost/host/document_model.h"
#include "simhost/host/host_checks.h"
#include "simhost/host/recent_history.h"
#include "simhost/host/settings_tree.h"
#include "simhost/host/widget_host.h"

namespace simhost {

// The name of each host function a plug-in calls, from the list, for the parts of the host
// that serve one function alone (the widgets, the settings) to report under.
namespace function_name {
#define SIMHOST_FUNCTION_NAME(ret, name, params, args) inline constexpr char name[] = #name;
#define SIMHOST_NO_NAME(name)
STELMARIN_HOST_FUNCTIONS(SIMHOST_FUNCTION_NAME, SIMHOST_NO_NAME, SIMHOST_NO_NAME)
#undef SIMHOST_FUNCTION_NAME
#undef SIMHOST_NO_NAME
}  // namespace function_name

// The version this host reports to a plug-in.
inline constexpr uint32_t kHostVersion = 0x4600;

// A message that the plug-in sent with MQ_SendMessage.
struct SentMessage {
    int code;
    uint32_t productID;
    uint32_t pluginID;
    std::vector<std::string> optionNames;
};

class Host {
public:
    Host();
    ~Host();
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;

    Document &document() { return *document_; }
    const Document &document() const { return *document_; }
    MQDocument DocumentHandle() { return Handle(document_.get()); }
    // Replaces the document with an empty one, as the modeller's "new" does.
    void NewDocument();

    CallTrace trace;
    WidgetHost widgets{*this};
    SettingsTree settings;
    // Off, the host answers the settings request with no elements, as a host that keeps
    // no settings does.
    bool offersSettings = true;
    // Everything the plug-in did that a real host would not accept, each under the check it
    // failed (host_checks.h): the latest of it, and a count of the rest
    // (RecentHistory::Added), which fails a step as surely as what is kept.
    static constexpr size_t kViolationCapacity = 256;
    RecentHistory<Violation> violations{kViolationCapacity};
    // The latest messages the plug-in sent; each start and exit sends one.
    RecentHistory<SentMessage> messages{256};
    // Vertices the plug-in has written through MQObj_SetVertex, counted since it started.
    long long verticesWritten = 0;

    // While a record runs, each vertex MQObj_SetVertex moves is noted in its object, with
    // where it was before (Object::RecordWrite): what a draw check compares. Starting one
    // clears what the last one noted.
    void StartWriteRecord();
    void EndWriteRecord();
    bool RecordingWrites() const { return recordingWrites_; }

    // The host is inside a call to the plug-in while one of these lives; host functions
    // called at any other time are a violation.
    class PluginCall {
    public:
        explicit PluginCall(Host &host) : host_(host) { ++host_.pluginCallDepth_; }
        ~PluginCall() {
            if (--host_.pluginCallDepth_ == 0) host_.EndOfPluginCall();
        }
        PluginCall(const PluginCall &) = delete;
        PluginCall &operator=(const PluginCall &) = delete;

    private:
        Host &host_;
    };

    // The host functions, as the exports of the host module reach them (host_exports.h):
    // each is named as the function it serves and is handed that name from the list, which
    // its checks and trace report it under.
    int MQDoc_GetObjectCount(const char *function, MQDocument doc);
    MQObject MQDoc_GetObject(const char *function, MQDocument doc, int index);
    int MQDoc_GetCurrentObjectIndex(const char *function, MQDocument doc);
    MQObject MQDoc_GetObjectFromUniqueID(const char *function, MQDocument doc, int uniqueID);
    int MQDoc_GetObjectIndex(const char *function, MQDocument doc, MQObject obj);
    int MQDoc_IsSelectVertex(const char *function, MQDocument doc, int objectIndex, int vertexIndex);
    int MQObj_GetVisible(const char *function, MQObject obj);
    int MQObj_GetIntValue(const char *function, MQObject obj, int code);
    int MQObj_GetVertexCount(const char *function, MQObject obj);
    int MQObj_GetVertexRefCount(const char *function, MQObject obj, int vertexIndex);
    int MQObj_GetVertexUniqueID(const char *function, MQObject obj, int vertexIndex);
    int MQObj_GetVertexIndexFromUniqueID(const char *function, MQObject obj, int uniqueID);
    void MQObj_GetVertex(const char *function, MQObject obj, int vertexIndex, MQPoint *out);
    void MQObj_SetVertex(const char *function, MQObject obj, int vertexIndex, MQPoint *in);
    int MQ_SendMessage(const char *function, int code, HostMessage *message);
    int MQXmlElem_Value(const char *function, MQXmlElement element, int code, void *record);
    int MQWidget_Value(const char *function, int widgetID, int code, MQOption *options);
    // A function that no plug-in may call was called.
    void UntypedCalled(const char *function);
    // Something the plug-in did that a real host would not accept.
    void Report(Check check, std::string what) { violations.push_back({check, std::move(what)}); }

    // Makes this host one that sends events from inside its own functions: `deliver` runs
    // at the start of the `call`th call (from 1) that the plug-in makes of `function`,
    // counted from now, before the host serves that call. It may send the plug-in any
    // event or user action, or change the document under it. Several may wait at once;
    // each runs once.
    void NestInside(std::string function, long long call, std::function<void()> deliver);
    // A message box or a modal run of the plug-in's is up: what comes now, the plug-in
    // handles at once.
    bool WaitingOnUser() const { return userWaits_ > 0; }
    // Nested deliveries still waiting for their call.
    size_t NestsWaiting() const { return nests_.size(); }
    void ForgetNests() { nests_.clear(); }

    static MQObject Handle(Object *object) { return reinterpret_cast<MQObject>(object); }
    static MQDocument Handle(Document *document) { return reinterpret_cast<MQDocument>(document); }

private:
    // Every host function starts here. Calls come by the million in a draw, so only what
    // is rare leaves the inline path: a call from outside the plug-in, a nest waiting.
    void Enter(const char *function) {
        if (pluginCallDepth_ == 0 || !nests_.empty()) EnterRarely(function);
    }
    void EnterRarely(const char *function);
    // The nested deliveries whose call this is, taken off the list.
    std::vector<std::function<void()>> DueNests(const char *function);
    // A widget message that shows the user something and waits: a message box or a
    // modal run.
    static bool WaitsOnUser(int code, const MQOption *options);
    void Violate(Check check, const char *function, const std::string &what);
    Document *CheckDocument(const char *function, MQDocument doc);
    Object *CheckObject(const char *function, MQObject obj) {
        auto *object = reinterpret_cast<Object *>(obj);
        return document_->Owns(object) ? object : CheckOtherObject(function, obj);
    }
    // An object handle that is not one of the open document's: one of a document replaced
    // during this call, or a violation.
    Object *CheckOtherObject(const char *function, MQObject obj);
    Vertex *CheckVertex(const char *function, Object *object, int vertexIndex) {
        return object->ValidIndex(vertexIndex) ? &object->vertex(vertexIndex)
                                               : ReportVertexIndex(function, *object, vertexIndex);
    }
    // Reports an index outside the object; returns null.
    Vertex *ReportVertexIndex(const char *function, const Object &object, int vertexIndex);
    std::string Name(MQObject obj) const;

    // The document a handle names while the plug-in may use it: the open one, or one
    // replaced during the plug-in's present call, which it was given for that call.
    Document *OpenDocument(MQDocument doc) const;
    Object *OpenObject(MQObject obj) const;
    void EndOfPluginCall();

    struct Nest {
        std::string function;
        long long call;
        std::function<void()> deliver;
    };

    std::unique_ptr<Document> document_;
    // Earlier documents stay allocated, so that a stale handle is recognised as such.
    std::vector<std::unique_ptr<Document>> retired_;
    // Replaced while the plug-in was inside a call, which still holds their handles.
    std::vector<Document *> replacedDuringCall_;
    bool recordingWrites_ = false;
    // The objects with writes on record; every document stays allocated while the host
    // lives, so none of them has gone.
    std::vector<Object *> recorded_;
    int pluginCallDepth_ = 0;
    int userWaits_ = 0;
    std::vector<Nest> nests_;
};

// The host that the host module's exports serve; one at a time, as there is one modeller
// per process. Null while no session runs. Each host module keeps its own, which its
// exports read inline, as every host call of a draw goes through it; nothing outside the
// module reads it.
#if defined(_WIN32)
extern Host *g_activeHost;
#else
extern Host *g_activeHost __attribute__((visibility("hidden")));
#endif
inline Host *ActiveHost() { return g_activeHost; }
void SetActiveHost(Host *host);

// The file of the host module, to be handed to a plug-in's MQInit: the host library, or
// on Windows the program itself, which exports the host functions as the modeller does.
std::string HostModulePath();

}  // namespace simhost
