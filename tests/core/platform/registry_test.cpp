// The current user's registry through the platform, run against every implementation.
#include "appearance/mreg.h"
#include "platform_under_test.h"

#include <gtest/gtest.h>

namespace {

using lumivane::GetRegValue;
using lumivane::SetRegValue;
using lumivane::platform::RootKey;
using lumivane::testing::PlatformUnderTest;

constexpr RootKey hkcu = RootKey::CurrentUser;

class Registry : public ::testing::Test {
protected:
    PlatformUnderTest put;
    lumivane::platform::Platform& p = put.platform();
    const std::string& key = put.registryKey();
};

TEST_F(Registry, NothingToReadGivesTheEmptyText) {
    EXPECT_EQ(GetRegValue(p, hkcu, key, "BackBitmap"), "");
    SetRegValue(p, hkcu, key, "Other", "x");
    EXPECT_EQ(GetRegValue(p, hkcu, key, "BackBitmap"), "") << "key exists, value does not";
}

TEST_F(Registry, EmptyTextIsStoredAndReadBackEmpty) {
    SetRegValue(p, hkcu, key, "BackBitmap", "C:\\a.bmp");
    SetRegValue(p, hkcu, key, "BackBitmap", "");
    EXPECT_EQ(GetRegValue(p, hkcu, key, "BackBitmap"), "");
}

TEST_F(Registry, TextComesBackExactlyWithItsLastCharacter) {
    for (const std::string text : {"255 255 255", "0 128 255", "C:\\壁紙\\ツールバー背景.bmp",
                                   "ソ表能", "a", "末尾 ", "Z:\\home\\me\\ﾃﾞｰﾀ.BMP"}) {
        SetRegValue(p, hkcu, key, "Value", text);
        EXPECT_EQ(GetRegValue(p, hkcu, key, "Value"), text);
    }
}

TEST_F(Registry, TextOutsideCodePage932SurvivesToo) {
    SetRegValue(p, hkcu, key, "Value", "caf\u00E9 \U0001F600");
    EXPECT_EQ(GetRegValue(p, hkcu, key, "Value"), "caf\u00E9 \U0001F600");
}

TEST_F(Registry, MissingKeysAlongThePathAreCreated) {
    const std::string deep = key + "\\Software\\Microsoft\\Internet Explorer\\Toolbar";
    SetRegValue(p, hkcu, deep, "BackBitmap", "Z:\\tmp\\tile.bmp");
    EXPECT_EQ(GetRegValue(p, hkcu, deep, "BackBitmap"), "Z:\\tmp\\tile.bmp");
    EXPECT_EQ(GetRegValue(p, hkcu, key + "\\Software", "BackBitmap"), "");
}

TEST_F(Registry, KeyAndValueNamesIgnoreCase) {
    SetRegValue(p, hkcu, key + "\\Control Panel\\Colors", "Window", "1 2 3");
    EXPECT_EQ(GetRegValue(p, hkcu, key + "\\CONTROL PANEL\\colors", "WINDOW"), "1 2 3");
    SetRegValue(p, hkcu, key + "\\control panel\\COLORS", "window", "4 5 6");
    EXPECT_EQ(GetRegValue(p, hkcu, key + "\\Control Panel\\Colors", "Window"), "4 5 6");
}

TEST_F(Registry, ValuesOfOtherNamesAndKeysStayApart) {
    SetRegValue(p, hkcu, key + "\\A", "Window", "1 1 1");
    SetRegValue(p, hkcu, key + "\\A", "WindowText", "2 2 2");
    SetRegValue(p, hkcu, key + "\\B", "Window", "3 3 3");
    EXPECT_EQ(GetRegValue(p, hkcu, key + "\\A", "Window"), "1 1 1");
    EXPECT_EQ(GetRegValue(p, hkcu, key + "\\A", "WindowText"), "2 2 2");
    EXPECT_EQ(GetRegValue(p, hkcu, key + "\\B", "Window"), "3 3 3");
}

} // namespace
