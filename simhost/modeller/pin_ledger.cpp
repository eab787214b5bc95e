// The ledger's rules and the check of each draw against them.
//
// Sections:
//   gathering pins             Collect, AddKeeping: what a capture records
//   walking a draw             ArmedPins, Walk: write record, placed and pinned side by side
//   one vertex's verdict       Tally; Fixed, OnPin and Facts stand earlier, before the walk
//   the common case, fast      CheckUnwritten, CheckWrittenAndPinned: pins compared in blocks
//   the ledger                 LeftClick, ClearAll, Place
//   checking a draw            CheckDraw, PositionsOnRecord
#include "simhost/modeller/pin_ledger.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <span>

namespace simhost {

namespace {

static_assert(sizeof(MQPoint) == 3 * sizeof(float), "positions compare as blocks of bytes");

bool InUse(const Vertex &vertex) { return !vertex.deleted && vertex.refCount > 0; }

bool ByObject(const ObjectPositions &entry, int objectID) { return entry.objectID < objectID; }

std::string Describe(const Object &object, int index, MQPoint at, MQPoint want) {
    char text[256];
    std::snprintf(text, sizeof text, "vertex %d of \"%s\" is at (%g, %g, %g), the slots say (%g, %g, %g)", index,
                  object.name().c_str(), static_cast<double>(at.x), static_cast<double>(at.y),
                  static_cast<double>(at.z), static_cast<double>(want.x), static_cast<double>(want.y),
                  static_cast<double>(want.z));
    return text;
}

// ---- gathering pins ----

// The vertices of an object that `keep` accepts, at their present positions. An object's
// vertices stand in rising unique ID, so the result is in order as it comes.
template <class Keep>
ObjectPositions Collect(const Object &object, Keep keep) {
    size_t accepted = 0;
    for (int i = 0; i < object.VertexCount(); ++i) accepted += keep(object.vertex(i), object.position(i)) ? 1 : 0;
    ObjectPositions found;
    found.objectID = object.uniqueID();
    found.vertexIDs.reserve(accepted);
    found.positions.reserve(accepted);
    for (int i = 0; i < object.VertexCount(); ++i) {
        if (keep(object.vertex(i), object.position(i))) found.Add(object.vertex(i).uniqueID, object.position(i));
    }
    return found;
}

// Adds `added` to `kept`; where both hold a vertex, `kept`'s position stays.
void AddKeeping(ObjectPositions &kept, ObjectPositions added) {
    if (kept.empty()) {
        kept.vertexIDs = std::move(added.vertexIDs);
        kept.positions = std::move(added.positions);
        return;
    }
    const std::vector<int> &a = kept.vertexIDs, &b = added.vertexIDs;
    size_t count = a.size() + b.size();
    for (size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        if (a[i] == b[j]) --count;
        if (a[i] <= b[j])
            ++i;
        else
            ++j;
    }
    ObjectPositions merged;
    merged.vertexIDs.reserve(count);
    merged.positions.reserve(count);
    size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && a[i] <= b[j])) {
            if (j < b.size() && a[i] == b[j]) ++j;
            merged.Add(a[i], kept.positions[i]);
            ++i;
        } else {
            merged.Add(b[j], added.positions[j]);
            ++j;
        }
    }
    kept.vertexIDs = std::move(merged.vertexIDs);
    kept.positions = std::move(merged.positions);
}

// `at` with the axes of `mask` taken from `recorded`.
MQPoint Fixed(MQPoint at, int32_t mask, MQPoint recorded) {
    if (mask & kMaskX) at.x = recorded.x;
    if (mask & kMaskY) at.y = recorded.y;
    if (mask & kMaskZ) at.z = recorded.z;
    return at;
}

// Whether `at` has the coordinates of `recorded` on the axes of `mask`.
bool OnPin(const MQPoint &at, int32_t mask, const MQPoint &recorded) {
    return ((mask & kMaskX) == 0 || SameCoordinate(at.x, recorded.x)) &&
           ((mask & kMaskY) == 0 || SameCoordinate(at.y, recorded.y)) &&
           ((mask & kMaskZ) == 0 || SameCoordinate(at.z, recorded.z));
}

