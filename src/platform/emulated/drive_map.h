#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumivane::platform::emulated {

/// The host path of a Windows path on the emulated system rooted at `root`: drive C: is
/// `<root>/drive_c`, drive Z: the host's `/`, drive letters in either case. `\` and `/`
/// both separate; `.` and `..` are resolved without leaving the drive. A component that does
/// not exist in the case given is matched without regard to ASCII case, as Windows does.
/// nullopt for a path on another drive, a relative or UNC path, or one holding a NUL.
std::optional<std::filesystem::path> mapToHost(const std::filesystem::path& root,
                                               std::string_view windowsPath);

/// The Windows path under which the emulated system sees a host path: `C:\...` below
/// `<root>/drive_c`, `Z:\...` elsewhere. A relative path is taken from the current folder.
std::string mapToWindows(const std::filesystem::path& root, const std::filesystem::path& hostPath);

} // namespace lumivane::platform::emulated
