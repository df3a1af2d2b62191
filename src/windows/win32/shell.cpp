#include "windows/win32/shell.h"

#include "platform/win32/wide.h"
#include "windows/win32/system.h"

namespace lumivane::win32 {

bool openWithShell(std::string_view target) {
    const std::wstring wide = platform::win32::toWide(target);
    // No parameters, an empty working folder, shown as it was last (SW_SHOW, 5).
    const HINSTANCE result =
        ShellExecuteW(GetDesktopWindow(), L"open", wide.c_str(), nullptr, L"", SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace lumivane::win32
