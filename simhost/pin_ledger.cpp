#include "simhost/pin_ledger.h"

#include <cmath>
#include <cstdio>

namespace simhost {

namespace {

bool InUse(const Vertex &vertex) { return !vertex.deleted && vertex.refCount > 0; }

std::string Describe(const Document &document, std::pair<int, int> key, MQPoint at, MQPoint want) {
    const Object *object = document.ObjectFromUniqueID(key.first);
    char text[256];
    std::snprintf(text, sizeof text, "vertex %d of \"%s\" is at (%g, %g, %g), the slots say (%g, %g, %g)",
                  object != nullptr ? object->IndexFromUniqueID(key.second) : -1,
                  object != nullptr ? object->name().c_str() : "?", static_cast<double>(at.x),
                  static_cast<double>(at.y), static_cast<double>(at.z), static_cast<double>(want.x),
                  static_cast<double>(want.y), static_cast<double>(want.z));
    return text;
}

bool Same(MQPoint a, MQPoint b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

}  // namespace

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
        auto &recorded = target.pins[current->uniqueID()];
        for (const Vertex &vertex : current->vertices()) {
            if (InUse(vertex) && vertex.selected) recorded.emplace(vertex.uniqueID, vertex.position);
        }
        target.armed = true;
        result.buttonDown = 1;
        return result;
    }
    if (slot == 0) {
        target.pins.clear();
        for (int i = 0; i < document.ObjectCount(); ++i) {
            const Object *object = document.ObjectAt(i);
            if (object == nullptr || !object->visible) continue;
            auto &recorded = target.pins[object->uniqueID()];
            for (const Vertex &vertex : object->vertices()) {
                if (InUse(vertex) && std::fabs(vertex.position.x) < kCentreLineTolerance) {
                    recorded.emplace(vertex.uniqueID, vertex.position);
                }
            }
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

std::map<std::pair<int, int>, MQPoint> PinLedger::Expected(const Document &document) const {
    std::map<std::pair<int, int>, MQPoint> expected;
    for (const LedgerSlot &slot : slots) {
        if (!slot.armed) continue;
        for (const auto &[objectID, vertices] : slot.pins) {
            const Object *object = document.ObjectFromUniqueID(objectID);
            if (object == nullptr || !object->visible || object->exempt) continue;
            for (const auto &[vertexID, recorded] : vertices) {
                const int index = object->IndexFromUniqueID(vertexID);
                if (index < 0) continue;
                auto [at, added] = expected.try_emplace({objectID, vertexID}, object->vertex(index).position);
                MQPoint &p = at->second;
                if (slot.mask & kMaskX) p.x = recorded.x;
                if (slot.mask & kMaskY) p.y = recorded.y;
                if (slot.mask & kMaskZ) p.z = recorded.z;
            }
        }
    }
    return expected;
}

std::map<std::pair<int, int>, MQPoint> Positions(const Document &document) {
    std::map<std::pair<int, int>, MQPoint> positions;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const Object *object = document.ObjectAt(i);
        if (object == nullptr) continue;
        for (const Vertex &vertex : object->vertices()) {
            if (!vertex.deleted) positions.emplace(std::pair{object->uniqueID(), vertex.uniqueID}, vertex.position);
        }
    }
    return positions;
}

DrawOutcome CompareDraw(const Document &document, const std::map<std::pair<int, int>, MQPoint> &before,
                        const std::map<std::pair<int, int>, MQPoint> &expected, bool active) {
    DrawOutcome outcome;
    int wrong = 0;
    for (const auto &[key, now] : Positions(document)) {
        const auto was = before.find(key);
        if (was == before.end()) continue;
        if (!Same(now, was->second)) {
            ++outcome.movedBack;
            outcome.moved.push_back(key);
            const double dx = now.x - was->second.x, dy = now.y - was->second.y, dz = now.z - was->second.z;
            outcome.largestMove = std::fmax(outcome.largestMove, std::sqrt(dx * dx + dy * dy + dz * dz));
        }
        const auto want = active ? expected.find(key) : expected.end();
        const MQPoint target = want != expected.end() ? want->second : was->second;
        if (!Same(now, target) && ++wrong <= 5) outcome.disagreements.push_back(Describe(document, key, now, target));
    }
    if (wrong > 5) outcome.disagreements.push_back("and " + std::to_string(wrong - 5) + " more vertices");
    return outcome;
}

std::string AxesText(int32_t mask) {
    std::string text;
    if (mask & kMaskX) text += 'X';
    if (mask & kMaskY) text += 'Y';
    if (mask & kMaskZ) text += 'Z';
    return text.empty() ? "none" : text;
}

}  // namespace simhost
