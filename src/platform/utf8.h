#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumivane::platform {

/// One decoded character: its code point and how many bytes it took. Invalid or
/// truncated UTF-8 gives U+FFFD with length 1, so a scan always makes progress.
struct Utf8Char {
    char32_t codePoint;
    std::size_t length;
};

Utf8Char decodeUtf8(std::string_view text, std::size_t pos);
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace lumivane::platform
