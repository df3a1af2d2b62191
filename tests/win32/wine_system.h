#pragma once

// The system the window tests work on under Wine: its Windows directory with the Web folder
// a system with the desktop update has, its registry, the command-line companion beside the
// tests, and a hand inside the modal windows' message loop.
#include "platform/win32/wide.h"
#include "template/template_text.h"
#include "windows/win32/system.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace lumivane::win32::testing {

namespace fs = std::filesystem;

/// A whole file's bytes; nullopt when it cannot be read.
inline std::optional<std::string> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

/// The Web folder under Wine's Windows directory, set up as a system with the desktop update
/// has it (the standard template, no backup, no picture folder) and removed at the end, as a
/// fresh Wine prefix has none.
class WebFolder {
public:
    WebFolder() {
        char buffer[MAX_PATH] = {};
        GetWindowsDirectoryA(buffer, MAX_PATH);
        windows_ = buffer;
        web_ = fs::path(platform::win32::toWide(windows_)) / L"Web";
        fs::remove_all(web_);
        fs::create_directory(web_);
        writeBytes(web_ / L"folder.htt", standardTemplateBytes());
    }
    ~WebFolder() {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(web_, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(web_, ignored);
    }
    WebFolder(const WebFolder&) = delete;
    WebFolder& operator=(const WebFolder&) = delete;

    /// The Windows directory as the program reads it ("C:\windows" under Wine).
    const std::string& windows() const { return windows_; }
    const fs::path& web() const { return web_; }
    fs::path file(const std::wstring& name) const { return web_ / name; }
    /// The picture folder as the program names it.
    std::string leftImageFolder() const { return windows_ + "\\Web\\leftimage"; }

private:
    std::string windows_;
    fs::path web_;
};

/// The folder of the running test program, where the build puts lumivane-cli.exe as well.
inline fs::path programFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

/// Runs lumivane-cli.exe from the program's folder with these arguments and returns what it
/// writes to standard output; nullopt when it cannot be started or fails.
inline std::optional<std::string> runCli(const std::vector<std::string>& args) {
    std::wstring command = L"\"" + (programFolder() / L"lumivane-cli.exe").wstring() + L"\"";
    for (const std::string& arg : args) {
        // Quoted as CommandLineToArgvW reads it: backslashes are only special before a quote.
        std::wstring quoted = L" \"";
        int backslashes = 0;
        for (const wchar_t c : platform::win32::toWide(arg)) {
            if (c == L'\\') {
                ++backslashes;
                continue;
            }
            quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
            backslashes = 0;
            quoted += c;
        }
        quoted.append(2 * backslashes, L'\\');
        command += quoted + L"\"";
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const fs::path output = fs::path(temp) / L"lumivane-cli-output.bin";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE file = CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = file;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(file);
    if (!started)
        return std::nullopt;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::optional<std::string> bytes = readBytes(output);
    fs::remove(output);
    if (exitCode != 0)
        return std::nullopt;
    return bytes;
}

/// A text value of the current user's registry, read with the system's own calls; nullopt
/// when there is none.
inline std::optional<std::string> registryText(const wchar_t* key, const wchar_t* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t value[1024] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    const LONG read =
        RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    if (read != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    return platform::win32::fromWide(value);
}

/// Sets a text value back as it was, or deletes it where there was none.
inline void restoreRegistryText(const wchar_t* key, const wchar_t* name,
                                const std::optional<std::string>& text) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (text) {
        const std::wstring wide = platform::win32::toWide(*text);
        RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                       static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(opened, name);
    }
    RegCloseKey(opened);
}

/// Acts on the window that `owner` opens modal, from inside that window's message loop: a
/// thread timer finds the visible window owned by `owner` and hands it to `act`. A window
/// still open some seconds after is closed, so a failing test cannot hang.
class OnModal {
public:
    OnModal(HWND owner, std::function<void(HWND modal)> act) {
        owner_ = owner;
        act_ = std::move(act);
        acted_ = false;
        ticks_ = 0;
        timer_ = SetTimer(nullptr, 0, 30, &OnModal::tick);
    }
    ~OnModal() {
        KillTimer(nullptr, timer_);
        act_ = nullptr;
    }
    OnModal(const OnModal&) = delete;
    OnModal& operator=(const OnModal&) = delete;
    /// Whether the act has run.
    static bool acted() { return acted_; }

private:
    static HWND modal() {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM result) {
                if (IsWindowVisible(w) && GetWindow(w, GW_OWNER) == owner_) {
                    *reinterpret_cast<HWND*>(result) = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        const HWND window = modal();
        if (!window)
            return;
        if (!acted_ && act_) {
            acted_ = true;
            act_(window);
        } else if (++ticks_ > 200) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
    }

    static inline HWND owner_ = nullptr;
    static inline std::function<void(HWND)> act_;
    static inline bool acted_ = false;
    static inline int ticks_ = 0;
    UINT_PTR timer_ = 0;
};

/// The child window of `parent` (at any depth) whose text is `text`; null when none is.
inline HWND childWithText(HWND parent, const std::string& text) {
    struct Search {
        std::wstring text;
        HWND found = nullptr;
    } search{platform::win32::toWide(text)};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) {
            auto& s = *reinterpret_cast<Search*>(data);
            wchar_t shown[256] = {};
            GetWindowTextW(child, shown, 256);
            if (s.text == shown) {
                s.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace lumivane::win32::testing
