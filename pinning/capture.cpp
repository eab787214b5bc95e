#include "pinning/capture.h"

#include <cmath>
#include <utility>
#include <vector>

#include "pinning/cmq_access.h"

namespace stelmarin {

namespace {

bool OnCentreLine(float x) { return std::fabs(x) < kCentreLineTolerance; }

// The centre line is gathered apart and put in place whole, and a selection's pins are
// added only after its walk: the walks call the host for every vertex, and nothing that
// happens meanwhile may find the slot half-built or be written through a stale entry.
void RecordCentreLine(ObjectPinMap &slot, MQDocument doc) {
    ObjectPinMap recorded;
    const cmq::CMQDocument document(doc);
    const int count = document.ObjectCount();
    std::vector<PinnedVertex> batch;
    for (int i = 0; i < count; ++i) {
        cmq::CMQObject object = document.GetObject(i);
        if (!object.IsValid() || !object.IsVisible()) continue;
        const int objectID = object.UniqueID();
        batch.clear();
        for (auto vertex = object.begin(); !(vertex == object.end()); ++vertex) {
            const int index = vertex.index();
            if (!OnCentreLine(object.GetVertex(index).x)) continue;
            const int uniqueID = object.VertexUniqueID(index);
            batch.push_back({uniqueID, object.GetVertex(index)});
        }
        recorded.FindOrAdd(objectID).InsertAll(batch);
    }
    slot = std::move(recorded);
}

}  // namespace

bool SwitchSlot(PinStore &store, MQDocument doc, int slot, bool on) {
    if (!PinStore::IsSlot(slot)) return false;
    if (slot == kCentreLineSlot) RecordCentreLine(store.pins[kCentreLineSlot], doc);
    const auto s = static_cast<size_t>(slot);
    store.armed[s] = on && store.ObjectCount(slot) > 0;
    return store.armed[s];
}

bool CaptureSelection(PinStore &store, bool activated, MQDocument doc, int slot) {
    if (!activated) return false;
    if (!PinStore::IsSlot(slot) || slot == kCentreLineSlot) return false;
    const auto s = static_cast<size_t>(slot);
    cmq::CMQObject object = cmq::CMQDocument(doc).GetCurrentObject();
    // With no current object there is nothing to record, and no handle to ask about.
    if (object.handle() == nullptr) return store.armed[s];
    const int objectID = object.UniqueID();
    std::vector<PinnedVertex> batch;
    for (auto vertex = object.begin(); !(vertex == object.end()); ++vertex) {
        if (!(*vertex)->IsSelected()) continue;
        const int index = vertex.index();
        const int uniqueID = object.VertexUniqueID(index);
        batch.push_back({uniqueID, object.GetVertex(index)});
    }
    store.pins[s].FindOrAdd(objectID).InsertAll(std::move(batch));
    store.armed[s] = store.ObjectCount(slot) > 0;
    return store.armed[s];
}

}  // namespace stelmarin
