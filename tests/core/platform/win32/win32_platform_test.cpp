// What only the Win32 layer does: the real Windows directory, the registry as other
// programs see it, files held open by another program and names outside code page 932.
#include "platform/platform_under_test.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

using lumivane::platform::RootKey;
using lumivane::testing::PlatformUnderTest;

std::wstring wide(std::string_view ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

class Win32Layer : public ::testing::Test {
protected:
    std::string in(std::string_view name) const { return put.scratch() + "\\" + std::string(name); }

    /// The raw type and bytes of a value of the test's key, as any other program reads them.
    std::pair<DWORD, std::string> raw(const wchar_t* name) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(put.registryKey()).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return {REG_NONE, {}};
        DWORD type = REG_NONE;
        BYTE data[256] = {};
        DWORD size = sizeof data;
        RegQueryValueExW(key, name, nullptr, &type, data, &size);
        RegCloseKey(key);
        return {type, std::string(reinterpret_cast<char*>(data), size)};
    }
    void setRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wide(put.registryKey()).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    PlatformUnderTest put;
    lumivane::platform::Platform& p = put.platform();
};

TEST_F(Win32Layer, WindowsDirectoryAndProgramFolderAreTheRealOnes) {
    char ansi[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(ansi, MAX_PATH), 0u);
    EXPECT_EQ(p.windowsDirectory(), ansi);

    const std::string program = p.programFolder();
    EXPECT_NE(program.back(), '\\');
    EXPECT_TRUE(p.fileExists(program + "\\core_tests.exe"));
}

TEST_F(Win32Layer, DroppedPathsComeInWindowsForm) {
    EXPECT_EQ(p.windowsPath("C:/Users/me/a.jpg"), "C:\\Users\\me\\a.jpg");
    EXPECT_EQ(p.windowsPath("C:\\Users\\me\\a.jpg"), "C:\\Users\\me\\a.jpg");
    EXPECT_EQ(p.hostPath("C:\\WINDOWS"), "C:\\WINDOWS");
}

TEST_F(Win32Layer, FileHeldOpenByAnotherProgramIsNotReplaced) {
    const std::string busy = in("folder.htt");
    ASSERT_TRUE(p.replaceFile(busy, "kept"));
    HANDLE held = CreateFileW(wide(busy).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto refused = p.replaceFile(busy, "lost");
    CloseHandle(held);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.path, busy);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(p.readFile(busy), "kept");
    EXPECT_EQ(put.folderEntries(put.scratch()), std::vector<std::string>{"folder.htt"})
        << "a temporary file was left behind";
}

TEST_F(Win32Layer, NamesOutsideCodePage932Work) {
    // The W calls keep characters that the ANSI calls would turn into '?'.
    const std::string folder = in("caf\u00E9 \u00F1");
    ASSERT_TRUE(p.createFolder(folder));
    EXPECT_TRUE(p.folderExists(folder));
    const std::string picture = folder + "\\\u58C1\u7D19 \U0001F600.bmp";
    ASSERT_TRUE(p.replaceFile(picture, "BM"));
    ASSERT_TRUE(p.copyFile(picture, folder + "\\0.lmv"));
    EXPECT_EQ(p.readFile(folder + "\\0.lmv"), "BM");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(wide(put.scratch())) /
                                        L"caf\u00E9 \u00F1" / L"\u58C1\u7D19 \U0001F600.bmp"));

    // No Windows path holds a NUL.
    EXPECT_FALSE(p.fileExists(std::string("a\0b", 3)));
    EXPECT_FALSE(p.createFolder(in(std::string("a\0b", 3))).ok);
}

TEST_F(Win32Layer, RegistryStoresTerminatedRegSzThatOthersCanRead) {
    p.regSetString(RootKey::CurrentUser, put.registryKey(), "BackBitmap", "C:\\\u58C1\u7D19.bmp");
    const auto [type, bytes] = raw(L"BackBitmap");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    const std::wstring expected = L"C:\\\u58C1\u7D19.bmp";
    EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(expected.c_str()),
                                 (expected.size() + 1) * sizeof(wchar_t)));

    p.regSetString(RootKey::CurrentUser, put.registryKey(), "Empty", "");
    EXPECT_EQ(raw(L"Empty"), std::make_pair(DWORD{REG_SZ}, std::string(2, '\0')));
}

TEST_F(Win32Layer, RegistryReadsWhatOtherProgramsStoredAsText) {
    const std::string& key = put.registryKey();
    // Another program may store text without its terminator, or a number.
    const wchar_t bare[] = {L'2', L'5', L'5', L' ', L'0'};
    setRaw(L"Bare", REG_SZ, bare, sizeof bare);
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, key, "Bare"), "255 0");

    const wchar_t padded[] = L"12 34\0junk";
    setRaw(L"Padded", REG_SZ, padded, sizeof padded);
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, key, "Padded"), "12 34");

    const wchar_t expand[] = L"%SystemRoot%\\a.bmp";
    setRaw(L"Expand", REG_EXPAND_SZ, expand, sizeof expand);
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, key, "Expand"), "%SystemRoot%\\a.bmp");

    const DWORD number = 0x00414141;
    setRaw(L"Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(p.regGetString(RootKey::CurrentUser, key, "Number"), "");
}

TEST_F(Win32Layer, FilesAreClosedAgain) {
    // A file that is still open somewhere cannot be opened for exclusive use.
    const std::string file = in("folder.htt");
    const std::string copy = in("0.lmv");
    ASSERT_TRUE(p.replaceFile(file, "text"));
    ASSERT_TRUE(p.readFile(file));
    ASSERT_TRUE(p.copyFile(file, copy));
    for (const std::string& path : {file, copy}) {
        HANDLE exclusive = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(exclusive, INVALID_HANDLE_VALUE) << path << " is still open";
        CloseHandle(exclusive);
    }
}

} // namespace
