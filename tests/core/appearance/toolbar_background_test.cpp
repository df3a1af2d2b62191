#include "appearance/recording_platform.h"
#include "appearance/toolbar_background.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(BmpEnding, LooksAtTheLastThreeCharactersOnlyInAnyCase) {
    EXPECT_TRUE(HasBmpEnding("C:\\pics\\sky.bmp"));
    EXPECT_TRUE(HasBmpEnding("C:\\PICS\\SKY.BMP"));
    EXPECT_TRUE(HasBmpEnding("Z:\\tmp\\Mixed.bMp"));
    EXPECT_TRUE(HasBmpEnding("abmp")); // no dot needed
    EXPECT_TRUE(HasBmpEnding("bmp"));
    EXPECT_FALSE(HasBmpEnding("C:\\pics\\sky.jpg"));
    EXPECT_FALSE(HasBmpEnding("C:\\pics\\sky.bmp.jpg"));
    EXPECT_FALSE(HasBmpEnding("C:\\pics\\sky.bmp "));
    EXPECT_FALSE(HasBmpEnding("mp"));
    EXPECT_FALSE(HasBmpEnding(""));
    EXPECT_FALSE(HasBmpEnding("C:\\写真\\ｂｍｐ")); // full-width letters are other characters
}

TEST(BackBitmapValue, IsStoredUnderTheToolbarKeyExactlyAsGiven) {
    testing::RecordingPlatform platform;
    EXPECT_EQ(ToolbarBackBitmap(platform), "");

    SetToolbarBackBitmap(platform, "Z:\\home\\me\\壁紙\\Sky.BMP");
    EXPECT_EQ(platform.regGetString(platform::RootKey::CurrentUser,
                                    "Software\\Microsoft\\Internet Explorer\\Toolbar",
                                    "BackBitmap"),
              "Z:\\home\\me\\壁紙\\Sky.BMP");
    EXPECT_EQ(ToolbarBackBitmap(platform), "Z:\\home\\me\\壁紙\\Sky.BMP");

    SetToolbarBackBitmap(platform, "");
    EXPECT_TRUE(platform.hasValue(kToolbarKey, kBackBitmapValue));
    EXPECT_EQ(ToolbarBackBitmap(platform), "");
}

} // namespace
} // namespace lumivane
