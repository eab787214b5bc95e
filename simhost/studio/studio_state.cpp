// What the studio tells its pages, in JSON. Sections:
//   parts         widgets, pins, moved-back and selected vertices as JSON
//   the state     slots, whether their pins are held, the centre line, last draw, windows,
//                 questions, objects
//   the body      the binary body beside the JSON, and the frame that holds both
//   the meshes    positions and faces
//   changes       a snapshot before a command, and what the command changed
#include "simhost/studio/studio_state.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>
#include <span>

#include "host/text_conversion.h"
#include "simhost/files/utf8_text.h"
#include "simhost/host/widget_host.h"
#include "simhost/language/command_support.h"
#include "simhost/modeller/pin_holding.h"
#include "simhost/studio/http_message.h"

namespace simhost {

using nlohmann::json;

// ---- parts ----

namespace {

// Positions go out as the document holds them, three float32 a vertex, and numbers as
// this machine holds them: a page reads them little-endian.
static_assert(sizeof(MQPoint) == 3 * sizeof(float));
static_assert(std::endian::native == std::endian::little);

json WidgetValueJson(const WidgetValue &value) {
    return std::visit(
        [](const auto &held) -> json {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::monostate>) {
                return nullptr;
            } else if constexpr (std::is_same_v<Held, std::u16string>) {
                return stelmarin::WideToUtf8(held);
            } else {
                return held;
            }
        },
        value);
}

json WidgetJson(const WidgetHost &widgets, const Widget &widget) {
    json properties = json::object();
    for (const auto &[key, value] : widget.properties) properties[key] = WidgetValueJson(value);
    json children = json::array();
    for (int32_t child : widget.children) {
        if (const Widget *found = widgets.Find(child)) children.push_back(WidgetJson(widgets, *found));
    }
    return {{"id", widget.id},
            {"type", widget.type},
            {"shown", widgets.IsShown(widget.id)},
            {"properties", std::move(properties)},
            {"children", std::move(children)}};
}

// The windows and dialogs the plug-in made, each with what it holds, in the order made.
json WindowsJson(const WidgetHost &widgets) {
    std::vector<int32_t> tops;
    for (const auto &[id, widget] : widgets.Widgets()) {
        if (widget.type == "window" || widget.type == "dialog") tops.push_back(id);
    }
    std::sort(tops.begin(), tops.end());
    json windows = json::array();
    for (int32_t id : tops) windows.push_back(WidgetJson(widgets, *widgets.Find(id)));
    return windows;
}

// A slot's pins by object, as vertex indices of the objects' present numbering.
json PinsJson(const Document &document, const PositionSet &pins, BinaryBody &body) {
    json objects = json::array();
    for (const ObjectPositions &entry : pins) {
        const Object *object = document.ObjectFromUniqueID(entry.objectID);
        if (object == nullptr) continue;
        std::vector<int32_t> indices;
        indices.reserve(entry.size());
        for (int id : entry.vertexIDs) {
            if (const int index = object->IndexFromUniqueID(id); index >= 0) indices.push_back(index);
        }
        const size_t count = indices.size();
        objects.push_back(
            {{"object", document.IndexOf(object)}, {"count", count}, {"indices", body.Indices(std::move(indices))}});
    }
    return objects;
}

json AllPinsJson(const Workbench &bench, BinaryBody &body) {
    json slots = json::array();
    for (const LedgerSlot &slot : bench.ledger().slots) slots.push_back(PinsJson(bench.document(), slot.pins, body));
    return slots;
}

json MovedBackJson(const Workbench &bench, BinaryBody &body) {
    std::map<int, std::vector<int32_t>> byObject;
    if (bench.lastDraw()) {
        for (const auto &[objectID, vertexID] : bench.lastDraw()->moved) {
            const Object *object = bench.document().ObjectFromUniqueID(objectID);
            if (object == nullptr) continue;
            if (const int index = object->IndexFromUniqueID(vertexID); index >= 0) {
                byObject[bench.document().IndexOf(object)].push_back(index);
            }
        }
    }
    json moved = json::array();
    for (auto &[object, indices] : byObject) {
        std::sort(indices.begin(), indices.end());
        const size_t count = indices.size();
        moved.push_back({{"object", object}, {"count", count}, {"indices", body.Indices(std::move(indices))}});
    }
    return moved;
}

std::vector<int32_t> SelectedOf(const Object &object) {
    std::vector<int32_t> selected;
    for (int v = 0; v < object.VertexCount(); ++v) {
        if (object.vertex(v).selected && !object.vertex(v).deleted) selected.push_back(v);
    }
    return selected;
}

// Per object with any selected vertex: {object, count, indices}.
json SelectedJson(const Document &document, BinaryBody &body) {
    json objects = json::array();
    for (int index = 0; index < document.ObjectCount(); ++index) {
        const Object *object = document.ObjectAt(index);
        if (object == nullptr) continue;
        std::vector<int32_t> selected = SelectedOf(*object);
        if (!selected.empty()) {
            const size_t count = selected.size();
            objects.push_back({{"object", index}, {"count", count}, {"indices", body.Indices(std::move(selected))}});
        }
    }
    return objects;
}

bool SamePins(const PositionSet &a, const PositionSet &b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ObjectPositions &x, const ObjectPositions &y) {
        return x.objectID == y.objectID && x.vertexIDs == y.vertexIDs;
    });
}

}  // namespace

