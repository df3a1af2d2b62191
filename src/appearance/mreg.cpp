#include "appearance/mreg.h"

namespace lumivane {

std::string GetRegValue(platform::Platform& platform, platform::RootKey root,
                        std::string_view subKey, std::string_view name) {
    return platform.regGetString(root, subKey, name);
}

void SetRegValue(platform::Platform& platform, platform::RootKey root, std::string_view subKey,
                 std::string_view name, std::string_view value) {
    platform.regSetString(root, subKey, name, value);
}

} // namespace lumivane
