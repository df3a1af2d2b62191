#include "windows/version_text.h"

namespace lumivane::windows {

std::string versionText(int major, int minor, int revision) {
    return "Ver. " + std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}

std::string versionText() {
    return versionText(LUMIVANE_VERSION_MAJOR, LUMIVANE_VERSION_MINOR, LUMIVANE_VERSION_PATCH);
}

std::string versionNumber() {
    return std::to_string(LUMIVANE_VERSION_MAJOR) + "." + std::to_string(LUMIVANE_VERSION_MINOR) +
           "." + std::to_string(LUMIVANE_VERSION_PATCH);
}

} // namespace lumivane::windows
