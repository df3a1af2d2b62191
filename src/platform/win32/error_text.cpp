#include "platform/win32/error_text.h"

#include "platform/win32/wide.h"

#include <windows.h>

namespace lumivane::platform::win32 {

// The same words as the emulated system uses for the same causes, so the help line reads
// alike on both.
std::string reasonText(unsigned long error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
        return "アクセスが拒否されました";
    case ERROR_WRITE_PROTECT:
        return "読み取り専用の場所です";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return "ファイルまたはフォルダが見つかりません";
    case ERROR_DIRECTORY:
        return "パスの途中がフォルダではありません";
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return "同じ名前のものが既にあります";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "ディスクの空き容量が足りません";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "ファイルが使用中です";
    case ERROR_FILENAME_EXCED_RANGE:
        return "パスが長すぎます";
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
        return "読み書き中にエラーが発生しました";
    default:
        break;
    }
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring system = length ? std::wstring(text, length) : L"";
    LocalFree(text);
    while (!system.empty() && (system.back() == L'\r' || system.back() == L'\n' ||
                               system.back() == L' ' || system.back() == L'.'))
        system.pop_back();
    if (system.empty())
        system = L"コード " + std::to_wstring(error);
    return "エラーが発生しました（" + fromWide(system) + "）";
}

} // namespace lumivane::platform::win32
