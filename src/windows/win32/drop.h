#pragma once

#include "windows/win32/system.h"

#include <string>
#include <vector>

namespace lumivane::win32 {

/// The paths of a shell drop (CF_HDROP), in the order the drop lists them, as UTF-8 Windows
/// paths. Leaves the drop to its owner, who ends it with DragFinish.
std::vector<std::string> droppedFiles(HDROP drop);

} // namespace lumivane::win32
