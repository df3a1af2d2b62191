#pragma once

#include <string>

namespace lumivane::platform::win32 {

/// Why a file operation failed, in words for the help line, from a GetLastError code.
std::string reasonText(unsigned long error);

} // namespace lumivane::platform::win32
