#include "platform/win32/wide.h"

#include "platform/utf8.h"

namespace lumivane::platform::win32 {

// Written with the shared UTF-8 decoder rather than MultiByteToWideChar(CP_UTF8) so that
// broken bytes turn into U+FFFD exactly as on the emulated system.
std::wstring toWide(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Char c = decodeUtf8(utf8, pos);
        pos += c.length;
        if (c.codePoint < 0x10000) {
            out += static_cast<wchar_t>(c.codePoint);
        } else {
            const char32_t v = c.codePoint - 0x10000;
            out += static_cast<wchar_t>(0xD800 + (v >> 10));
            out += static_cast<wchar_t>(0xDC00 + (v & 0x3FF));
        }
    }
    return out;
}

std::string fromWide(std::wstring_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = static_cast<char16_t>(utf16[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size()) {
            const char32_t low = static_cast<char16_t>(utf16[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? char32_t{0xFFFD} : unit);
    }
    return out;
}

std::optional<std::wstring> widePath(std::string_view utf8) {
    if (utf8.find('\0') != std::string_view::npos)
        return std::nullopt;
    return toWide(utf8);
}

} // namespace lumivane::platform::win32
