// Conversions between the system's narrow encoding, UTF-8 and UTF-16, for texts that
// cross the host's XML channel. Invalid input is replaced with U+FFFD, never read past
// its terminator.
#pragma once

#include <cstdint>
#include <string>

namespace stelmarin {

// NUL-terminated text in the system code page to UTF-8. Null gives an empty text.
std::string AnsiToUtf8(const char *text);
// NUL-terminated UTF-8 to UTF-16. Null gives an empty text.
std::u16string Utf8ToWide(const char *text);
// UTF-16 to UTF-8.
std::string WideToUtf8(const std::u16string &text);

// The integer at the start of a stored text: leading white space skipped, an optional
// sign, decimal digits up to the first non-digit; 0 when there are none. A value beyond
// 32 bits gives the nearest one that fits.
int32_t ReadDecimal(const std::u16string &text);

}  // namespace stelmarin