// What a check knows of one vertex of an object.
struct Facts {
    int vertexID = 0;
    const MQPoint *was = nullptr;     // before the write that moved it, when on the record
    const MQPoint *placed = nullptr;  // where the vertex stood, as the caller says
    int32_t fixed = 0;                // axes the armed slots fix
    MQPoint pinned{};                 // and their values there

    MQPoint Before(MQPoint now) const { return placed != nullptr ? *placed : was != nullptr ? *was : now; }
    MQPoint Target(MQPoint before) const { return Fixed(before, fixed, pinned); }
};

// ---- walking a draw ----

// Vertices of one object by ID and their positions, in rising ID: a stretch of an
// ObjectPositions.
struct PositionRun {
    std::span<const int> ids;
    std::span<const MQPoint> positions;

    PositionRun() = default;
    explicit PositionRun(const ObjectPositions &all) : ids(all.vertexIDs), positions(all.positions) {}
    PositionRun(std::span<const int> i, std::span<const MQPoint> p) : ids(i), positions(p) {}
    size_t size() const { return ids.size(); }
    PositionRun Part(size_t from, size_t count) const {
        return {ids.subspan(from, count), positions.subspan(from, count)};
    }
};

// The pins that the armed slots of a ledger hold on one object, slot by slot in order.
struct SlotPins {
    PositionRun pins;
    int32_t mask = 0;
};

// The pins that the ledger's armed slots hold on `object`, when a draw writes them back.
std::vector<SlotPins> ArmedPins(const PinLedger &ledger, const Object &object, bool active) {
    std::vector<SlotPins> armed;
    if (!active || !object.visible || object.exempt) return armed;
    for (const LedgerSlot &slot : ledger.slots) {
        if (!slot.armed) continue;
        const ObjectPositions *entry = FindObject(slot.pins, object.uniqueID());
        if (entry != nullptr && !entry->empty()) armed.push_back({PositionRun(*entry), slot.mask});
    }
    return armed;
}

// The union of an object's vertices on the write record, placed and pinned, in rising
// unique ID, all walked side by side in one pass.
class Walk {
public:
    Walk(const Object &object, const PositionSet &placed, std::vector<SlotPins> slots) : slots_(std::move(slots)) {
        if (object.HasWrites()) writes_ = object.WritesByID();
        if (const ObjectPositions *entry = FindObject(placed, object.uniqueID())) placed_ = PositionRun(*entry);
    }

    // The next vertex, or false at the end.
    bool Next(Facts &facts) {
        int id = INT_MAX;
        if (w_ < writes_.size()) id = std::min(id, writes_[w_].uniqueID);
        if (p_ < placed_.size()) id = std::min(id, placed_.ids[p_]);
        for (size_t s = 0; s < slots_.size(); ++s) {
            if (at_[s] < slots_[s].pins.size()) id = std::min(id, slots_[s].pins.ids[at_[s]]);
        }
        if (id == INT_MAX) return false;
        facts = Facts{};
        facts.vertexID = id;
        if (w_ < writes_.size() && writes_[w_].uniqueID == id) facts.was = &writes_[w_++].was;
        if (p_ < placed_.size() && placed_.ids[p_] == id) facts.placed = &placed_.positions[p_++];
        for (size_t s = 0; s < slots_.size(); ++s) {
            const PositionRun &pins = slots_[s].pins;
            if (at_[s] == pins.size() || pins.ids[at_[s]] != id) continue;
            const MQPoint &recorded = pins.positions[at_[s]++];
            facts.pinned = Fixed(facts.pinned, slots_[s].mask, recorded);
            facts.fixed |= slots_[s].mask;
        }
        return true;
    }

private:
    std::vector<SlotPins> slots_;
    std::span<const Object::Write> writes_;
    PositionRun placed_;
    size_t w_ = 0, p_ = 0;
    std::array<size_t, kSlots> at_{};
};

// ---- one vertex's verdict ----

