#include "pinning/capture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "pinning/cmq_access.h"

namespace stelmarin {

namespace {

bool OnCentreLine(float x) { return std::fabs(x) < kCentreLineTolerance; }

// Room for every vertex a walk that ends at `end` can visit, so that a batch of mostly
// recorded vertices is written in place and handed to the slot without regrowth or copy.
// The count is the host's, read for the walk's first comparison anyway; past the bound
// the batch grows as it goes, so that a count the host got wrong reserves no more than
// 16 MiB.
size_t RoomFor(const cmq::CMQVertexIterator &end) {
    constexpr int kMostReserved = 1 << 20;
    return static_cast<size_t>(std::clamp(end.index(), 0, kMostReserved));
}

// The centre line is gathered apart and put in place whole, and a selection's pins are
// added only after its walk: the walks call the host for every vertex, and nothing that
// happens meanwhile may find the slot half-built or be written through a stale entry.
void RecordCentreLine(ObjectPinMap &slot, MQDocument doc) {
    ObjectPinMap recorded;
    const cmq::CMQDocument document(doc);
    const int count = document.ObjectCount();
    for (int i = 0; i < count; ++i) {
        cmq::CMQObject object = document.GetObject(i);
        if (!object.IsValid() || !object.IsVisible()) continue;
        const int objectID = object.UniqueID();
        std::vector<PinnedVertex> batch;
        auto vertex = object.begin();
        auto end = object.end();
        batch.reserve(RoomFor(end));
        while (!(vertex == end)) {
            const int index = vertex.index();
            if (OnCentreLine(object.GetVertex(index).x)) {
                const int uniqueID = object.VertexUniqueID(index);
                batch.push_back({uniqueID, object.GetVertex(index)});
            }
            ++vertex;
            end = object.end();
        }
        recorded.FindOrAdd(objectID).InsertAll(std::move(batch));
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
    cmq::CMQVertexRecords records;
    auto vertex = object.begin();
    auto end = object.end();
    batch.reserve(RoomFor(end));
    while (!(vertex == end)) {
        if (vertex.Snapshot(records)->IsSelected()) {
            const int index = vertex.index();
            const int uniqueID = object.VertexUniqueID(index);
            batch.push_back({uniqueID, object.GetVertex(index)});
        }
        ++vertex;
        end = object.end();
    }
    store.pins[s].FindOrAdd(objectID).InsertAll(std::move(batch));
    store.armed[s] = store.ObjectCount(slot) > 0;
    return store.armed[s];
}

}  // namespace stelmarin
