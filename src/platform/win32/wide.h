#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumivane::platform::win32 {

/// UTF-8 to UTF-16 for the W calls; invalid UTF-8 becomes U+FFFD.
std::wstring toWide(std::string_view utf8);
/// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string fromWide(std::wstring_view utf16);
/// A path for the W calls; nullopt when it holds a NUL, which no Windows path can.
std::optional<std::wstring> widePath(std::string_view utf8);

} // namespace lumivane::platform::win32
