#include "cli/program_folder.h"

#include "platform/platform.h"
#include "template/template_text.h"

namespace lumivane::cli {

std::string programFolder() {
    return platform::makeSystemPlatform(standardTemplateBytes())->programFolder();
}

std::string folderAsThePageNamesIt(const std::string& folder) {
    if (!folder.starts_with('/') && !folder.starts_with("./") && !folder.starts_with("../"))
        return folder;
    std::string windows = platform::makeSystemPlatformForReading()->windowsPath(folder);
    while (windows.size() > 3 && windows.back() == '\\')
        windows.pop_back();
    return windows;
}

} // namespace lumivane::cli