// What a check finds, vertex by vertex.
class Tally {
public:
    // A present vertex: where it is, where it was before the draw, where the slots want it,
    // and whether an armed slot pins it. Nearly every vertex is where it should be and
    // stays on this short path.
    void Vertex(const Object &object, int index, int vertexID, const MQPoint &now, const MQPoint &was,
                const MQPoint &target, bool pinned) {
        if (!SamePlace(now, was) || !SamePlace(now, target)) Note(object, index, vertexID, now, was, target, pinned);
    }
    // A vertex on the write record that no armed slot holds: it must be back where it was.
    void Unpinned(const Object &object, const Object::Write &write) {
        const int index = object.IndexFromUniqueID(write.uniqueID);
        if (index >= 0) Vertex(object, index, write.uniqueID, object.position(index), write.was, write.was, false);
    }
    DrawOutcome Outcome() && {
        for (const auto &[check, more] : {std::pair{Check::PinnedVertexNotRestored, morePinned_},
                                          std::pair{Check::UnpinnedVertexMoved, moreUnpinned_}}) {
            if (more > 0) outcome_.disagreements.push_back({check, "and " + std::to_string(more) + " more vertices"});
        }
        return std::move(outcome_);
    }

private:
    // Out of line, so that the loops that call Vertex stay small.
    [[gnu::noinline]] void Note(const Object &object, int index, int vertexID, const MQPoint &now, const MQPoint &was,
                                const MQPoint &target, bool pinned) {
        if (!SamePlace(now, was)) {
            ++outcome_.movedBack;
            outcome_.moved.emplace_back(object.uniqueID(), vertexID);
            const double dx = now.x - was.x, dy = now.y - was.y, dz = now.z - was.z;
            outcome_.largestMove = std::fmax(outcome_.largestMove, std::sqrt(dx * dx + dy * dy + dz * dz));
        }
        if (SamePlace(now, target)) return;
        const Check check = pinned ? Check::PinnedVertexNotRestored : Check::UnpinnedVertexMoved;
        if (++wrong_ <= kDescribed) {
            outcome_.disagreements.push_back({check, Describe(object, index, now, target)});
        } else {
            ++(pinned ? morePinned_ : moreUnpinned_);
        }
    }

    // Past this many, a check counts the vertices it finds wrong, by kind.
    static constexpr int kDescribed = 5;
    DrawOutcome outcome_;
    int wrong_ = 0;
    int morePinned_ = 0;
    int moreUnpinned_ = 0;
};

// ---- the common case, fast ----

// Pins of one slot that the draw wrote nothing to, one by one: each vertex must still be
// on its pin.
void CheckUnwrittenEach(const Object &object, const PositionRun &pins, int32_t mask, Tally &tally) {
    for (size_t k = 0; k < pins.size(); ++k) {
        const int index = object.IndexFromUniqueID(pins.ids[k]);
        if (index < 0) continue;
        const MQPoint &now = object.position(index);
        const MQPoint &pin = pins.positions[k];
        if (!OnPin(now, mask, pin)) tally.Vertex(object, index, pins.ids[k], now, now, Fixed(now, mask, pin), true);
    }
}

// How many of `ids`, from the first on, are consecutive IDs of vertices at consecutive
// indices from `index`, the first one's. The IDs and the index table are read in order,
// in blocks without an early way out, which the compiler turns into wide comparisons.
size_t ConsecutiveRun(std::span<const int> ids, std::span<const int> indexByID, int index) {
    const auto first = static_cast<unsigned>(ids[0]);
    const auto from = static_cast<unsigned>(index);
    const size_t limit = std::min(ids.size(), indexByID.size() - first);
    const int *table = indexByID.data() + first;
    constexpr size_t kBlock = 64;
    size_t at = 1;
    for (; at + kBlock <= limit; at += kBlock) {
        const int *idsHere = ids.data() + at;
        const int *tableHere = table + at;
        const auto step = static_cast<unsigned>(at);
        unsigned off = 0;
        for (unsigned i = 0; i < kBlock; ++i) {
            off |= (static_cast<unsigned>(idsHere[i]) - first - step - i) |
                   (static_cast<unsigned>(tableHere[i]) - from - step - i);
        }
        if (off != 0) break;
    }
    while (at < limit && static_cast<unsigned>(ids[at]) == first + at &&
           static_cast<unsigned>(table[at]) == from + at) {
        ++at;
    }
    return at;
}

