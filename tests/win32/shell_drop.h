#pragma once

#include "platform/win32/wide.h"
#include "windows/win32/system.h"

#include <cstring>
#include <shlobj.h>
#include <string>
#include <vector>

namespace lumivane::win32::testing {

/// A shell drop of these paths, as Explorer makes it: DROPFILES followed by the wide paths,
/// each ended by a NUL, and one more NUL. The receiver ends it with DragFinish.
inline HDROP shellDrop(const std::vector<std::string>& paths) {
    std::wstring list;
    for (const std::string& path : paths) {
        list += platform::win32::toWide(path);
        list += L'\0';
    }
    list += L'\0';
    const SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
                list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

/// Drops files on a window as the shell does: WM_DROPFILES with the drop, which the window
/// ends with DragFinish.
inline void dropFiles(HWND target, const std::vector<std::string>& paths) {
    SendMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(shellDrop(paths)), 0);
}

} // namespace lumivane::win32::testing
