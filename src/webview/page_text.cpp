#include "webview/page_text.h"

#include "platform/ascii.h"
#include "platform/utf8.h"
#include "webview/folder_address.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace lumivane::webview {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isIdentChar(char c) {
    return isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t findNoCase(std::string_view text, std::string_view what, std::size_t from) {
    if (what.empty() || text.size() < what.size())
        return std::string_view::npos;
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < what.size() && lowerAscii(text[i + k]) == lowerAscii(what[k]))
            ++k;
        if (k == what.size())
            return i;
    }
    return std::string_view::npos;
}

std::string replaceTokens(std::string_view text, const FolderTokens& tokens) {
    const std::array<std::pair<std::string_view, std::string>, 3> values{{
        {"%THISDIRPATH%", escapeHtml(tokens.thisDirPath)},
        {"%THISDIRNAME%", escapeHtml(tokens.thisDirName)},
        {"%TEMPLATEDIR%", escapeHtml(tokens.templateDir)},
    }};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '%') {
            for (const auto& [token, value] : values) {
                if (text.substr(i, token.size()) == token) {
                    out += value;
                    i += token.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

/// The character references an address attribute may hold, decoded.
std::string decodeReferences(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::size_t semi = text.find(';', i);
        const std::string_view name =
            semi == std::string_view::npos ? std::string_view() : text.substr(i + 1, semi - i - 1);
        std::optional<char32_t> code;
        if (name == "amp")
            code = U'&';
        else if (name == "lt")
            code = U'<';
        else if (name == "gt")
            code = U'>';
        else if (name == "quot")
            code = U'"';
        else if (name == "apos")
            code = U'\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string digits(name.substr(hex ? 2 : 1));
            if (!digits.empty() && digits.size() <= 7 &&
                digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") ==
                    std::string::npos)
                code = static_cast<char32_t>(std::stoul(digits, nullptr, hex ? 16 : 10));
        }
        if (!code || *code == 0 || *code > 0x10FFFF || (*code >= 0xD800 && *code < 0xE000)) {
            out += '&';
            continue;
        }
        platform::appendUtf8(out, *code);
        i = semi;
    }
    return out;
}

// --- Styles ---------------------------------------------------------------------------

bool isFontSize(std::string_view token) {
    static constexpr std::array<std::string_view, 9> keywords{"xx-small", "x-small", "small",
                                                              "medium",   "large",   "x-large",
                                                              "xx-large", "larger",  "smaller"};
    const std::string word = lowerAscii(token);
    if (std::find(keywords.begin(), keywords.end(), word) != keywords.end())
        return true;
    std::size_t i = 0;
    while (i < word.size() && ((word[i] >= '0' && word[i] <= '9') || word[i] == '.'))
        ++i;
    if (i == 0)
        return false;
    const std::string_view unit = std::string_view(word).substr(i);
    static constexpr std::array<std::string_view, 12> units{"pt", "px", "em", "ex",  "pc", "in",
                                                            "cm", "mm", "%",  "rem", "ch", "q"};
    return std::find(units.begin(), units.end(), unit) != units.end() ||
           (unit.empty() && word == "0");
}

/// The declarations that a `font` shorthand without a family stands for, or nullopt when it
/// names a family (or a system font) and is valid as it stands.
std::optional<std::string> fontParts(std::string_view value) {
    std::string_view important;
    if (const std::size_t bang = value.find('!'); bang != std::string_view::npos) {
        important = trimmed(value.substr(bang));
        value = value.substr(0, bang);
    }
    std::string style, variant, weight, size, lineHeight;
    bool afterSlash = false;
    std::string_view rest = trimmed(value);
    if (rest.empty())
        return std::nullopt;
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !isSpace(rest[end]) && rest[end] != '/')
            ++end;
        const std::string_view token = rest.substr(0, end);
        rest = trimmed(rest.substr(end));
        if (token.empty()) { // a slash between size and line height
            if (rest.empty() || rest.front() != '/' || size.empty())
                return std::nullopt;
            afterSlash = true;
            rest = trimmed(rest.substr(1));
            continue;
        }
        const std::string word = lowerAscii(token);
        if (afterSlash) {
            lineHeight = std::string(token);
            afterSlash = false;
        } else if (word == "italic" || word == "oblique") {
            style = word;
        } else if (word == "small-caps") {
            variant = word;
        } else if (word == "bold" || word == "bolder" || word == "lighter" ||
                   (word.size() == 3 && word[0] >= '1' && word[0] <= '9' && word.ends_with("00"))) {
            weight = word;
        } else if (word == "normal") {
            // the default of every part: nothing to set
        } else if (isFontSize(token) && size.empty()) {
            size = std::string(token);
        } else {
            return std::nullopt; // a family (or a system font): a valid shorthand
        }
        if (!rest.empty() && rest.front() == '/') {
            if (size.empty())
                return std::nullopt;
            afterSlash = true;
            rest = trimmed(rest.substr(1));
        }
    }
    // As a shorthand does, every part it leaves out is set back to its initial value; the
    // family, which it lacks, is left as inherited.
    std::string out;
    const auto add = [&](std::string_view property, const std::string& part) {
        if (!out.empty())
            out += "; ";
        out += property;
        out += ": ";
        out += part.empty() ? "normal" : part;
        if (!important.empty()) {
            out += ' ';
            out += important;
        }
    };
    add("font-style", style);
    add("font-variant", variant);
    add("font-weight", weight);
    if (!size.empty())
        add("font-size", size);
    add("line-height", lineHeight);
    return out;
}

