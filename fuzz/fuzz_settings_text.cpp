// The text a plug-in reads back from the host's settings: any bytes as UTF-8, as UTF-16,
// and the integer read of the result. Valid UTF-8 must survive the round trip unchanged.
#include <string>

#include "host/text_conversion.h"

namespace {

bool ValidUtf8(const std::string &text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        uint32_t point = length == 1 ? c : c & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            point = point << 6 | (next & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::string text = bytes.substr(0, bytes.find('\0'));
    const std::u16string wide = stelmarin::Utf8ToWide(text.c_str());
    stelmarin::ReadDecimal(wide);
    const std::string back = stelmarin::WideToUtf8(wide);
    if (ValidUtf8(text) && back != text) __builtin_trap();
    if (!ValidUtf8(back)) __builtin_trap();
    stelmarin::AnsiToUtf8(text.c_str());
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2) units += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    stelmarin::ReadDecimal(units);
    if (!ValidUtf8(stelmarin::WideToUtf8(units))) __builtin_trap();
    return 0;
}
