// Code page 932 through the system's own tables, so the bytes are exactly what Windows
// writes for the ANSI calls.
#include "platform/codepage.h"
#include "platform/utf8.h"
#include "platform/win32/wide.h"

#include <optional>
#include <windows.h>

namespace lumivane::platform {
namespace {

constexpr UINT kCodePage = 932;

/// Characters that 932 has no exact code for but that Windows writes, by its best fit, as
/// the Shift_JIS character they stand for (the JIS forms of ¢ £ ¥ ¬ — ‖ ‾ − 〜). Only these
/// are taken from the best fit; the rest of it (é as e) would lose text.
struct LookAlike {
    wchar_t character;
    std::string_view bytes;
};
constexpr LookAlike kLookAlikes[] = {
    {0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00A5, "\x5C"},
    {0x00AC, "\x81\xCA"}, {0x2014, "\x81\x5C"}, {0x2016, "\x81\x61"},
    {0x203E, "\x7E"},     {0x2212, "\x81\x7C"}, {0x301C, "\x81\x60"},
};

/// Characters that the system's table gives the unused bytes 80, A0 and FD-FF; they are
/// not Shift_JIS text.
bool isUnusedByteCharacter(wchar_t c) {
    return c == 0x0080 || (c >= 0xF8F0 && c <= 0xF8F3);
}

/// True when `text` holds a character that the table alone does not encode as wanted.
bool needsSpecialCare(std::wstring_view text) {
    for (const wchar_t c : text) {
        if (isUnusedByteCharacter(c))
            return true;
        for (const LookAlike& lookAlike : kLookAlikes) {
            if (c == lookAlike.character)
                return true;
        }
    }
    return false;
}

/// The bytes of one character (one or two UTF-16 units), or nullopt when 932 has none.
std::optional<std::string> encodeCharacter(std::wstring_view character);

/// The 932 bytes of `text`, or nullopt when a character has no exact 932 form (best-fit
/// look-alikes count as having none).
std::optional<std::string> encode(std::wstring_view text) {
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                         nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), size,
                        nullptr, &usedDefault);
    if (usedDefault)
        return std::nullopt;
    return out;
}

/// The UTF-16 text of `bytes`, or nullopt when they are not valid 932.
std::optional<std::wstring> decode(std::string_view bytes) {
    if (bytes.empty())
        return std::wstring();
    const int length = static_cast<int>(bytes.size());
    const int size =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length, out.data(), size);
    return out;
}

std::size_t unitsOf(std::wstring_view text, std::size_t pos) {
    const wchar_t unit = text[pos];
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && pos + 1 < text.size() &&
                      text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

std::optional<std::string> encodeCharacter(std::wstring_view character) {
    if (character.size() == 1) {
        if (isUnusedByteCharacter(character[0]))
            return std::nullopt;
        for (const LookAlike& lookAlike : kLookAlikes) {
            if (character[0] == lookAlike.character)
                return std::string(lookAlike.bytes);
        }
    }
    return encode(character);
}

} // namespace

std::string toCp932(std::string_view utf8) {
    const std::wstring wide = win32::toWide(utf8);
    if (!needsSpecialCare(wide)) {
        if (auto whole = encode(wide))
            return std::move(*whole);
    }
    // Some character has no 932 form: go one character at a time and write those as
    // numeric references.
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < wide.size();) {
        const std::wstring_view one = std::wstring_view(wide).substr(pos, unitsOf(wide, pos));
        pos += one.size();
        if (auto bytes = encodeCharacter(one)) {
            out += *bytes;
        } else {
            const std::string character = win32::fromWide(one);
            const char32_t cp = decodeUtf8(character, 0).codePoint;
            out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ';';
        }
    }
    return out;
}

std::string fromCp932(std::string_view cp932) {
    if (auto whole = decode(cp932); whole && whole->find(L'\x80') == std::wstring::npos)
        return win32::fromWide(*whole);
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    for (std::size_t pos = 0; pos < cp932.size();) {
        const auto lead = static_cast<BYTE>(cp932[pos]);
        const std::size_t length =
            IsDBCSLeadByteEx(kCodePage, lead) && pos + 1 < cp932.size() ? 2 : 1;
        auto text = decode(cp932.substr(pos, length));
        if (text && *text == L"\x80")
            text.reset(); // the unused byte 80, not a character of Shift_JIS
        if (text) {
            out += win32::fromWide(*text);
            pos += length;
        } else {
            // Only the offending byte is dropped: the next one may start a good character.
            appendUtf8(out, 0xFFFD);
            pos += 1;
        }
    }
    return out;
}

bool representableInCp932(std::string_view utf8) {
    // Broken UTF-8 decodes to U+FFFD, which 932 has no form for either.
    const std::wstring wide = win32::toWide(utf8);
    if (!needsSpecialCare(wide))
        return encode(wide).has_value();
    for (std::size_t pos = 0; pos < wide.size();) {
        const std::size_t units = unitsOf(wide, pos);
        if (!encodeCharacter(std::wstring_view(wide).substr(pos, units)))
            return false;
        pos += units;
    }
    return true;
}

} // namespace lumivane::platform
