#include "simhost/files/utf8_text.h"

namespace simhost {

std::string ValidUtf8(std::string_view text) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            out += text[at++];
            continue;
        }
        // How long a character starting with `lead` is, and the range its second byte
        // must fall in: the narrower ones keep out overlong forms, surrogates and what
        // lies beyond U+10FFFF.
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        }
        size_t taken = 1;
        while (taken < length && at + taken < text.size()) {
            const auto next = static_cast<unsigned char>(text[at + taken]);
            if (next < (taken == 1 ? low : 0x80) || next > (taken == 1 ? high : 0xBF)) break;
            ++taken;
        }
        if (length != 0 && taken == length) {
            out += text.substr(at, length);
        } else {
            out += kReplacement;
        }
        at += taken;
    }
    return out;
}

}  // namespace simhost
