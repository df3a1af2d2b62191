#include "cli/program_folder.h"

#include "platform/platform.h"
#include "template/template_text.h"

namespace lumivane::cli {

std::string programFolder() {
    return platform::makeSystemPlatform(standardTemplateBytes())->programFolder();
}

} // namespace lumivane::cli
