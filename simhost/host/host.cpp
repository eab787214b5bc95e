// The host functions the plug-in calls, over one document, its settings and its widgets.
// Every call checks its handles and indices as a strict host would and reports what a
// real host would reject, instead of crashing.
//
// Sections:
//   documents and records     NewDocument, the write record, events nested in calls
//   handle checks             OpenDocument, OpenObject, CheckDocument, Violate
//   document functions        MQDoc_*
//   object functions          MQObj_*, MQObj_SetVertex recording each move
//   messages                  MQ_SendMessage, MQXmlElem_Value, MQWidget_Value and its modal waits
//   the rest                  the functions the plug-in looks up but never calls
#include "simhost/host/host.h"

#include "host/contract_codes.h"
#include "simhost/host/platform.h"

#include <cstdio>
#include <string>

namespace simhost {

namespace {

std::string Point(const MQPoint &p) {
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g, %g)", static_cast<double>(p.x), static_cast<double>(p.y),
                  static_cast<double>(p.z));
    return text;
}

std::string Args(std::initializer_list<std::string> parts) {
    std::string text;
    for (const auto &part : parts) {
        if (!text.empty()) text += ", ";
        text += part;
    }
    return text;
}

std::string Int(int value) { return std::to_string(value); }

}  // namespace

Host *g_activeHost = nullptr;
void SetActiveHost(Host *host) { g_activeHost = host; }

std::string HostModulePath() { return platform::ModuleOf(reinterpret_cast<const void *>(&HostModulePath)); }

// ---- documents and records ----

Host::Host() : document_(std::make_unique<Document>()) {}
Host::~Host() {
    if (g_activeHost == this) g_activeHost = nullptr;
}

void Host::NewDocument() {
    // A host that replaces its document from inside one of its own functions leaves the
    // plug-in holding the old handle until its call returns; using it until then is no
    // fault of the plug-in's.
    if (pluginCallDepth_ > 0) replacedDuringCall_.push_back(document_.get());
    retired_.push_back(std::move(document_));
    document_ = std::make_unique<Document>();
}

void Host::EndOfPluginCall() { replacedDuringCall_.clear(); }

void Host::StartWriteRecord() {
    EndWriteRecord();
    recordingWrites_ = true;
}

void Host::EndWriteRecord() {
    for (Object *object : recorded_) object->ClearWrites();
    recorded_.clear();
    recordingWrites_ = false;
}

void Host::NestInside(std::string function, long long call, std::function<void()> deliver) {
    nests_.push_back({std::move(function), call, std::move(deliver)});
}

void Host::EnterRarely(const char *function) {
    if (pluginCallDepth_ == 0)
        Violate(Check::CallOutsidePluginCall, function, "called while the host was not inside a call to the plug-in");
    if (nests_.empty()) return;
    // The plug-in is inside this call: what is delivered now is nested in it.
    for (auto &deliver : DueNests(function)) deliver();
}

std::vector<std::function<void()>> Host::DueNests(const char *function) {
    std::vector<std::function<void()>> due;
    for (auto nest = nests_.begin(); nest != nests_.end();) {
        if (nest->function == function && --nest->call <= 0) {
            due.push_back(std::move(nest->deliver));
            nest = nests_.erase(nest);
        } else {
            ++nest;
        }
    }
    return due;
}

// ---- handle checks ----

Document *Host::OpenDocument(MQDocument doc) const {
    if (doc == Handle(document_.get())) return document_.get();
    for (Document *replaced : replacedDuringCall_) {
        if (doc == Handle(replaced)) return replaced;
    }
    return nullptr;
}

Object *Host::OpenObject(MQObject obj) const {
    auto *object = reinterpret_cast<Object *>(obj);
    if (document_->Owns(object)) return object;
    for (const Document *replaced : replacedDuringCall_) {
        if (replaced->Owns(object)) return object;
    }
    return nullptr;
}

void Host::Violate(Check check, const char *function, const std::string &what) {
    Report(check, std::string(function) + ": " + what);
}

Document *Host::CheckDocument(const char *function, MQDocument doc) {
    if (Document *open = OpenDocument(doc)) return open;
    if (doc == nullptr) {
        Violate(Check::NullDocument, function, "null document");
    } else {
        Violate(Check::StaleDocument, function, "not the open document");
    }
    return nullptr;
}

Object *Host::CheckOtherObject(const char *function, MQObject obj) {
    if (Object *object = OpenObject(obj)) return object;
    if (obj == nullptr) {
        Violate(Check::NullObject, function, "null object");
    } else {
        Violate(Check::ObjectNotInDocument, function, "object handle that is not in the document");
    }
    return nullptr;
}

