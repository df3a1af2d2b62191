#include "cli/program_folder.h"

#include "platform/platform.h"

namespace lumivane::cli {

std::string programFolder() {
    return platform::makeSystemPlatform()->programFolder();
}

} // namespace lumivane::cli
