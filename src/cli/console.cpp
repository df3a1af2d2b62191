#include "cli/console.h"

#include "platform/utf8.h"

namespace lumivane::cli {

std::string printableLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const platform::Utf8Char c = platform::decodeUtf8(text, pos);
        if (c.codePoint < 0x20 || c.codePoint == 0x7F)
            line += '?';
        else
            platform::appendUtf8(line, c.codePoint);
        pos += c.length;
    }
    return line;
}

} // namespace lumivane::cli
