#include "appearance/color_entry.h"
#include "appearance/recording_platform.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(ColorEntry, SplitsAWindowsColourValueIntoItsParts) {
    const ColorEntry entry = ColorEntryFrom(0x00FF8000u); // blue 255, green 128, red 0
    EXPECT_EQ(entry.Red, 0);
    EXPECT_EQ(entry.Green, 128);
    EXPECT_EQ(entry.Blue, 255);
    EXPECT_EQ(entry.Color, 0x00FF8000u);
    EXPECT_EQ(ColorText(entry), "0 128 255");
}

TEST(ColorEntry, ChangingOnePartRebuildsTheColourFromTheEntrysOwnParts) {
    ColorEntry entry = ColorEntryFrom(0x00102030u);
    EXPECT_TRUE(SetColorPart(entry, ColorPart::Green, 255));
    EXPECT_EQ(entry.Color, 0x0010FF30u);
    EXPECT_TRUE(SetColorPart(entry, ColorPart::Red, 1));
    EXPECT_EQ(entry.Color, 0x0010FF01u);
    EXPECT_TRUE(SetColorPart(entry, ColorPart::Blue, 0));
    EXPECT_EQ(entry.Color, 0x0000FF01u);
    EXPECT_EQ(entry.Green, 255);
    EXPECT_FALSE(SetColorPart(entry, ColorPart::Blue, 0)); // no change
    // Out-of-range values are held to the part's range.
    EXPECT_TRUE(SetColorPart(entry, ColorPart::Red, 300));
    EXPECT_EQ(entry.Red, 255);
    SetColorPart(entry, ColorPart::Blue, -5);
    EXPECT_EQ(entry.Blue, 0);
}

TEST(ColorEntry, TextHasNoLeadingZerosAndSingleBlanks) {
    ColorEntry white;
    ColorEntry black = ColorEntryFrom(0xFFFFFFu);
    for (ColorPart part : {ColorPart::Red, ColorPart::Green, ColorPart::Blue}) {
        SetColorPart(white, part, 255);
        SetColorPart(black, part, 0);
    }
    EXPECT_EQ(ColorText(white), "255 255 255");
    EXPECT_EQ(ColorText(black), "0 0 0");
    EXPECT_EQ(ColorText(ColorEntryFrom(0x00050A07u)), "7 10 5");
}

TEST(TargetColors, AreReadAndAppliedInListOrderOneCallPerColour) {
    testing::RecordingPlatform platform;
    platform.colors = {{5, 0xFFFFFFu}, {8, 0x000000u}, {7, 0x102030u}, {18, 0x00FF00u}};
    ColorEntries colors = ReadTargetColors(platform);
    EXPECT_EQ(colors[0].Color, 0xFFFFFFu);
    EXPECT_EQ(colors[2].Red, 0x30);
    EXPECT_EQ(colors[3].Green, 255);

    SetColorPart(colors[1], ColorPart::Red, 200);
    std::vector<std::pair<int, std::uint32_t>> heard;
    platform.setSysColorListener([&](int index, std::uint32_t c) { heard.emplace_back(index, c); });
    ApplyTargetColors(platform, colors);

    const std::vector<std::string> expected{
        "color 5 16777215", "reg Control Panel\\Colors\\Window=255 255 255",
        "color 8 200",      "reg Control Panel\\Colors\\WindowText=200 0 0",
        "color 7 1056816",  "reg Control Panel\\Colors\\MenuText=48 32 16",
        "color 18 65280",   "reg Control Panel\\Colors\\ButtonText=0 255 0"};
    EXPECT_EQ(platform.writes, expected);
    EXPECT_EQ(heard.size(), 4u);
}

} // namespace
} // namespace lumivane