// Pins of one slot that the draw wrote nothing to. Each stretch of pins at consecutive
// vertex indices is compared with the object's positions as one block of bytes; bytes
// that agree are positions that agree (SamePlace), so such a stretch is settled. A stretch
// that differs anywhere may still be on its pins, as -0 is where +0 is, or as a slot that
// fixes some axes lets the others go, so it is checked pin by pin, which reports what it
// finds in order. Such a slot's vertices are off their pins on a free axis as a rule, so
// for it the block comparison would only add to the work.
void CheckUnwritten(const Object &object, const PositionRun &pins, int32_t mask, Tally &tally) {
    if (mask != kMaskAll) return CheckUnwrittenEach(object, pins, mask, tally);
    // Short enough that a stretch checked pin by pin stays in the nearest cache, long
    // enough that a block comparison's call costs nothing beside it.
    constexpr size_t kStretch = 1024;
    constexpr size_t kWorthABlock = 8;
    const std::span<const MQPoint> positions = object.positions();
    for (size_t k = 0; k < pins.size();) {
        const int index = object.IndexFromUniqueID(pins.ids[k]);
        size_t run = 1;
        if (index >= 0) {
            run = ConsecutiveRun(pins.ids.subspan(k, std::min(kStretch, pins.size() - k)), object.indicesByID(), index);
            if (run >= kWorthABlock &&
                std::memcmp(pins.positions.data() + k, positions.data() + index, run * sizeof(MQPoint)) == 0) {
                k += run;
                continue;
            }
        }
        CheckUnwrittenEach(object, pins.Part(k, run), mask, tally);
        k += run;
    }
}

// The first of `ids` from `from` on that is not below `id`, looked for near `from` first.
size_t FirstNotBelow(std::span<const int> ids, size_t from, int id) {
    size_t probe = from;
    for (size_t step = 1; probe < ids.size() && ids[probe] < id; step *= 2) {
        from = probe + 1;
        probe += step;
    }
    const auto begin = ids.begin() + static_cast<std::ptrdiff_t>(from);
    const auto end = ids.begin() + static_cast<std::ptrdiff_t>(std::min(probe, ids.size()));
    return static_cast<size_t>(std::lower_bound(begin, end, id) - ids.begin());
}

// The check of an object that nothing was placed on and one armed slot at most pins, as
// nearly every draw leaves it: its write record and its pins side by side.
void CheckWrittenAndPinned(const Object &object, std::span<const Object::Write> writes, const SlotPins *slot,
                           Tally &tally) {
    size_t w = 0;
    if (slot != nullptr) {
        const PositionRun pins = slot->pins;
        const int32_t mask = slot->mask;
        for (size_t p = 0; p < pins.size();) {
            for (; w < writes.size() && writes[w].uniqueID < pins.ids[p]; ++w) tally.Unpinned(object, writes[w]);
            if (w < writes.size() && writes[w].uniqueID == pins.ids[p]) {
                const int index = object.IndexFromUniqueID(pins.ids[p]);
                if (index >= 0) {
                    const MQPoint &was = writes[w].was;
                    tally.Vertex(object, index, pins.ids[p], object.position(index), was,
                                 Fixed(was, mask, pins.positions[p]), true);
                }
                ++w;
                ++p;
                continue;
            }
            // The pins up to the next write on record, which nearly always are all of them.
            const size_t unwritten = w < writes.size() ? FirstNotBelow(pins.ids, p, writes[w].uniqueID) : pins.size();
            CheckUnwritten(object, pins.Part(p, unwritten - p), mask, tally);
            p = unwritten;
        }
    }
    for (; w < writes.size(); ++w) tally.Unpinned(object, writes[w]);
}

}  // namespace

// ---- the ledger ----

const ObjectPositions *FindObject(const PositionSet &set, int objectID) {
    const auto found = std::lower_bound(set.begin(), set.end(), objectID, ByObject);
    return found != set.end() && found->objectID == objectID ? &*found : nullptr;
}

ObjectPositions &FindOrAddObject(PositionSet &set, int objectID) {
    const auto found = std::lower_bound(set.begin(), set.end(), objectID, ByObject);
    if (found != set.end() && found->objectID == objectID) return *found;
    ObjectPositions added;
    added.objectID = objectID;
    return *set.insert(found, std::move(added));
}

size_t LedgerSlot::PinCount() const {
    size_t count = 0;
    for (const ObjectPositions &entry : pins) count += entry.size();
    return count;
}

PinLedger::PinLedger() { slots[0].mask = kMaskX; }

