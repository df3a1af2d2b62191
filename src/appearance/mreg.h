#pragma once

#include "platform/platform.h"

#include <string>
#include <string_view>

namespace lumivane {

/// Reads one text value; the empty text when there is nothing to read. Quiet: no status.
std::string GetRegValue(platform::Platform& platform, platform::RootKey root,
                        std::string_view subKey, std::string_view name);

/// Stores one text value (REG_SZ), creating missing keys. Quiet: failures are not reported.
void SetRegValue(platform::Platform& platform, platform::RootKey root, std::string_view subKey,
                 std::string_view name, std::string_view value);

} // namespace lumivane
