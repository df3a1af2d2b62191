// The Windows executables carry the version resource that the about box and Explorer's
// file properties read. The command-line companion gets the same resource as the program
// and is built here, so it stands in for both.
#include "platform/platform.h"
#include "template/template_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::wstring companion() {
    const std::string folder =
        lumivane::platform::makeSystemPlatform(lumivane::standardTemplateBytes())->programFolder();
    return std::wstring(folder.begin(), folder.end()) + L"\\lumivane-cli.exe";
}

TEST(WindowsResources, CompanionCarriesTheProgramIcon) {
    HMODULE module = LoadLibraryExW(companion().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    // Icon group 1 (resource type 14, RT_GROUP_ICON) is the one Explorer shows for the file.
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)), nullptr);
    FreeLibrary(module);
}

TEST(WindowsResources, CompanionCarriesVersionOneFour) {
    const std::wstring exe = companion();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010004u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010004u);

    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
        wchar_t* text = nullptr;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
        ASSERT_TRUE(
            VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(std::wstring(text), L"1.04");
    }
}

} // namespace
