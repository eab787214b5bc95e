#include "pinning/pin_store.h"

#include <algorithm>
#include <array>
#include <utility>

namespace stelmarin {

namespace {

bool ByID(const PinnedVertex &a, const PinnedVertex &b) { return a.uniqueID < b.uniqueID; }
bool SameID(const PinnedVertex &a, const PinnedVertex &b) { return a.uniqueID == b.uniqueID; }

// The ID as an unsigned key in the same order: negative IDs first.
uint32_t SortKey(int32_t uniqueID) { return static_cast<uint32_t>(uniqueID) ^ 0x8000'0000u; }

// Least significant byte first, each pass a stable counting sort, so that equal IDs keep
// their order and the first recorded stays first. A pass whose byte is the same in every
// key is skipped: IDs handed out in rising order rarely reach the top byte.
void RadixSortByID(std::vector<PinnedVertex> &pins) {
    constexpr size_t kPasses = 4;
    constexpr size_t kDigits = 256;
    std::array<std::array<size_t, kDigits>, kPasses> counts{};
    for (const PinnedVertex &pin : pins) {
        const uint32_t key = SortKey(pin.uniqueID);
        for (size_t pass = 0; pass < kPasses; ++pass) ++counts[pass][(key >> (8 * pass)) & 0xFFu];
    }
    std::vector<PinnedVertex> buffer(pins.size());
    const uint32_t firstKey = SortKey(pins.front().uniqueID);
    for (size_t pass = 0; pass < kPasses; ++pass) {
        const unsigned shift = 8 * static_cast<unsigned>(pass);
        std::array<size_t, kDigits> &next = counts[pass];
        if (next[(firstKey >> shift) & 0xFFu] == pins.size()) continue;
        size_t offset = 0;
        for (size_t &count : next) offset += std::exchange(count, offset);
        for (const PinnedVertex &pin : pins) buffer[next[(SortKey(pin.uniqueID) >> shift) & 0xFFu]++] = pin;
        pins.swap(buffer);
    }
}

// Sorts by ID and keeps the first of each run of equal IDs. A capture walks vertices in
// index order, and hosts mostly number vertices in that order, so a batch usually comes
// already rising and one look at it is all the work.
void SortUniqueByID(std::vector<PinnedVertex> &pins) {
    const auto stall = std::adjacent_find(pins.begin(), pins.end(), [](const PinnedVertex &a, const PinnedVertex &b) {
        return b.uniqueID <= a.uniqueID;
    });
    if (stall == pins.end()) return;
    if (!std::is_sorted(stall, pins.end(), ByID)) RadixSortByID(pins);
    pins.erase(std::unique(pins.begin(), pins.end(), SameID), pins.end());
}

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
    SortUniqueByID(batch);
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
