// The plug-in's four slots as its window labels their buttons, which is how the user, the
// session language, reports and pictures all name them.
#pragma once

#include <array>

namespace simhost {

inline constexpr int kSlots = 4;
inline constexpr std::array<const char *, kSlots> kSlotLabels = {"X0", "1", "2", "3"};

}  // namespace simhost