std::optional<int> systemColourIndex(std::string_view keyword) {
    const std::string word = lowerAscii(keyword);
    for (const SystemColourName& name : kSystemColourNames) {
        if (name.keyword == word)
            return name.index;
    }
    return std::nullopt;
}

/// A url() argument with its quotes, rewritten when it names a Windows path.
std::string urlArgument(std::string_view argument) {
    const std::string_view inner = trimmed(argument);
    if (inner.size() >= 2 && (inner.front() == '"' || inner.front() == '\'') &&
        inner.back() == inner.front())
        return std::string(1, inner.front()) + pageAddress(inner.substr(1, inner.size() - 2)) +
               inner.front();
    const std::string address = pageAddress(inner);
    return address == inner ? std::string(argument) : address;
}

/// A declaration's value with system colour names and url() addresses rewritten.
std::string prepareValue(std::string_view value, bool colours) {
    std::string out;
    for (std::size_t i = 0; i < value.size();) {
        const char c = value[i];
        if (c == '"' || c == '\'') {
            std::size_t end = value.find(c, i + 1);
            end = end == std::string_view::npos ? value.size() : end + 1;
            out += value.substr(i, end - i);
            i = end;
        } else if (isLetter(c) || c == '-' || c == '_') {
            std::size_t end = i;
            while (end < value.size() && isIdentChar(value[end]))
                ++end;
            const std::string_view word = value.substr(i, end - i);
            if (end < value.size() && value[end] == '(') {
                const std::size_t close = value.find(')', end);
                const std::size_t stop = close == std::string_view::npos ? value.size() : close;
                out += word;
                out += '(';
                if (lowerAscii(word) == "url")
                    out += urlArgument(value.substr(end + 1, stop - end - 1));
                else
                    out += prepareValue(value.substr(end + 1, stop - end - 1), colours);
                if (close != std::string_view::npos)
                    out += ')';
                i = close == std::string_view::npos ? value.size() : close + 1;
            } else if (colours && (i == 0 || !isIdentChar(value[i - 1])) &&
                       systemColourIndex(word)) {
                out += "var(";
                out += systemColourVariable(word);
                out += ')';
                i = end;
            } else {
                out += word;
                i = end;
            }
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string prepareDeclaration(std::string_view declaration) {
    const std::size_t colon = declaration.find(':');
    if (colon == std::string_view::npos)
        return std::string(declaration);
    const std::string property = lowerAscii(trimmed(declaration.substr(0, colon)));
    const std::string_view value = declaration.substr(colon + 1);
    if (property == "font") {
        if (std::optional<std::string> parts = fontParts(value)) {
            // Keep the blanks around the declaration, so the text keeps its shape.
            std::size_t lead = 0;
            while (lead < declaration.size() && isSpace(declaration[lead]))
                ++lead;
            std::size_t trail = declaration.size();
            while (trail > colon + 1 && isSpace(declaration[trail - 1]))
                --trail;
            return std::string(declaration.substr(0, lead)) + *parts +
                   std::string(declaration.substr(trail));
        }
        return std::string(declaration);
    }
    const bool colours = property != "font-family" && property != "content";
    return std::string(declaration.substr(0, colon + 1)) + prepareValue(value, colours);
}

// --- Mark-up ----------------------------------------------------------------------------

struct Attribute {
    std::string name;      ///< lower case
    std::size_t begin = 0; ///< where the attribute's text begins
    std::size_t end = 0;   ///< just after it
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
    char quote = 0; ///< 0 when the value has no quotes or there is none
    bool hasValue = false;
};

struct Tag {
    std::string name; ///< lower case
    std::vector<Attribute> attributes;
    std::size_t end = 0; ///< just after '>'
};

/// The start tag at `at` ('<' and a letter), or nullopt when it never ends.
std::optional<Tag> readTag(std::string_view text, std::size_t at) {
    Tag tag;
    std::size_t i = at + 1;
    while (i < text.size() && !isSpace(text[i]) && text[i] != '>' && text[i] != '/')
        tag.name += lowerAscii(text[i++]);
    while (i < text.size()) {
        while (i < text.size() && (isSpace(text[i]) || text[i] == '/'))
            ++i;
        if (i >= text.size())
            return std::nullopt;
        if (text[i] == '>') {
            tag.end = i + 1;
            return tag;
        }
        Attribute attribute;
        attribute.begin = i;
        while (i < text.size() && !isSpace(text[i]) && text[i] != '=' && text[i] != '>' &&
               text[i] != '/')
            attribute.name += lowerAscii(text[i++]);
        if (attribute.name.empty()) // a stray '=': part of no attribute
            ++i;
        std::size_t j = i;
        while (j < text.size() && isSpace(text[j]))
            ++j;
        if (j < text.size() && text[j] == '=') {
            ++j;
            while (j < text.size() && isSpace(text[j]))
                ++j;
            attribute.hasValue = true;
            if (j < text.size() && (text[j] == '"' || text[j] == '\'')) {
                attribute.quote = text[j];
                const std::size_t close = text.find(attribute.quote, j + 1);
                if (close == std::string_view::npos)
                    return std::nullopt;
                attribute.valueBegin = j + 1;
                attribute.valueEnd = close;
                i = close + 1;
            } else {
                attribute.valueBegin = j;
                while (j < text.size() && !isSpace(text[j]) && text[j] != '>')
                    ++j;
                attribute.valueEnd = j;
                i = j;
            }
        }
        attribute.end = i;
        if (!attribute.name.empty())
            tag.attributes.push_back(attribute);
    }
    return std::nullopt;
}

const Attribute* findAttribute(const Tag& tag, std::string_view name) {
    for (const Attribute& attribute : tag.attributes) {
        if (attribute.name == name)
            return &attribute;
    }
    return nullptr;
}

std::string valueOf(std::string_view text, const Attribute& attribute) {
    return decodeReferences(
        text.substr(attribute.valueBegin, attribute.valueEnd - attribute.valueBegin));
}

bool isAddressAttribute(std::string_view name) {
    return name == "src" || name == "href" || name == "background" || name == "lowsrc" ||
           name == "dynsrc";
}

/// The start tag's text with its addresses and styles rewritten, leaving out the
/// attributes named in `dropped`.
std::string rewriteTag(std::string_view text, std::size_t at, const Tag& tag,
                       std::initializer_list<std::string_view> dropped = {}) {
    std::string out;
    std::size_t copied = at;
    for (const Attribute& attribute : tag.attributes) {
        const bool drop =
            std::find(dropped.begin(), dropped.end(), attribute.name) != dropped.end();
        if (drop) {
            out += text.substr(copied, attribute.begin - copied);
            copied = attribute.end;
            continue;
        }
        if (!attribute.hasValue)
            continue;
        const std::string_view raw =
            text.substr(attribute.valueBegin, attribute.valueEnd - attribute.valueBegin);
        std::string value;
        if (isAddressAttribute(attribute.name)) {
            const std::string decoded = decodeReferences(raw);
            const std::string address = pageAddress(decoded);
            if (address == decoded)
                continue;
            value = address; // percent-encoded: safe inside any quotes
        } else if (attribute.name == "style") {
            value = prepareStyle(raw, true);
            if (value == raw)
                continue;
            if (attribute.quote == 0)
                value = '"' + escapeHtml(decodeReferences(value)) + '"';
        } else {
            continue;
        }
        out += text.substr(copied, attribute.valueBegin - copied);
        out += value;
        copied = attribute.valueEnd;
    }
    out += text.substr(copied, tag.end - copied);
    return out;
}

} // namespace

const std::array<SystemColourName, 28> kSystemColourNames{{
    {"activeborder", 10},   {"activecaption", 2},    {"appworkspace", 12},
    {"background", 1},      {"buttonface", 15},      {"buttonhighlight", 20},
    {"buttonshadow", 16},   {"buttontext", 18},      {"captiontext", 9},
    {"graytext", 17},       {"highlight", 13},       {"highlighttext", 14},
    {"inactiveborder", 11}, {"inactivecaption", 3},  {"inactivecaptiontext", 19},
    {"infobackground", 24}, {"infotext", 23},        {"menu", 4},
    {"menutext", 7},        {"scrollbar", 0},        {"threeddarkshadow", 21},
    {"threedface", 15},     {"threedhighlight", 20}, {"threedlightshadow", 22},
    {"threedshadow", 16},   {"window", 5},           {"windowframe", 6},
    {"windowtext", 8},
}};

std::string jsString(std::string_view text) {
    static constexpr char digits[] = "0123456789abcdef";
    const auto escape = [&](std::string_view prefix, unsigned char byte) {
        std::string code(prefix);
        code += digits[byte >> 4];
        code += digits[byte & 15];
        return code;
    };
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const platform::Utf8Char character = platform::decodeUtf8(text, i);
            if (character.codePoint == 0xFFFD && character.length == 1)
                out += escape("\\udc", byte); // a byte that is not UTF-8, kept
            else
                out += text.substr(i, character.length);
            i += character.length;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || c == '<') {
            out += escape("\\u00", byte);
        } else {
            out += c;
        }
        ++i;
    }
    return out + "\"";
}

