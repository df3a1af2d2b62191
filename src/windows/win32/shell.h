#pragma once

#include <string_view>

namespace lumivane::win32 {

/// Hands an address to the shell's "open" (ShellExecute with the desktop as parent): a
/// "mailto:" address to the mail program, a home page to the browser. False when the shell
/// found nothing to open it with.
bool openWithShell(std::string_view target);

} // namespace lumivane::win32
