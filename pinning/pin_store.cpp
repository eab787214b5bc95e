#include "pinning/pin_store.h"

#include <algorithm>

namespace stelmarin {

namespace {

bool ByID(const PinnedVertex &a, const PinnedVertex &b) { return a.uniqueID < b.uniqueID; }
bool SameID(const PinnedVertex &a, const PinnedVertex &b) { return a.uniqueID == b.uniqueID; }

}  // namespace

const MQPoint *VertexPinMap::Find(int32_t uniqueID) const {
    auto found = std::lower_bound(pins_.begin(), pins_.end(), PinnedVertex{uniqueID, {}}, ByID);
    return found != pins_.end() && found->uniqueID == uniqueID ? &found->position : nullptr;
}

bool VertexPinMap::Insert(int32_t uniqueID, MQPoint position) {
    const PinnedVertex pin{uniqueID, position};
    auto at = std::lower_bound(pins_.begin(), pins_.end(), pin, ByID);
    if (at != pins_.end() && at->uniqueID == uniqueID) return false;
    pins_.insert(at, pin);
    return true;
}

void VertexPinMap::InsertAll(std::vector<PinnedVertex> batch) {
    if (batch.empty()) return;
    std::stable_sort(batch.begin(), batch.end(), ByID);
    batch.erase(std::unique(batch.begin(), batch.end(), SameID), batch.end());
    if (pins_.empty()) {
        pins_ = std::move(batch);
        pins_.shrink_to_fit();
        return;
    }
    // Earlier pins first, so that among equal IDs the one already recorded survives.
    std::vector<PinnedVertex> merged;
    merged.reserve(pins_.size() + batch.size());
    std::merge(pins_.begin(), pins_.end(), batch.begin(), batch.end(), std::back_inserter(merged), ByID);
    merged.erase(std::unique(merged.begin(), merged.end(), SameID), merged.end());
    merged.shrink_to_fit();
    pins_ = std::move(merged);
}

const VertexPinMap *ObjectPinMap::Find(int32_t objectID) const {
    for (const Entry &entry : entries_) {
        if (entry.objectID == objectID) return &entry.vertices;
    }
    return nullptr;
}

VertexPinMap &ObjectPinMap::FindOrAdd(int32_t objectID) {
    for (Entry &entry : entries_) {
        if (entry.objectID == objectID) return entry.vertices;
    }
    entries_.push_back({objectID, {}});
    return entries_.back().vertices;
}

size_t ObjectPinMap::PinCount() const {
    size_t count = 0;
    for (const Entry &entry : entries_) count += entry.vertices.size();
    return count;
}

size_t ObjectPinMap::MemoryBytes() const {
    size_t bytes = entries_.capacity() * sizeof(Entry);
    for (const Entry &entry : entries_) bytes += entry.vertices.MemoryBytes();
    return bytes;
}

PinStore::PinStore() {
    axisMask.fill(kAllAxes);
    axisMask[kCentreLineSlot] = kAxisX;
}

void PinStore::ClearSlot(int slot) {
    pins[static_cast<size_t>(slot)].clear();
    armed[static_cast<size_t>(slot)] = false;
}

}  // namespace stelmarin
