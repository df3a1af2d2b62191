#pragma once

#include <string>

namespace lumivane::windows {

/// The about box's version line: "Ver. " major "." minor revision, all in decimal with no
/// separator between minor and revision (1, 4, 0 gives "Ver. 1.40").
std::string versionText(int major, int minor, int revision);

/// The version line for this build's own version.
std::string versionText();

/// This build's version as the package and `--version` name it: "1.4.0".
std::string versionNumber();

} // namespace lumivane::windows
