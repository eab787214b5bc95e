#include "pinning/enforcement.h"

#include "pinning/cmq_access.h"

namespace stelmarin {

namespace {

void EnforceObject(const cmq::CMQObject &object, const VertexPinMap &pins, AxisMask mask) {
    for (const PinnedVertex &pin : pins) {
        const int index = object.VertexIndexFromUniqueID(pin.uniqueID);
        // Only -1 means "gone", but no negative index is one to write to.
        if (index < 0) continue;
        MQPoint position = pin.position;
        if (mask != kAllAxes) {
            const MQPoint present = object.GetVertex(index);
            if ((mask & kAxisX) == 0) position.x = present.x;
            if ((mask & kAxisY) == 0) position.y = present.y;
            if ((mask & kAxisZ) == 0) position.z = present.z;
        }
        object.SetVertex(index, position);
    }
}

}  // namespace

void EnforcePins(const PinStore &store, bool activated, MQDocument doc) {
    if (!activated) return;
    const cmq::CMQDocument document(doc);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        if (!store.armed[s]) continue;
        for (const ObjectPinMap::Entry &entry : store.pins[s]) {
            const cmq::CMQObject object = document.GetObjectFromUniqueID(entry.objectID);
            if (object.handle() == nullptr || !object.IsVisible() || object.IsExempt()) continue;
            EnforceObject(object, entry.vertices, store.axisMask[s]);
        }
    }
}

}  // namespace stelmarin
