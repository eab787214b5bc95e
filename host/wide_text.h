// Wide (UTF-16) text the plug-in shows.
#pragma once

#include <cstdint>
#include <string>

namespace stelmarin {

// `value` in decimal, as "%d" writes it.
inline std::u16string WideDecimal(int32_t value) {
    const std::string narrow = std::to_string(value);
    return std::u16string(narrow.begin(), narrow.end());
}

}  // namespace stelmarin
