#pragma once

#include <string>
#include <string_view>

namespace lumivane::platform {

/// UTF-8 to code page 932 (Shift_JIS as Windows writes it). A character that 932 cannot
/// hold becomes an HTML numeric character reference (`&#NNNN;`), so a page still shows it.
/// Invalid UTF-8 bytes become U+FFFD first.
std::string toCp932(std::string_view utf8);

/// Code page 932 bytes to UTF-8; a byte sequence that is not valid 932 becomes U+FFFD.
std::string fromCp932(std::string_view cp932);

/// True when every character of `utf8` can be written in code page 932.
bool representableInCp932(std::string_view utf8);

} // namespace lumivane::platform
