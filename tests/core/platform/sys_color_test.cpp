// System colours through the platform, run against every implementation.
#include "platform_under_test.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

namespace syscolor = lumivane::platform::syscolor;
using lumivane::testing::PlatformUnderTest;

TEST(SysColors, SetColorsReadBackAndReachTheListener) {
    PlatformUnderTest put;
    lumivane::platform::Platform& p = put.platform();
    const std::uint32_t window = p.sysColor(syscolor::Window);
    const std::uint32_t menuText = p.sysColor(syscolor::MenuText);

    std::vector<std::pair<int, std::uint32_t>> heard;
    p.setSysColorListener(
        [&](int index, std::uint32_t color) { heard.emplace_back(index, color); });
    p.setSysColor(syscolor::Window, 0x00FF8000);
    p.setSysColor(syscolor::MenuText, 0x00000000);
    EXPECT_EQ(p.sysColor(syscolor::Window), 0x00FF8000u);
    EXPECT_EQ(p.sysColor(syscolor::MenuText), 0x00000000u);
    EXPECT_EQ(heard, (std::vector<std::pair<int, std::uint32_t>>{{syscolor::Window, 0x00FF8000},
                                                                 {syscolor::MenuText, 0}}));

    p.setSysColorListener(nullptr);
    p.setSysColor(syscolor::Window, window);
    p.setSysColor(syscolor::MenuText, menuText);
    EXPECT_EQ(p.sysColor(syscolor::Window), window);
    EXPECT_EQ(heard.size(), 2u) << "a cleared listener hears nothing";
}

TEST(SysColors, ColoursHaveNoHighByte) {
    PlatformUnderTest put;
    for (const int index : {syscolor::Window, syscolor::WindowText, syscolor::MenuText,
                            syscolor::BtnText, syscolor::BtnFace, syscolor::Highlight})
        EXPECT_EQ(put.platform().sysColor(index) & 0xFF000000u, 0u) << index;
}

} // namespace