std::string Base64(const void *bytes, size_t size) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const auto *in = static_cast<const unsigned char *>(bytes);
    std::string out;
    out.reserve((size + 2) / 3 * 4);
    size_t at = 0;
    for (; at + 3 <= size; at += 3) {
        const uint32_t group = uint32_t{in[at]} << 16 | uint32_t{in[at + 1]} << 8 | in[at + 2];
        for (int shift = 18; shift >= 0; shift -= 6) out += kDigits[(group >> shift) & 63];
    }
    if (const size_t left = size - at; left > 0) {
        const uint32_t group = uint32_t{in[at]} << 16 | (left == 2 ? uint32_t{in[at + 1]} << 8 : 0);
        out += kDigits[(group >> 18) & 63];
        out += kDigits[(group >> 12) & 63];
        out += left == 2 ? kDigits[(group >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

// ---- the body ----

void BinaryBody::Add(const void *values, size_t bytes) {
    if (bytes == 0) return;
    pieces_.emplace_back(static_cast<const char *>(values), bytes);
    size_ += bytes;
}

json BinaryBody::ReferenceFrom(size_t at) const { return {{"at", at}, {"length", (size_ - at) / 4}}; }

json BinaryBody::Indices(std::vector<int32_t> values) {
    if (values.size() <= kInlineIndicesMost) return Base64(values.data(), values.size() * sizeof(int32_t));
    const size_t at = size_;
    owned_.push_back(std::move(values));
    Add(owned_.back().data(), owned_.back().size() * sizeof(int32_t));
    return ReferenceFrom(at);
}

void BinaryBody::AppendTo(std::string &out) const {
    out.reserve(out.size() + size_);
    for (const auto &[bytes, size] : pieces_) out.append(bytes, size);
}

std::shared_ptr<const std::string> BinaryBody::Bytes() const {
    std::string bytes;
    AppendTo(bytes);
    return std::make_shared<const std::string>(std::move(bytes));
}

std::string Framed(const json &document, const BinaryBody &body) {
    std::string text = JsonText(document);
    text.append((4 - text.size() % 4) % 4, ' ');
    const auto length = static_cast<uint32_t>(text.size());
    std::string frame;
    frame.reserve(4 + text.size() + body.Size());
    frame.append(reinterpret_cast<const char *>(&length), 4);
    frame += text;
    body.AppendTo(frame);
    return frame;
}

// ---- the state ----

namespace {

// Of the questions and of the violations, how many of the latest the state shows.
constexpr size_t kStateLatest = 32;

// A violation as the page and the reports show it: the ID of the check it failed, and what
// was seen.
json ViolationJson(const Violation &violation) { return {{"id", violation.id()}, {"text", violation.text}}; }

json ViolationsJson(const std::vector<Violation> &found) {
    json list = json::array();
    for (const Violation &violation : found) list.push_back(ViolationJson(violation));
    return list;
}

}  // namespace

json StateJson(ScriptRunner &runner) {
    Workbench &bench = runner.bench();
    json slots = json::array();
    for (int slot = 0; slot < kSlots; ++slot) {
        const LedgerSlot &held = bench.ledger().slots[static_cast<size_t>(slot)];
        json button = nullptr;
        try {
            button = bench.ButtonDown(kSlotLabels[slot]);
        } catch (const ActionError &) {
            // No window shows the button: the page draws none.
        }
        slots.push_back({{"label", kSlotLabels[slot]},
                         {"armed", held.armed},
                         {"axes", AxesText(held.mask)},
                         {"pins", held.PinCount()},
                         {"objects", held.pins.size()},
                         {"down", button}});
    }
    json lastDraw = nullptr;
    if (const auto &draw = bench.lastDraw()) {
        lastDraw = {{"written", draw->written},
                    {"movedBack", draw->movedBack},
                    {"farthest", draw->largestMove},
                    {"disagreements", ViolationsJson(draw->disagreements)}};
    }
    // The state goes out with every answer: only the latest questions and violations go
    // with it, and how many there were in all, so that it does not grow with the session.
    const auto &asked = bench.widgets().questions;
    json questions = json::array();
    for (size_t number = asked.Added() - std::min(asked.size(), kStateLatest); number < asked.Added(); ++number) {
        const Question &question = *asked.Numbered(number);
        questions.push_back({{"message", stelmarin::WideToUtf8(question.message)},
                             {"title", stelmarin::WideToUtf8(question.title)},
                             {"answer", question.answer}});
    }
    const auto &found = bench.violations();
    json violations = json::array();
    for (size_t number = found.Added() - std::min(found.size(), kStateLatest); number < found.Added(); ++number) {
        violations.push_back(ViolationJson(*found.Numbered(number)));
    }
    // Names are the bytes their file held; a page reads UTF-8 (utf8_text.h).
    json objects = json::array();
    const Document &document = bench.document();
    for (int index = 0; index < document.ObjectCount(); ++index) {
        const Object *object = document.ObjectAt(index);
        if (object == nullptr) continue;
        const auto &vertices = object->vertices();
        const auto live = std::count_if(vertices.begin(), vertices.end(), [](const Vertex &v) { return !v.deleted; });
        const auto selected =
            std::count_if(vertices.begin(), vertices.end(), [](const Vertex &v) { return v.selected; });
        objects.push_back({{"index", index},
                           {"name", ValidUtf8(object->name())},
                           {"vertices", live},
                           {"faces", object->faces().size()},
                           {"selected", selected},
                           {"visible", object->visible},
                           {"exempt", object->exempt},
                           {"current", index == document.currentObject}});
    }
    // The same account the reports give of why armed slots' pins are not held.
    json reasons = json::array();
    for (const ReportFacts::NotHeld &reason : WhyPinsNotHeld(bench)) {
        reasons.push_back({{"id", reason.id}, {"text", reason.text}});
    }
    const ReportFacts::CentreLine centre = bench.MeasureCentreLine();
    return {{"initialized", runner.pending().initialized},
            {"activated", bench.activated()},
            {"slots", std::move(slots)},
            {"pinsHeld", {{"held", reasons.empty()}, {"reasons", std::move(reasons)}}},
            {"centreLine", {{"largestX", centre.largestX}, {"vertices", centre.vertices}}},
            {"lastDraw", std::move(lastDraw)},
            {"windows", WindowsJson(bench.widgets())},
            {"openDialog", bench.widgets().OpenDialog()},
            {"questions", std::move(questions)},
            {"questionsAsked", asked.Added()},
            {"objects", std::move(objects)},
            {"violations", std::move(violations)},
            {"violationsFound", found.Added()}};
}

// ---- the meshes ----

json MeshJson(Workbench &bench, BinaryBody &body) {
    const Document &document = bench.document();
    json objects = json::array();
    for (int index = 0; index < document.ObjectCount(); ++index) {
        const Object *object = document.ObjectAt(index);
        if (object == nullptr) continue;
        std::vector<int32_t> starts{0};
        std::vector<int32_t> corners;
        for (std::span<const int> face : object->faces()) {
            corners.insert(corners.end(), face.begin(), face.end());
            starts.push_back(static_cast<int32_t>(corners.size()));
        }
        std::vector<int32_t> deleted;
        for (int v = 0; v < object->VertexCount(); ++v) {
            if (object->vertex(v).deleted) deleted.push_back(v);
        }
        const std::span<const MQPoint> positions = object->positions();
        const size_t at = body.Size();
        body.Add(positions.data(), positions.size_bytes());
        objects.push_back({{"index", index},
                           {"name", ValidUtf8(object->name())},
                           {"visible", object->visible},
                           {"vertexCount", object->VertexCount()},
                           {"positions", body.ReferenceFrom(at)},
                           {"faceStarts", body.Indices(std::move(starts))},
                           {"corners", body.Indices(std::move(corners))},
                           {"deleted", body.Indices(std::move(deleted))}});
    }
    return {{"objects", std::move(objects)},
            {"selected", SelectedJson(document, body)},
            {"pins", AllPinsJson(bench, body)},
            {"movedBack", MovedBackJson(bench, body)}};
}

// ---- changes ----

MeshSnapshot TakeSnapshot(Workbench &bench) {
    MeshSnapshot snapshot;
    const Document &document = bench.document();
    for (int index = 0; index < document.ObjectCount(); ++index) {
        MeshSnapshot::Entry entry;
        if (const Object *object = document.ObjectAt(index)) {
            entry.uniqueID = object->uniqueID();
            entry.topology = object->topologyVersion();
            entry.name = object->name();
            entry.positions.assign(object->positions().begin(), object->positions().end());
            entry.selected = SelectedOf(*object);
        }
        snapshot.objects.push_back(std::move(entry));
    }
    for (size_t slot = 0; slot < kSlots; ++slot) snapshot.pins[slot] = bench.ledger().slots[slot].pins;
    return snapshot;
}

json ChangesSince(const MeshSnapshot &before, Workbench &bench, bool drew, BinaryBody &body) {
    const Document &document = bench.document();
    bool topology = static_cast<int>(before.objects.size()) != document.ObjectCount();
    for (size_t index = 0; !topology && index < before.objects.size(); ++index) {
        const MeshSnapshot::Entry &was = before.objects[index];
        const Object *object = document.ObjectAt(static_cast<int>(index));
        topology =
            (object == nullptr) != (was.uniqueID == 0) ||
            (object != nullptr && (object->uniqueID() != was.uniqueID || object->topologyVersion() != was.topology ||
                                   object->name() != was.name || object->positions().size() != was.positions.size()));
    }
    // With the topology changed the page fetches the meshes again: no positions go with it.
    json changed = json::array();
    for (size_t index = 0; !topology && index < before.objects.size(); ++index) {
        const MeshSnapshot::Entry &was = before.objects[index];
        const Object *object = document.ObjectAt(static_cast<int>(index));
        if (object == nullptr) continue;
        // Runs of consecutive changed indices: a brush changes whole regions, so runs are
        // few and cost less than an index each. Each run's positions go in the body as the
        // document holds them, copied only when the body is written.
        json runs = json::array();
        const size_t at = body.Size();
        const std::span<const MQPoint> positions = object->positions();
        for (size_t v = 0; v < positions.size();) {
            if (SamePlace(positions[v], was.positions[v])) {
                ++v;
                continue;
            }
            const size_t first = v;
            while (v < positions.size() && !SamePlace(positions[v], was.positions[v])) ++v;
            runs.push_back({first, v - first});
            body.Add(&positions[first], (v - first) * sizeof(MQPoint));
        }
        if (runs.empty()) continue;
        changed.push_back({{"object", index},
                           {"count", (body.Size() - at) / sizeof(MQPoint)},
                           {"runs", std::move(runs)},
                           {"positions", body.ReferenceFrom(at)}});
    }
    json changes = {{"topology", topology}, {"changed", std::move(changed)}};
    bool pinsChanged = topology;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        pinsChanged = pinsChanged || !SamePins(before.pins[slot], bench.ledger().slots[slot].pins);
    }
    if (pinsChanged) changes["pins"] = AllPinsJson(bench, body);
    bool selectionChanged = topology;
    for (size_t index = 0; !selectionChanged && index < before.objects.size(); ++index) {
        const Object *object = document.ObjectAt(static_cast<int>(index));
        selectionChanged = object != nullptr && SelectedOf(*object) != before.objects[index].selected;
    }
    if (selectionChanged) changes["selected"] = SelectedJson(document, body);
    if (drew) changes["movedBack"] = MovedBackJson(bench, body);
    return changes;
}

}  // namespace simhost
