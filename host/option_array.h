// Reading option arrays: the (name, value) pairs with which the host passes event
// arguments, and which the plug-in builds for its own messages to the host.
#pragma once

#include <cstdint>

#include "host/host_abi.h"

namespace stelmarin {

// The value of the first pair whose name equals `name` byte for byte, or null when there is
// none or `options` is null. The array is the caller's and is only read.
void *FindOption(const MQOption *options, const char *name) noexcept;

// The integer that the named value points to, or `fallback` when the name is absent. A pair
// whose value pointer is null counts as absent: a malformed array never makes us read
// through a null pointer.
int32_t OptionInt(const MQOption *options, const char *name, int32_t fallback) noexcept;
float OptionFloat(const MQOption *options, const char *name, float fallback) noexcept;

// Where the host wants an integer answer written, or null when it asked for none.
int32_t *OptionIntTarget(const MQOption *options, const char *name) noexcept;

}  // namespace stelmarin
