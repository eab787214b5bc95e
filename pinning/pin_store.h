// The plug-in's memory of pinned vertices: four slots, each a set of vertices grouped by
// object with the position recorded for each, an armed flag and an axis mask. Keys are
// the host's unique IDs, never indices, so pins survive re-indexing; entries whose
// object or vertex has gone stay until their slot is cleared.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/host_abi.h"

namespace stelmarin {

// Bit 0 X, bit 1 Y, bit 2 Z; a set bit means the axis is restored on draw.
using AxisMask = int32_t;
inline constexpr AxisMask kAxisX = 1;
inline constexpr AxisMask kAxisY = 2;
inline constexpr AxisMask kAxisZ = 4;
inline constexpr AxisMask kAllAxes = 7;

inline constexpr int kSlotCount = 4;
inline constexpr int kCentreLineSlot = 0;

struct PinnedVertex {
    int32_t uniqueID;
    MQPoint position;
};
static_assert(sizeof(PinnedVertex) == 16);

// Vertex unique ID -> recorded position, unique keys. Kept as one array sorted by ID: the
// draw pass walks it front to back on every redraw, and a pin costs its 16 bytes and
// nothing more.
class VertexPinMap {
public:
    size_t size() const { return pins_.size(); }
    bool empty() const { return pins_.empty(); }
    auto begin() const { return pins_.begin(); }
    auto end() const { return pins_.end(); }
    // The recorded position, or null when the vertex is not pinned here.
    const MQPoint *Find(int32_t uniqueID) const;
    // Adds the pin unless the vertex is already pinned: a recorded position is never
    // replaced. Returns whether it was added.
    bool Insert(int32_t uniqueID, MQPoint position);
    // Adds many pins at once with the same rule; among repeats within `batch` the first
    // wins. Cheaper than one Insert per pin when a capture records thousands.
    void InsertAll(std::vector<PinnedVertex> batch);
    size_t MemoryBytes() const { return pins_.capacity() * sizeof(PinnedVertex); }

private:
    std::vector<PinnedVertex> pins_;
};

// Object unique ID -> its pinned vertices. An object is present once a capture visited
// it, even with no vertex recorded.
class ObjectPinMap {
public:
    struct Entry {
        int32_t objectID;
        VertexPinMap vertices;
    };

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    const VertexPinMap *Find(int32_t objectID) const;
    // The object's entry, added empty when it is not there yet.
    VertexPinMap &FindOrAdd(int32_t objectID);
    void clear() { entries_.clear(); }
    size_t PinCount() const;
    size_t MemoryBytes() const;

private:
    // Few objects per slot: a short array beats hashing, and its order is never visible.
    std::vector<Entry> entries_;
};

// The four slots. Slot 0 is the centre-line slot, slots 1 to 3 selection slots.
struct PinStore {
    PinStore();

    std::array<bool, kSlotCount> armed{};
    std::array<ObjectPinMap, kSlotCount> pins;
    std::array<AxisMask, kSlotCount> axisMask{};

    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }
    // Objects in the slot, those without any recorded vertex included.
    int ObjectCount(int slot) const { return static_cast<int>(pins[static_cast<size_t>(slot)].size()); }
    // Empties the slot and disarms it; its mask stays.
    void ClearSlot(int slot);
};

}  // namespace stelmarin