std::string systemColourVariable(std::string_view keyword) {
    std::string variable = "--lumivane-";
    variable += lowerAscii(keyword);
    return variable;
}

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string prepareStyle(std::string_view css, bool declarationsOnly) {
    std::string out;
    int depth = 0;
    std::size_t start = 0;
    const auto flush = [&](std::size_t end) {
        const std::string_view segment = css.substr(start, end - start);
        out += (depth > 0 || declarationsOnly) ? prepareDeclaration(segment) : std::string(segment);
    };
    for (std::size_t i = 0; i < css.size();) {
        const char c = css[i];
        if (c == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            flush(i);
            std::size_t end = css.find("*/", i + 2);
            end = end == std::string_view::npos ? css.size() : end + 2;
            out += css.substr(i, end - i);
            i = start = end;
        } else if (c == '"' || c == '\'') {
            const std::size_t end = css.find(c, i + 1);
            i = end == std::string_view::npos ? css.size() : end + 1;
        } else if (c == '(') {
            const std::size_t end = css.find(')', i + 1);
            i = end == std::string_view::npos ? css.size() : end + 1;
        } else if (c == '{' || c == '}' || c == ';') {
            if (c == '{') {
                out += css.substr(start, i - start); // a selector
            } else {
                flush(i);
            }
            out += c;
            depth += c == '{' ? 1 : c == '}' ? -1 : 0;
            depth = std::max(depth, 0);
            i = start = i + 1;
        } else {
            ++i;
        }
    }
    flush(css.size());
    return out;
}

