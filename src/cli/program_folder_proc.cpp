// TEMPORARY: until the emulated platform is built, the program's folder is read from
// /proc/self/exe and shown as the emulated system shows host paths (drive Z: is the host's
// root). Replace with program_folder_platform.cpp once makeSystemPlatform() exists here.
#include "cli/program_folder.h"

#include <filesystem>
#include <system_error>

namespace lumivane::cli {

std::string programFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    std::string result = "Z:"; // "/" becomes "Z:\\", a drive's root with its separator
    for (const char c : exe.parent_path().string())
        result += c == '/' ? '\\' : c;
    return result;
}

} // namespace lumivane::cli
