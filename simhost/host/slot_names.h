// The plug-in's four slots as its window labels their buttons, and the axes each holds
// fixed, as the user, the session language, reports and pictures all name them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace simhost {

inline constexpr int kSlots = 4;
inline constexpr std::array<const char *, kSlots> kSlotLabels = {"X0", "1", "2", "3"};

// Bit 0 X, bit 1 Y, bit 2 Z: the axes a slot restores on draw.
inline constexpr int32_t kMaskX = 1, kMaskY = 2, kMaskZ = 4, kMaskAll = 7;

// "X", "XZ", "XYZ"; "none" for an empty mask.
inline std::string AxesText(int32_t mask) {
    std::string text;
    if (mask & kMaskX) text += 'X';
    if (mask & kMaskY) text += 'Y';
    if (mask & kMaskZ) text += 'Z';
    return text.empty() ? "none" : text;
}

// "1 vertex", "2 vertices".
inline std::string Plural(size_t count, const char *one, const char *many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace simhost
