// The program's wildcard tests against a plain reference matcher: the picture name test,
// the bitmap tests and the colour status-text pattern.
#include "app/fmain_rules.h"
#include "appearance/toolbar_background.h"
#include "platform/utf8.h"
#include "stock/picture_stock.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A pattern element: a set of characters, or `*` for any run of characters.
struct Element {
    bool any = false;
    std::u32string set;
};

std::vector<Element> compile(std::u32string_view pattern) {
    std::vector<Element> out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == U'*') {
            out.push_back({true, {}});
            continue;
        }
        Element e;
        if (pattern[i] == U'[') {
            const std::size_t end = pattern.find(U']', i);
            for (std::size_t j = i + 1; j < end; ++j) {
                if (j + 2 < end && pattern[j + 1] == U'-') {
                    for (char32_t c = pattern[j]; c <= pattern[j + 2]; ++c)
                        e.set += c;
                    j += 2;
                } else {
                    e.set += pattern[j];
                }
            }
            i = end;
        } else {
            e.set = pattern[i];
        }
        out.push_back(e);
    }
    return out;
}

bool matches(std::u32string_view text, const std::vector<Element>& pattern, std::size_t p = 0) {
    if (p == pattern.size())
        return text.empty();
    if (pattern[p].any) {
        for (std::size_t skip = 0; skip <= text.size(); ++skip)
            if (matches(text.substr(skip), pattern, p + 1))
                return true;
        return false;
    }
    return !text.empty() && pattern[p].set.find(text.front()) != std::u32string::npos &&
           matches(text.substr(1), pattern, p + 1);
}

std::u32string decode(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = lumivane::platform::decodeUtf8(utf8, i);
        out += c.codePoint;
        i += c.length;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto name = compile(U"*[jJbBgG][pPmMiI][gGpPfF]");
    static const auto bmp = compile(U"*[Bb][Mm][Pp]");
    static const auto colour = compile(U"[a-z,A-Z]*[a-z,A-Z]");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Short texts keep the reference matcher's backtracking cheap.
    if (text.size() > 64)
        return 0;
    const std::u32string chars = decode(text);
    if (lumivane::stock::passesNameTest(text) != matches(chars, name))
        std::abort();
    if (lumivane::HasBmpEnding(text) != matches(chars, bmp))
        std::abort();
    if (lumivane::app::isColourStatusText(text) != matches(chars, colour))
        std::abort();
    return 0;
}