Vertex *Host::ReportVertexIndex(const char *function, const Object &object, int vertexIndex) {
    Violate(Check::VertexIndexOutOfRange, function,
            "vertex index " + Int(vertexIndex) + " outside 0.." + Int(object.VertexCount() - 1) + " of object '" +
                object.name() + "'");
    return nullptr;
}

std::string Host::Name(MQObject obj) const {
    const Object *object = OpenObject(obj);
    if (object == nullptr) return obj == nullptr ? "null" : "stale";
    return object->name();
}

// ---- document functions ----

int Host::MQDoc_GetObjectCount(const char *function, MQDocument doc) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, "doc");
    const Document *open = CheckDocument(function, doc);
    return open != nullptr ? open->ObjectCount() : 0;
}

MQObject Host::MQDoc_GetObject(const char *function, MQDocument doc, int index) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({"doc", Int(index)}));
    const Document *open = CheckDocument(function, doc);
    return open != nullptr ? Handle(open->ObjectAt(index)) : nullptr;
}

int Host::MQDoc_GetCurrentObjectIndex(const char *function, MQDocument doc) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, "doc");
    const Document *open = CheckDocument(function, doc);
    return open != nullptr ? open->currentObject : -1;
}

MQObject Host::MQDoc_GetObjectFromUniqueID(const char *function, MQDocument doc, int uniqueID) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({"doc", Int(uniqueID)}));
    const Document *open = CheckDocument(function, doc);
    return open != nullptr ? Handle(open->ObjectFromUniqueID(uniqueID)) : nullptr;
}

int Host::MQDoc_GetObjectIndex(const char *function, MQDocument doc, MQObject obj) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({"doc", Name(obj)}));
    const Document *open = CheckDocument(function, doc);
    if (open == nullptr) return -1;
    // Asking where an object is, is how a plug-in tells whether it is still in the
    // document: a stale handle is a fair question here, not a fault.
    return open->IndexOf(reinterpret_cast<Object *>(obj));
}

int Host::MQDoc_IsSelectVertex(const char *function, MQDocument doc, int objectIndex, int vertexIndex) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({"doc", Int(objectIndex), Int(vertexIndex)}));
    const Document *open = CheckDocument(function, doc);
    if (open == nullptr) return 0;
    Object *object = open->ObjectAt(objectIndex);
    if (object == nullptr) {
        Violate(Check::NoObjectAtIndex, function, "no object at index " + Int(objectIndex));
        return 0;
    }
    Vertex *vertex = CheckVertex(function, object, vertexIndex);
    return vertex != nullptr && vertex->selected ? 1 : 0;
}

// ---- object functions ----

int Host::MQObj_GetVisible(const char *function, MQObject obj) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Name(obj));
    Object *object = CheckObject(function, obj);
    return object != nullptr && object->visible ? 1 : 0;
}

int Host::MQObj_GetIntValue(const char *function, MQObject obj, int code) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({Name(obj), ObjectValueArgument(code)}));
    Object *object = CheckObject(function, obj);
    return object != nullptr ? object->IntValue(code) : 0;
}

int Host::MQObj_GetVertexCount(const char *function, MQObject obj) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Name(obj));
    Object *object = CheckObject(function, obj);
    return object != nullptr ? object->VertexCount() : 0;
}

int Host::MQObj_GetVertexRefCount(const char *function, MQObject obj, int vertexIndex) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({Name(obj), Int(vertexIndex)}));
    Object *object = CheckObject(function, obj);
    if (object == nullptr) return 0;
    Vertex *vertex = CheckVertex(function, object, vertexIndex);
    return vertex != nullptr ? vertex->refCount : 0;
}

int Host::MQObj_GetVertexUniqueID(const char *function, MQObject obj, int vertexIndex) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({Name(obj), Int(vertexIndex)}));
    Object *object = CheckObject(function, obj);
    if (object == nullptr) return 0;
    Vertex *vertex = CheckVertex(function, object, vertexIndex);
    return vertex != nullptr ? vertex->uniqueID : 0;
}

int Host::MQObj_GetVertexIndexFromUniqueID(const char *function, MQObject obj, int uniqueID) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({Name(obj), Int(uniqueID)}));
    Object *object = CheckObject(function, obj);
    return object != nullptr ? object->IndexFromUniqueID(uniqueID) : -1;
}

