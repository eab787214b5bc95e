#include "simhost/files/utf8_text.h"

namespace simhost {

namespace {

// The character that starts at `at`: how many bytes it needs (0 for a byte that starts
// none) and how many of them are there and well formed. The second byte's narrower
// ranges keep out overlong forms, surrogates and what lies beyond U+10FFFF.
struct CharacterStart {
    size_t length = 0;
    size_t taken = 1;
};

CharacterStart ReadCharacter(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    CharacterStart start;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80) {
        start.length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        start.length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        start.length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        start.length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    }
    while (start.taken < start.length && at + start.taken < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + start.taken]);
        if (next < (start.taken == 1 ? low : 0x80) || next > (start.taken == 1 ? high : 0xBF)) break;
        ++start.taken;
    }
    return start;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const CharacterStart start = ReadCharacter(text, at);
        if (start.length != 0 && start.taken == start.length) {
            out += text.substr(at, start.length);
        } else {
            out += kReplacement;
        }
        at += start.taken;
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const CharacterStart start = ReadCharacter(text, at);
        if (start.length == 0 || start.taken != start.length) return false;
        at += start.taken;
    }
    return true;
}

}  // namespace simhost