PinLedger::ClickResult PinLedger::LeftClick(int slot, bool ctrl, bool shift, bool buttonWasDown, bool activated,
                                            bool asked, bool confirmed, const Document &document) {
    LedgerSlot &target = slots[static_cast<size_t>(slot)];
    ClickResult result;
    if (slot == 0 && (ctrl || shift)) {
        target.mask = ctrl ? kMaskAll : kMaskX;
        return result;
    }
    if (ctrl || shift) {
        result.expectedQuestion = !target.pins.empty();
        if (asked && !confirmed) return result;
        if (shift && !ctrl) {
            target.pins.clear();
            target.armed = false;
            result.buttonDown = 0;
            return result;
        }
        if (!activated) {
            result.buttonDown = 0;
            return result;
        }
        const Object *current = document.ObjectAt(document.currentObject);
        if (current == nullptr) {
            result.buttonDown = target.armed ? 1 : 0;
            return result;
        }
        AddKeeping(
            FindOrAddObject(target.pins, current->uniqueID()),
            Collect(*current, [](const Vertex &vertex, const MQPoint &) { return InUse(vertex) && vertex.selected; }));
        target.armed = true;
        result.buttonDown = 1;
        return result;
    }
    if (slot == 0) {
        target.pins.clear();
        for (int i = 0; i < document.ObjectCount(); ++i) {
            const Object *object = document.ObjectAt(i);
            if (object == nullptr || !object->visible) continue;
            FindOrAddObject(target.pins, object->uniqueID()) =
                Collect(*object, [](const Vertex &vertex, const MQPoint &position) {
                    return InUse(vertex) && std::fabs(position.x) < kCentreLineTolerance;
                });
        }
    }
    target.armed = !buttonWasDown && !target.pins.empty();
    result.buttonDown = target.armed ? 1 : 0;
    return result;
}

void PinLedger::ClearAll() {
    for (LedgerSlot &slot : slots) {
        slot.pins.clear();
        slot.armed = false;
    }
}

void PinLedger::Place(const Document &document, PositionSet &placed) const {
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const Object *object = document.ObjectAt(i);
        if (object == nullptr) continue;
        const std::vector<SlotPins> armed = ArmedPins(*this, *object, true);
        if (armed.empty()) continue;
        ObjectPositions after;
        after.objectID = object->uniqueID();
        Walk walk(*object, placed, armed);
        for (Facts facts; walk.Next(facts);) {
            const int index = object->IndexFromUniqueID(facts.vertexID);
            if (facts.fixed != 0 && index >= 0) {
                after.Add(facts.vertexID, facts.Target(facts.Before(object->position(index))));
            } else if (facts.placed != nullptr) {
                after.Add(facts.vertexID, *facts.placed);
            }
        }
        FindOrAddObject(placed, object->uniqueID()) = std::move(after);
    }
}

// ---- checking a draw ----

DrawOutcome CheckDraw(const Document &document, const PositionSet &placed, const PinLedger &ledger, bool active) {
    Tally tally;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const Object *object = document.ObjectAt(i);
        if (object == nullptr) continue;
        std::vector<SlotPins> armed = ArmedPins(ledger, *object, active);
        if (armed.size() <= 1 && FindObject(placed, object->uniqueID()) == nullptr) {
            std::span<const Object::Write> writes;
            if (object->HasWrites()) writes = object->WritesByID();
            CheckWrittenAndPinned(*object, writes, armed.empty() ? nullptr : &armed.front(), tally);
            continue;
        }
        Walk walk(*object, placed, std::move(armed));
        for (Facts facts; walk.Next(facts);) {
            const int index = object->IndexFromUniqueID(facts.vertexID);
            if (index < 0) continue;
            const MQPoint now = object->position(index);
            const MQPoint was = facts.Before(now);
            tally.Vertex(*object, index, facts.vertexID, now, was, facts.Target(was), facts.fixed != 0);
        }
    }
    return std::move(tally).Outcome();
}

PositionSet PositionsOnRecord(const Document &document) {
    PositionSet written;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const Object *object = document.ObjectAt(i);
        if (object == nullptr || !object->HasWrites()) continue;
        ObjectPositions &now = FindOrAddObject(written, object->uniqueID());
        for (const Object::Write &write : object->WritesByID()) {
            const int index = object->IndexFromUniqueID(write.uniqueID);
            if (index >= 0) now.Add(write.uniqueID, object->position(index));
        }
    }
    return written;
}

}  // namespace simhost