void Host::MQObj_GetVertex(const char *function, MQObject obj, int vertexIndex, MQPoint *out) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, Args({Name(obj), Int(vertexIndex)}));
    if (out == nullptr) return Violate(Check::NullPoint, function, "null point");
    Object *object = CheckObject(function, obj);
    if (object == nullptr) return;
    if (CheckVertex(function, object, vertexIndex) != nullptr) *out = object->position(vertexIndex);
}

void Host::MQObj_SetVertex(const char *function, MQObject obj, int vertexIndex, MQPoint *in) {
    Enter(function);
    if (in == nullptr) return Violate(Check::NullPoint, function, "null point");
    if (trace.Recording()) trace.Record(function, Args({Name(obj), Int(vertexIndex), Point(*in)}));
    Object *object = CheckObject(function, obj);
    if (object == nullptr) return;
    Vertex *vertex = CheckVertex(function, object, vertexIndex);
    if (vertex == nullptr) return;
    if (vertex->deleted)
        return Violate(Check::WriteToDeletedVertex, function, "vertex " + Int(vertexIndex) + " was deleted");
    if (recordingWrites_ && object->RecordWrite(vertexIndex, *in)) recorded_.push_back(object);
    object->position(vertexIndex) = *in;
    ++verticesWritten;
}

// ---- messages ----

int Host::MQ_SendMessage(const char *function, int code, HostMessage *message) {
    Enter(function);
    const TracedCall traced(trace, function, [=] { return HostMessageArguments(code, message); });
    if (message == nullptr) {
        Violate(Check::NullMessageRecord, function, "null message record");
        return 0;
    }
    SentMessage sent{code, message->product_id, message->plugin_id, {}};
    if (message->options == nullptr) {
        Violate(Check::NullMessageOptions, function, "null option array");
    } else {
        for (const MQOption *pair = message->options; pair->name != nullptr; ++pair) {
            sent.optionNames.emplace_back(pair->name);
        }
    }
    if (message->reserved != 0) Violate(Check::MessageReservedNotZero, function, "third word is not 0");
    messages.push_back(sent);
    switch (code) {
        case stelmarin::kMessageDeactivated:
            return 1;
        case stelmarin::kMessageSettingsElements:
            if (!offersSettings) return 0;
            for (MQOption *pair = message->options; pair != nullptr && pair->name != nullptr; ++pair) {
                if (std::string(pair->name) == "root") pair->value = settings.Root();
                if (std::string(pair->name) == "pluginsettings") pair->value = settings.PluginSettings();
            }
            return 1;
        default:
            Violate(Check::UnknownMessageCode, function, "unknown message code " + Int(code));
            return 0;
    }
}

int Host::MQXmlElem_Value(const char *function, MQXmlElement element, int code, void *record) {
    Enter(function);
    const TracedCall traced(trace, function, [=] { return XmlMessageArguments(code, record); });
    return settings.Value(element, code, record,
                          [this, function](Check check, const std::string &what) { Violate(check, function, what); });
}

int Host::MQWidget_Value(const char *function, int widgetID, int code, MQOption *options) {
    if (!WaitsOnUser(code, options)) {
        Enter(function);
        const TracedCall traced(trace, function, [=] { return WidgetMessageArguments(widgetID, code, options); });
        return widgets.Value(widgetID, code, options);
    }
    // A message box or a modal run: what the host sends from inside it comes while it is
    // up, after the plug-in's request was taken as it stood.
    if (pluginCallDepth_ == 0)
        Violate(Check::CallOutsidePluginCall, function, "called while the host was not inside a call to the plug-in");
    std::vector<std::function<void()>> due = DueNests(function);
    const TracedCall traced(trace, function, [=] { return WidgetMessageArguments(widgetID, code, options); });
    ++userWaits_;
    const int answer = widgets.Value(widgetID, code, options);
    for (auto &deliver : due) deliver();
    --userWaits_;
    return answer;
}

bool Host::WaitsOnUser(int code, const MQOption *options) {
    if (code != stelmarin::kWidgetCommand || options == nullptr || options->name == nullptr) return false;
    if (std::string(options->name) != "type" || options->value == nullptr) return false;
    const std::string type = static_cast<const char *>(options->value);
    return type == "messagebox" || type == "modal";
}

// ---- the rest ----

void Host::UntypedCalled(const char *function) {
    Enter(function);
    if (trace.Recording()) trace.Record(function, "?");
    Violate(Check::ForbiddenFunction, function, "a plug-in must never call this function");
}

}  // namespace simhost
