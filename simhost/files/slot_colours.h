// The slots' colours, X0 first. The pictures draw each slot's pins in its colour, and the
// studio serves the same table to its page, so that a slot looks alike in both.
#pragma once

#include <array>

namespace simhost {

inline constexpr std::array<const char *, 4> kSlotColours = {"#d62728", "#1f5fbf", "#2ca02c", "#ff8c00"};

}  // namespace simhost
