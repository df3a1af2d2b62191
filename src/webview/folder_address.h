#pragma once

#include "platform/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumivane::webview {

/// A Windows path in its plain form: the drive letter in upper case, backslashes, "." and
/// ".." resolved (".." stops at the drive's root), no trailing separator except at a drive's
/// root ("C:\"). nullopt for text that is not an absolute path on a drive.
std::optional<std::string> normalWindowsPath(std::string_view text);

/// The folder that a user names on the command line or in the address bar: a Windows path
/// ("C:\WINDOWS", "z:/home/me"), a file: address of one ("file://C:\WINDOWS"), or a host
/// path ("/home/me", "~/Pictures"; a relative one is taken from the current folder), as a
/// plain Windows path. nullopt for empty text or an address of another kind.
std::optional<std::string> folderAddress(std::string_view text, platform::Platform& platform);

/// The folder above, or nullopt at a drive's root.
std::optional<std::string> parentFolder(std::string_view windowsPath);

/// The name the file manager shows for a folder: its last component, or "C:\" for a root.
std::string folderDisplayName(std::string_view windowsPath);

/// The scheme through which the viewer's page reaches the drives and the viewer's own parts:
/// `lumivane://c/WINDOWS/Web/wvleft.bmp` is C:\WINDOWS\Web\wvleft.bmp.
inline constexpr std::string_view kDriveScheme = "lumivane";

/// Each byte but ASCII letters, digits and "-._~" as %XX: a name as an address holds it.
std::string percentEncoded(std::string_view bytes);

/// The page's address for a Windows path, each name percent-encoded as UTF-8; a trailing
/// separator is kept ("Z:\home\" becomes `lumivane://z/home/`).
std::string driveUrl(std::string_view windowsPath);

/// An address as the page may write it, rewritten for the viewer: a Windows path
/// ("C:\x", "c:/x") or a file: address of one ("file://C:\x", "file:///C:/x") becomes its
/// driveUrl; anything else (http:, a relative address, a host path, a path holding NUL) is
/// returned unchanged. The page's script rewrites what it sets by the same rule: both are
/// held to one table of cases (tests/core/webview/page_addresses.txt).
std::string pageAddress(std::string_view address);

/// The Windows path that a drive address stands for, or nullopt when it is not one.
/// Percent escapes are decoded; the result is a plain path.
std::optional<std::string> windowsPathOfDriveUrl(std::string_view url);

} // namespace lumivane::webview
