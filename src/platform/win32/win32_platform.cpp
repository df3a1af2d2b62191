// The platform on Windows: every operation is the real system call. Paths are already
// Windows paths; they go to the W calls as UTF-16, so names outside code page 932 work too.
#include "platform/platform.h"
#include "platform/win32/error_text.h"
#include "platform/win32/wide.h"

#include <algorithm>
#include <cwchar>
#include <utility>
#include <vector>
#include <windows.h>

namespace lumivane::platform {
namespace {

using win32::fromWide;
using win32::toWide;
using win32::widePath;

HKEY rootHandle(RootKey root) {
    switch (root) {
    case RootKey::CurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

/// Closes a registry key however the call that opened it ends.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

/// Closes a file handle however the call that opened it ends.
class OpenFile {
public:
    explicit OpenFile(HANDLE handle) : handle_(handle) {}
    ~OpenFile() { close(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    /// Closes now; false when closing failed (a write the system deferred may fail here).
    bool close() {
        return !valid() || CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    }

private:
    HANDLE handle_;
};

/// The failure that GetLastError reports, for `path`.
Status lastError(std::string_view path) {
    return Status::failure(win32::reasonText(GetLastError()), std::string(path));
}

/// A path no Windows call can take (it holds a NUL).
Status nowhere(std::string_view path) {
    return Status::failure("このパスはこのシステムにありません", std::string(path));
}

DWORD attributesOf(std::string_view path) {
    const auto wide = widePath(path);
    if (!wide || wide->empty())
        return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(wide->c_str());
}

/// Refuses a target that is a folder or a read-only file. Windows refuses to replace a
/// read-only file by itself; Wine renames over one, so the test is made here for both.
Status refusedTarget(const std::wstring& target, std::string_view path) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Status::success();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Status::failure("同じ名前のフォルダがあります", std::string(path));
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return Status::failure(win32::reasonText(ERROR_ACCESS_DENIED), std::string(path));
    return Status::success();
}

/// Writes every byte; WriteFile takes at most a DWORD's worth at a time.
bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk =
            bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

class Win32Platform final : public Platform {
public:
    std::string windowsDirectory() override {
        // As GetWindowsDirectoryA is used: a buffer of 260 characters, the text up to the
        // first NUL. A directory that does not fit gives the empty text.
        wchar_t buffer[MAX_PATH + 1] = {};
        const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return {};
        return fromWide(std::wstring_view(buffer, std::wcslen(buffer)));
    }

    bool folderExists(std::string_view path) override {
        const DWORD attributes = attributesOf(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool fileExists(std::string_view path) override {
        const DWORD attributes = attributesOf(path);
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    Status createFolder(std::string_view path) override {
        const auto wide = widePath(path);
        if (!wide)
            return nowhere(path);
        if (!CreateDirectoryW(wide->c_str(), nullptr))
            return lastError(path);
        return Status::success();
    }

    Status copyFile(std::string_view from, std::string_view to) override {
        const auto source = widePath(from);
        const auto target = widePath(to);
        if (!source)
            return nowhere(from);
        if (!target)
            return nowhere(to);
        const DWORD attributes = GetFileAttributesW(source->c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return lastError(from);
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return Status::failure("コピー元がファイルではありません", std::string(from));
        if (const Status refused = refusedTarget(*target, to); !refused)
            return refused;
        if (!CopyFileW(source->c_str(), target->c_str(), FALSE))
            return lastError(to);
        return Status::success();
    }

    Status replaceFile(std::string_view path, std::string_view bytes) override {
        const auto target = widePath(path);
        if (!target || target->empty())
            return nowhere(path);
        if (const Status refused = refusedTarget(*target, path); !refused)
            return refused;
        // The new text goes to a file beside the old one and is renamed over it, so a
        // failure at any point leaves the old file whole.
        const std::wstring temporary =
            *target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
        OpenFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            return lastError(path);
        const bool written = writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
        if (!file.close() || !written ||
            !MoveFileExW(temporary.c_str(), target->c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            const Status status = lastError(path);
            DeleteFileW(temporary.c_str());
            return status;
        }
        return Status::success();
    }

    std::optional<std::string> readFile(std::string_view path) override {
        const auto wide = widePath(path);
        if (!wide)
            return std::nullopt;
        OpenFile file(CreateFileW(wide->c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            return std::nullopt;
        std::string bytes;
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
                return std::nullopt;
            if (got == 0)
                return bytes;
            bytes.append(buffer, got);
        }
    }

    Status listFolder(std::string_view path, std::vector<FolderItem>& items) override {
        items.clear();
        std::string pattern(path);
        if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
            pattern += '\\';
        pattern += '*';
        const auto wide = widePath(pattern);
        if (!wide)
            return nowhere(path);
        WIN32_FIND_DATAW found{};
        // FindExInfoBasic would skip the short names, but systems before Windows 7 refuse it.
        const HANDLE search = FindFirstFileExW(wide->c_str(), FindExInfoStandard, &found,
                                               FindExSearchNameMatch, nullptr, 0);
        if (search == INVALID_HANDLE_VALUE) {
            // A folder's own "." is always there: nothing found means no such folder.
            const DWORD error = GetLastError();
            return Status::failure(
                win32::reasonText(error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error),
                std::string(path));
        }
        do {
            const std::wstring_view name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            FolderItem item;
            item.name = fromWide(name);
            item.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            item.readOnly = (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
            item.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
            if (!item.isFolder)
                item.size = (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
            // FILETIME counts 100 ns from 1601; 11644473600 s lie between 1601 and 1970.
            const std::uint64_t ticks =
                (std::uint64_t{found.ftLastWriteTime.dwHighDateTime} << 32) |
                found.ftLastWriteTime.dwLowDateTime;
            item.modified = static_cast<std::int64_t>(ticks / 10000000) - 11644473600LL;
            items.push_back(std::move(item));
        } while (FindNextFileW(search, &found));
        const DWORD error = GetLastError();
        FindClose(search);
        if (error != ERROR_NO_MORE_FILES) {
            items.clear();
            return Status::failure(win32::reasonText(error), std::string(path));
        }
        return Status::success();
    }

    std::string programFolder() override {
        std::vector<wchar_t> buffer(MAX_PATH);
        for (;;) {
            const DWORD length =
                GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (length == 0)
                return {};
            if (length < buffer.size()) {
                std::wstring_view module(buffer.data(), length);
                std::wstring_view folder = module.substr(0, module.find_last_of(L"\\/"));
                std::string result = fromWide(folder);
                if (folder.size() == 2 && folder[1] == L':')
                    result += '\\'; // a drive's root keeps its separator
                return result;
            }
            buffer.resize(buffer.size() * 2);
        }
    }

    std::optional<std::string> hostPath(std::string_view path) override {
        return std::string(path);
    }
    // Toolkits hand over dropped files with forward slashes; Windows paths use backslashes.
    std::string windowsPath(std::string_view hostPath) override {
        std::string path(hostPath);
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }

    std::string regGetString(RootKey root, std::string_view subKey,
                             std::string_view name) override {
        const auto keyPath = widePath(subKey);
        const auto valueName = widePath(name);
        if (!keyPath || !valueName)
            return {};
        OpenKey key;
        if (RegOpenKeyExW(rootHandle(root), keyPath->c_str(), 0, KEY_ALL_ACCESS, key.out()) !=
            ERROR_SUCCESS)
            return {};
        // The size is asked first; should the value grow before the second call, ask again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            DWORD type = REG_SZ;
            DWORD size = 0;
            if (RegQueryValueExW(key.get(), valueName->c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS)
                return {};
            // Only text values are text: a number read as characters would be noise.
            if ((type != REG_SZ && type != REG_EXPAND_SZ) || size < sizeof(wchar_t))
                return {};
            std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
            DWORD got = size;
            const LONG result = RegQueryValueExW(key.get(), valueName->c_str(), nullptr, &type,
                                                 reinterpret_cast<BYTE*>(buffer.data()), &got);
            if (result == ERROR_MORE_DATA)
                continue;
            if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
                return {};
            // The text up to its terminator; a stored value may lack one or hold several.
            const std::size_t units = got / sizeof(wchar_t);
            return fromWide(std::wstring_view(buffer.data(), wcsnlen(buffer.data(), units)));
        }
        return {};
    }

    void regSetString(RootKey root, std::string_view subKey, std::string_view name,
                      std::string_view value) override {
        const auto keyPath = widePath(subKey);
        const auto valueName = widePath(name);
        if (!keyPath || !valueName)
            return;
        // The text is stored up to a NUL it may hold, as a reader would see it.
        const std::wstring data = toWide(value.substr(0, value.find('\0')));
        OpenKey key;
        if (RegCreateKeyExW(rootHandle(root), keyPath->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, key.out(), nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExW(key.get(), valueName->c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }

    std::uint32_t sysColor(int index) override { return GetSysColor(index); }

    void setSysColor(int index, std::uint32_t color) override {
        const INT element = index;
        const COLORREF value = color;
        if (SetSysColors(1, &element, &value) && listener_)
            listener_(index, color);
    }

    void setSysColorListener(SysColorListener listener) override {
        listener_ = std::move(listener);
    }

private:
    SysColorListener listener_;
};

} // namespace

std::unique_ptr<Platform> makeSystemPlatform(std::string /*standardTemplate*/) {
    return std::make_unique<Win32Platform>();
}

std::unique_ptr<Platform> makeSystemPlatformForReading() {
    return std::make_unique<Win32Platform>();
}

} // namespace lumivane::platform
