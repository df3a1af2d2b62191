#pragma once

#include <string>

namespace lumivane::cli {

/// The folder holding this program, as a Windows path, as the platform reports it.
std::string programFolder();

} // namespace lumivane::cli
