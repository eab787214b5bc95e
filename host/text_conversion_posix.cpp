// On POSIX systems the narrow encoding is UTF-8; the conversions are our own.
#include <cstring>

#include "host/text_conversion.h"

namespace stelmarin {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point from `text` (NUL-terminated) at `at`, advancing past it. Any
// malformed, overlong or surrogate sequence yields U+FFFD and consumes one byte.
char32_t DecodeUtf8(const unsigned char *text, size_t &at) {
    const unsigned char lead = text[at];
    int length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        ++at;
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        // A NUL here fails the test too, so the terminator is never passed.
        if ((text[at + static_cast<size_t>(i)] & 0xC0) != 0x80) {
            ++at;
            return kReplacement;
        }
        code = (code << 6) | (text[at + static_cast<size_t>(i)] & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++at;
        return kReplacement;
    }
    at += static_cast<size_t>(length);
    return code;
}

void AppendUtf8(std::string &out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string AnsiToUtf8(const char *text) {
    std::string out;
    if (text == nullptr) return out;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    for (size_t at = 0; bytes[at] != 0;) AppendUtf8(out, DecodeUtf8(bytes, at));
    return out;
}

std::u16string Utf8ToWide(const char *text) {
    std::u16string out;
    if (text == nullptr) return out;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    for (size_t at = 0; bytes[at] != 0;) {
        const char32_t code = DecodeUtf8(bytes, at);
        if (code < 0x10000) {
            out += static_cast<char16_t>(code);
        } else {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string WideToUtf8(const std::u16string &text) {
    std::string out;
    for (size_t at = 0; at < text.size(); ++at) {
        char32_t code = text[at];
        if (code >= 0xD800 && code <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
            text[at + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00u);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;
        }
        AppendUtf8(out, code);
    }
    return out;
}

}  // namespace stelmarin
