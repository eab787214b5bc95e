// On Windows the system code page and UTF-8 go through the system's own converters.
#include <windows.h>

#include <vector>

#include "host/text_conversion.h"

namespace stelmarin {

namespace {

std::wstring ToWide(UINT codePage, const char *text) {
    if (text == nullptr) return {};
    const int length = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length));
    MultiByteToWideChar(codePage, 0, text, -1, buffer.data(), length);
    return std::wstring(buffer.data());
}

std::string ToUtf8(const wchar_t *text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer.data(), length, nullptr, nullptr);
    return std::string(buffer.data());
}

}  // namespace

std::string AnsiToUtf8(const char *text) { return ToUtf8(ToWide(CP_ACP, text).c_str()); }

std::u16string Utf8ToWide(const char *text) {
    const std::wstring wide = ToWide(CP_UTF8, text);
    return std::u16string(wide.begin(), wide.end());
}

std::string WideToUtf8(const std::u16string &text) {
    const std::wstring wide(text.begin(), text.end());
    return ToUtf8(wide.c_str());
}

}  // namespace stelmarin
