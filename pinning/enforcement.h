// The draw pass: what makes pins hold.
#pragma once

#include "host/host_abi.h"
#include "pinning/pin_store.h"

namespace stelmarin {

// Writes every pinned vertex of every armed slot of `store` back into `doc`, slots in
// order 0 to 3: recorded coordinates on the axes of the slot's mask, present ones on the
// rest. Missing, hidden and exempt objects and vanished vertices are skipped. Makes no
// host call while the plug-in is not activated; never changes the store.
void EnforcePins(const PinStore &store, bool activated, MQDocument doc);

}  // namespace stelmarin
