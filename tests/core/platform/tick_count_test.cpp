#include "platform/win32/tick_count.h"

#include <gtest/gtest.h>

using lumivane::platform::win32::widenTickCount;

TEST(TickCount, WidensTheSystemCountAcrossItsWraps) {
    EXPECT_EQ(widenTickCount(0, 0), 0u);
    EXPECT_EQ(widenTickCount(1000, 1500), 1500u);
    EXPECT_EQ(widenTickCount(1500, 1500), 1500u) << "an unchanged count stays";
    // 49.7 days in: the 32-bit count wraps to a small value.
    EXPECT_EQ(widenTickCount(0xfffffff0u, 0x10), 0x100000010u);
    // Later wraps add on top of earlier ones.
    EXPECT_EQ(widenTickCount(0x1fffffff0u, 0x20), 0x200000020u);
    EXPECT_EQ(widenTickCount(0x200000020u, 0x7fffffffu), 0x27fffffffu);
}
