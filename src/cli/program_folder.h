#pragma once

#include <string>

namespace lumivane::cli {

/// The folder holding this program, as a Windows path, as the platform reports it.
std::string programFolder();

/// A folder given on the command line as the page names it: a host path (beginning with "/",
/// "./" or "../") in the form in which the program sees it, as a dropped picture's path is
/// (on the emulated system "/usr/lib/lumivane" is "Z:\usr\lib\lumivane"); anything else as
/// it is written.
std::string folderAsThePageNamesIt(const std::string& folder);

} // namespace lumivane::cli
