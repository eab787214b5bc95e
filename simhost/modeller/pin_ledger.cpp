#include "simhost/modeller/pin_ledger.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <span>

namespace simhost {

namespace {

bool InUse(const Vertex &vertex) { return !vertex.deleted && vertex.refCount > 0; }

bool Same(const MQPoint &a, const MQPoint &b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

bool ByObject(const ObjectPositions &entry, int objectID) { return entry.objectID < objectID; }
bool ByVertex(const VertexAt &a, const VertexAt &b) { return a.vertexID < b.vertexID; }

std::string Describe(const Object &object, int index, MQPoint at, MQPoint want) {
    char text[256];
    std::snprintf(text, sizeof text, "vertex %d of \"%s\" is at (%g, %g, %g), the slots say (%g, %g, %g)", index,
                  object.name().c_str(), static_cast<double>(at.x), static_cast<double>(at.y),
                  static_cast<double>(at.z), static_cast<double>(want.x), static_cast<double>(want.y),
                  static_cast<double>(want.z));
    return text;
}

// The vertices of an object that `keep` accepts, at their present positions. An object's
// vertices stand in rising unique ID, so the result is in order as it comes.
template <class Keep>
std::vector<VertexAt> Collect(const Object &object, Keep keep) {
    const auto accepted = std::count_if(object.vertices().begin(), object.vertices().end(), keep);
    std::vector<VertexAt> found;
    found.reserve(static_cast<size_t>(accepted));
    for (const Vertex &vertex : object.vertices()) {
        if (keep(vertex)) found.push_back({vertex.uniqueID, vertex.position});
    }
    return found;
}

// Adds `added` to `kept`; where both hold a vertex, `kept`'s position stays.
void AddKeeping(std::vector<VertexAt> &kept, std::vector<VertexAt> added) {
    if (kept.empty()) {
        kept = std::move(added);
        return;
    }
    size_t count = kept.size() + added.size();
    for (auto k = kept.begin(), a = added.begin(); k != kept.end() && a != added.end();) {
        if (k->vertexID == a->vertexID) --count;
        if (k->vertexID <= a->vertexID)
            ++k;
        else
            ++a;
    }
    std::vector<VertexAt> merged;
    merged.reserve(count);
    std::set_union(kept.begin(), kept.end(), added.begin(), added.end(), std::back_inserter(merged), ByVertex);
    kept = std::move(merged);
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
    return ((mask & kMaskX) == 0 || at.x == recorded.x) && ((mask & kMaskY) == 0 || at.y == recorded.y) &&
           ((mask & kMaskZ) == 0 || at.z == recorded.z);
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

// The pins that the armed slots of a ledger hold on one object, slot by slot in order.
struct SlotPins {
    std::span<const VertexAt> pins;
    int32_t mask = 0;
};

// The pins that the ledger's armed slots hold on `object`, when a draw writes them back.
std::vector<SlotPins> ArmedPins(const PinLedger &ledger, const Object &object, bool active) {
    std::vector<SlotPins> armed;
    if (!active || !object.visible || object.exempt) return armed;
    for (const LedgerSlot &slot : ledger.slots) {
        if (!slot.armed) continue;
        const ObjectPositions *entry = FindObject(slot.pins, object.uniqueID());
        if (entry != nullptr && !entry->vertices.empty()) armed.push_back({entry->vertices, slot.mask});
    }
    return armed;
}

// The union of an object's vertices on the write record, placed and pinned, in rising
// unique ID, all walked side by side in one pass.
class Walk {
public:
    Walk(const Object &object, const PositionSet &placed, std::vector<SlotPins> slots) : slots_(std::move(slots)) {
        if (object.HasWrites()) writes_ = object.WritesByID();
        if (const ObjectPositions *entry = FindObject(placed, object.uniqueID())) placed_ = entry->vertices;
    }

    // The next vertex, or false at the end.
    bool Next(Facts &facts) {
        int id = INT_MAX;
        if (w_ < writes_.size()) id = std::min(id, writes_[w_].uniqueID);
        if (p_ < placed_.size()) id = std::min(id, placed_[p_].vertexID);
        for (size_t s = 0; s < slots_.size(); ++s) {
            if (at_[s] < slots_[s].pins.size()) id = std::min(id, slots_[s].pins[at_[s]].vertexID);
        }
        if (id == INT_MAX) return false;
        facts = Facts{};
        facts.vertexID = id;
        if (w_ < writes_.size() && writes_[w_].uniqueID == id) facts.was = &writes_[w_++].was;
        if (p_ < placed_.size() && placed_[p_].vertexID == id) facts.placed = &placed_[p_++].position;
        for (size_t s = 0; s < slots_.size(); ++s) {
            if (at_[s] == slots_[s].pins.size() || slots_[s].pins[at_[s]].vertexID != id) continue;
            const MQPoint &recorded = slots_[s].pins[at_[s]++].position;
            facts.pinned = Fixed(facts.pinned, slots_[s].mask, recorded);
            facts.fixed |= slots_[s].mask;
        }
        return true;
    }

private:
    std::vector<SlotPins> slots_;
    std::span<const Object::Write> writes_;
    std::span<const VertexAt> placed_;
    size_t w_ = 0, p_ = 0;
    std::array<size_t, kSlots> at_{};
};

// What a check finds, vertex by vertex.
class Tally {
public:
    // A present vertex: where it is, where it was before the draw, where the slots want it.
    // Nearly every vertex is where it should be and stays on this short path.
    void Vertex(const Object &object, int index, int vertexID, const MQPoint &now, const MQPoint &was,
                const MQPoint &target) {
        if (!Same(now, was) || !Same(now, target)) Note(object, index, vertexID, now, was, target);
    }
    // A vertex on the write record that no armed slot holds: it must be back where it was.
    void Unpinned(const Object &object, const Object::Write &write) {
        const int index = object.IndexFromUniqueID(write.uniqueID);
        if (index >= 0) Vertex(object, index, write.uniqueID, object.vertex(index).position, write.was, write.was);
    }
    DrawOutcome Outcome() && {
        if (wrong_ > 5) outcome_.disagreements.push_back("and " + std::to_string(wrong_ - 5) + " more vertices");
        return std::move(outcome_);
    }

private:
    // Out of line, so that the loops that call Vertex stay small.
    [[gnu::noinline]] void Note(const Object &object, int index, int vertexID, const MQPoint &now, const MQPoint &was,
                                const MQPoint &target) {
        if (!Same(now, was)) {
            ++outcome_.movedBack;
            outcome_.moved.emplace_back(object.uniqueID(), vertexID);
            const double dx = now.x - was.x, dy = now.y - was.y, dz = now.z - was.z;
            outcome_.largestMove = std::fmax(outcome_.largestMove, std::sqrt(dx * dx + dy * dy + dz * dz));
        }
        if (!Same(now, target) && ++wrong_ <= 5) outcome_.disagreements.push_back(Describe(object, index, now, target));
    }

    DrawOutcome outcome_;
    int wrong_ = 0;
};

// The check of an object that nothing was placed on and one armed slot at most pins, as
// nearly every draw leaves it: its write record and its pins side by side.
void CheckWrittenAndPinned(const Object &object, std::span<const Object::Write> writes, const SlotPins *slot,
                           Tally &tally) {
    size_t w = 0;
    if (slot != nullptr && writes.empty()) {
        // The draw moved nothing: each pinned vertex must be where it was, on its pin.
        const int32_t mask = slot->mask;
        for (const VertexAt &pin : slot->pins) {
            const int index = object.IndexFromUniqueID(pin.vertexID);
            if (index < 0) continue;
            const MQPoint &now = object.vertex(index).position;
            if (!OnPin(now, mask, pin.position)) {
                tally.Vertex(object, index, pin.vertexID, now, now, Fixed(now, mask, pin.position));
            }
        }
    } else if (slot != nullptr) {
        const int32_t mask = slot->mask;
        for (const VertexAt &pin : slot->pins) {
            for (; w < writes.size() && writes[w].uniqueID < pin.vertexID; ++w) tally.Unpinned(object, writes[w]);
            const bool written = w < writes.size() && writes[w].uniqueID == pin.vertexID;
            const int index = object.IndexFromUniqueID(pin.vertexID);
            if (index < 0) {
                if (written) ++w;
                continue;
            }
            const MQPoint &now = object.vertex(index).position;
            if (written) {
                const MQPoint &was = writes[w++].was;
                tally.Vertex(object, index, pin.vertexID, now, was, Fixed(was, mask, pin.position));
            } else if (!OnPin(now, mask, pin.position)) {
                tally.Vertex(object, index, pin.vertexID, now, now, Fixed(now, mask, pin.position));
            }
        }
    }
    for (; w < writes.size(); ++w) tally.Unpinned(object, writes[w]);
}

}  // namespace

const ObjectPositions *FindObject(const PositionSet &set, int objectID) {
    const auto found = std::lower_bound(set.begin(), set.end(), objectID, ByObject);
    return found != set.end() && found->objectID == objectID ? &*found : nullptr;
}

ObjectPositions &FindOrAddObject(PositionSet &set, int objectID) {
    const auto found = std::lower_bound(set.begin(), set.end(), objectID, ByObject);
    if (found != set.end() && found->objectID == objectID) return *found;
    return *set.insert(found, {objectID, {}});
}

size_t LedgerSlot::PinCount() const {
    size_t count = 0;
    for (const auto &[object, vertices] : pins) count += vertices.size();
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
        AddKeeping(FindOrAddObject(target.pins, current->uniqueID()).vertices,
                   Collect(*current, [](const Vertex &vertex) { return InUse(vertex) && vertex.selected; }));
        target.armed = true;
        result.buttonDown = 1;
        return result;
    }
    if (slot == 0) {
        target.pins.clear();
        for (int i = 0; i < document.ObjectCount(); ++i) {
            const Object *object = document.ObjectAt(i);
            if (object == nullptr || !object->visible) continue;
            FindOrAddObject(target.pins, object->uniqueID()).vertices = Collect(*object, [](const Vertex &vertex) {
                return InUse(vertex) && std::fabs(vertex.position.x) < kCentreLineTolerance;
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
        std::vector<VertexAt> after;
        Walk walk(*object, placed, armed);
        for (Facts facts; walk.Next(facts);) {
            const int index = object->IndexFromUniqueID(facts.vertexID);
            if (facts.fixed != 0 && index >= 0) {
                after.push_back({facts.vertexID, facts.Target(facts.Before(object->vertex(index).position))});
            } else if (facts.placed != nullptr) {
                after.push_back({facts.vertexID, *facts.placed});
            }
        }
        FindOrAddObject(placed, object->uniqueID()).vertices = std::move(after);
    }
}

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
            const MQPoint now = object->vertex(index).position;
            const MQPoint was = facts.Before(now);
            tally.Vertex(*object, index, facts.vertexID, now, was, facts.Target(was));
        }
    }
    return std::move(tally).Outcome();
}

PositionSet PositionsOnRecord(const Document &document) {
    PositionSet written;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const Object *object = document.ObjectAt(i);
        if (object == nullptr || !object->HasWrites()) continue;
        std::vector<VertexAt> &now = FindOrAddObject(written, object->uniqueID()).vertices;
        for (const Object::Write &write : object->WritesByID()) {
            const int index = object->IndexFromUniqueID(write.uniqueID);
            if (index >= 0) now.push_back({write.uniqueID, object->vertex(index).position});
        }
    }
    return written;
}

std::string AxesText(int32_t mask) {
    std::string text;
    if (mask & kMaskX) text += 'X';
    if (mask & kMaskY) text += 'Y';
    if (mask & kMaskZ) text += 'Z';
    return text.empty() ? "none" : text;
}

}  // namespace simhost
