// Recording vertices into a slot, and arming or disarming it.
#pragma once

#include <bit>
#include <cstdint>

#include "host/host_abi.h"
#include "pinning/pin_store.h"

namespace stelmarin {

// A vertex belongs to the centre line when |X| is strictly below this, compared in single
// precision.
inline constexpr float kCentreLineTolerance = 0.001f;
static_assert(std::bit_cast<uint32_t>(kCentreLineTolerance) == 0x3A83126Fu);

// The plain click on a slot. For slot 0 the centre line is recorded afresh from every
// valid visible object of `doc`; slots 1 to 3 keep their contents. The slot is then armed
// when `on` is set and it holds at least one object. Returns the slot's armed flag.
bool SwitchSlot(PinStore &store, MQDocument doc, int slot, bool on);

// Records the selected vertices of the current object into selection slot `slot` (1 to
// 3), keeping every position recorded before, and arms it. Does nothing and answers
// false while the plug-in is not activated. Returns the slot's armed flag.
bool CaptureSelection(PinStore &store, bool activated, MQDocument doc, int slot);

}  // namespace stelmarin
