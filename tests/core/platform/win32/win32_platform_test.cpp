// What only the Win32 layer does: the real Windows directory, the registry as other
// programs see it, and files that Windows itself refuses to replace.
#include "platform/platform.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

using lumivane::platform::makeSystemPlatform;
using lumivane::platform::Platform;
using lumivane::platform::RootKey;
namespace fs = std::filesystem;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

/// A fresh folder under the user's temporary folder, removed afterwards.
class Win32Files : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("lumivane-test-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(GetTickCount64()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(folder_, ec))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder_, ec);
    }
    std::string path(std::string_view name) const {
        return utf8(folder_) + "\\" + std::string(name);
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    std::unique_ptr<Platform> platform_ = makeSystemPlatform();
    fs::path folder_;
};

TEST(Win32System, WindowsDirectoryAndProgramFolderAreTheRealOnes) {
    auto platform = makeSystemPlatform();
    char ansi[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(ansi, MAX_PATH), 0u);
    const std::string windows = platform->windowsDirectory();
    EXPECT_EQ(windows, ansi);
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(platform->folderExists(windows));
    EXPECT_FALSE(platform->fileExists(windows));

    const std::string program = platform->programFolder();
    EXPECT_NE(program.back(), '\\');
    EXPECT_TRUE(platform->fileExists(program + "\\core_tests.exe"));
    EXPECT_EQ(platform->hostPath(program), program);
    EXPECT_EQ(platform->windowsPath(program), program);
}

TEST_F(Win32Files, ReplaceLeavesOnlyTheNewFile) {
    const std::string file = path("folder.htt");
    ASSERT_TRUE(platform_->replaceFile(file, "old\r\n"));
    ASSERT_TRUE(platform_->replaceFile(file, std::string("new\r\n\0\x81\x40", 8)));
    EXPECT_EQ(platform_->readFile(file), std::string("new\r\n\0\x81\x40", 8));
    EXPECT_EQ(entries(), 1u) << "a temporary file was left beside the template";
}

TEST_F(Win32Files, RefusedReplacementKeepsTheOldFileWhole) {
    const std::string readOnly = path("readonly.htt");
    ASSERT_TRUE(platform_->replaceFile(readOnly, "kept"));
    ASSERT_TRUE(
        SetFileAttributesW(fs::path(folder_ / "readonly.htt").c_str(), FILE_ATTRIBUTE_READONLY));
    const auto refused = platform_->replaceFile(readOnly, "lost");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.path, readOnly);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(platform_->readFile(readOnly), "kept");
    ASSERT_TRUE(platform_->replaceFile(path("picture.bmp"), "BM"));
    EXPECT_FALSE(platform_->copyFile(path("picture.bmp"), readOnly).ok);
    EXPECT_EQ(platform_->readFile(readOnly), "kept");

    // A file another program holds open without sharing cannot be replaced either.
    const std::string busy = path("busy.htt");
    ASSERT_TRUE(platform_->replaceFile(busy, "kept"));
    HANDLE held = CreateFileW(fs::path(folder_ / "busy.htt").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(platform_->replaceFile(busy, "lost").ok);
    CloseHandle(held);
    EXPECT_EQ(platform_->readFile(busy), "kept");
    EXPECT_EQ(entries(), 3u) << "a temporary file was left behind";
}

TEST_F(Win32Files, NamesOutsideCodePage932Work) {
    // The W calls keep characters that the ANSI calls would turn into '?'.
    const std::string folder = path("caf\u00E9 \u00F1");
    ASSERT_TRUE(platform_->createFolder(folder));
    EXPECT_TRUE(platform_->folderExists(folder));
    const std::string picture = folder + "\\\u58C1\u7D19 \U0001F600.bmp";
    ASSERT_TRUE(platform_->replaceFile(picture, "BM"));
    ASSERT_TRUE(platform_->copyFile(picture, folder + "\\0.lmv"));
    EXPECT_EQ(platform_->readFile(folder + "\\0.lmv"), "BM");
    EXPECT_TRUE(
        fs::exists(folder_ / fs::path(u8"caf\u00E9 \u00F1") / u8"\u58C1\u7D19 \U0001F600.bmp"));

    EXPECT_FALSE(platform_->fileExists(std::string("a\0b", 3)));
    EXPECT_FALSE(platform_->createFolder(path(std::string("a\0b", 3))).ok);
}

/// A registry key of the test's own under HKEY_CURRENT_USER, deleted afterwards.
class Win32Registry : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, wideKey_.c_str()); }

    /// The raw type and bytes of a value, as any other program would read them.
    std::pair<DWORD, std::string> raw(const wchar_t* name) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, wideKey_.c_str(), 0, KEY_READ, &key) != 0)
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
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wideKey_.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    const std::string suffix_ =
        std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64());
    const std::string key_ = "Software\\Lumivane tests\\" + suffix_;
    const std::wstring wideKey_ =
        L"Software\\Lumivane tests\\" + std::wstring(suffix_.begin(), suffix_.end());
    std::unique_ptr<Platform> platform_ = makeSystemPlatform();
};

TEST_F(Win32Registry, StoresTerminatedRegSzThatOthersCanRead) {
    platform_->regSetString(RootKey::CurrentUser, key_, "BackBitmap", "C:\\\u58C1\u7D19.bmp");
    const auto [type, bytes] = raw(L"BackBitmap");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    const std::wstring expected = L"C:\\\u58C1\u7D19.bmp";
    EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(expected.c_str()),
                                 (expected.size() + 1) * sizeof(wchar_t)));

    platform_->regSetString(RootKey::CurrentUser, key_, "Empty", "");
    EXPECT_EQ(raw(L"Empty"), std::make_pair(DWORD{REG_SZ}, std::string(2, '\0')));
}

TEST_F(Win32Registry, ReadsWhatOtherProgramsStoredAsText) {
    // Another program may store text without its terminator, or a number.
    const wchar_t bare[] = {L'2', L'5', L'5', L' ', L'0'};
    setRaw(L"Bare", REG_SZ, bare, sizeof bare);
    EXPECT_EQ(platform_->regGetString(RootKey::CurrentUser, key_, "Bare"), "255 0");

    const wchar_t padded[] = L"12 34\0junk";
    setRaw(L"Padded", REG_SZ, padded, sizeof padded);
    EXPECT_EQ(platform_->regGetString(RootKey::CurrentUser, key_, "Padded"), "12 34");

    const wchar_t expand[] = L"%SystemRoot%\\a.bmp";
    setRaw(L"Expand", REG_EXPAND_SZ, expand, sizeof expand);
    EXPECT_EQ(platform_->regGetString(RootKey::CurrentUser, key_, "Expand"), "%SystemRoot%\\a.bmp");

    const DWORD number = 0x00414141;
    setRaw(L"Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(platform_->regGetString(RootKey::CurrentUser, key_, "Number"), "");
}

} // namespace
