#include "host/text_conversion.h"

#include <limits>

namespace stelmarin {

int32_t ReadDecimal(const std::u16string &text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || (text[at] >= u'\t' && text[at] <= u'\r'))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
    // The magnitude grows in 64 bits and is held just past 2^31, beyond that of any 32-bit
    // value, so that no run of digits overflows it; the clamps below then give the nearest
    // value that fits.
    constexpr int64_t kLimit = -int64_t{std::numeric_limits<int32_t>::min()};
    int64_t magnitude = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        magnitude = magnitude * 10 + (text[at] - u'0');
        if (magnitude > kLimit) magnitude = kLimit + 1;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace stelmarin
