#pragma once

#include <string>
#include <system_error>

namespace lumivane::platform::emulated {

/// Why a file operation failed, in words for the help line.
std::string reasonText(const std::error_code& error);

} // namespace lumivane::platform::emulated