std::string preparePage(std::string_view templateText, const FolderTokens& tokens) {
    const std::string text = replaceTokens(templateText, tokens);
    const std::string_view in = text;
    std::string out;
    out.reserve(in.size() + 256);
    for (std::size_t i = 0; i < in.size();) {
        if (in.substr(i, 4) == "<!--") {
            std::size_t end = in.find("-->", i + 4);
            end = end == std::string_view::npos ? in.size() : end + 3;
            out += in.substr(i, end - i);
            i = end;
            continue;
        }
        if (in[i] != '<' || i + 1 >= in.size() || !isLetter(in[i + 1])) {
            out += in[i++];
            continue;
        }
        const std::optional<Tag> tag = readTag(in, i);
        if (!tag) {
            out += in.substr(i);
            break;
        }
        if (tag->name == "script" || tag->name == "style") {
            std::size_t close =
                findNoCase(in, tag->name == "script" ? "</script" : "</style", tag->end);
            if (close == std::string_view::npos)
                close = in.size();
            const std::string_view body = in.substr(tag->end, close - tag->end);
            const Attribute* forAttribute = findAttribute(*tag, "for");
            const Attribute* eventAttribute = findAttribute(*tag, "event");
            if (tag->name == "style") {
                out += rewriteTag(in, i, *tag);
                out += prepareStyle(body, false);
            } else if (forAttribute && eventAttribute) {
                out += rewriteTag(in, i, *tag, {"for", "event"});
                out += std::string(kHostObject) + ".bind(" + jsString(valueOf(in, *forAttribute)) +
                       ", " + jsString(valueOf(in, *eventAttribute)) + ", function () {";
                out += body;
                out += "});";
            } else {
                out += rewriteTag(in, i, *tag);
                out += body;
            }
            i = close;
            continue;
        }
        out += rewriteTag(in, i, *tag);
        i = tag->end;
    }
    return out;
}

} // namespace lumivane::webview
