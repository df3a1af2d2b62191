#include "windows/version_text.h"

#include <gtest/gtest.h>

namespace lumivane::windows {
namespace {

TEST(VersionText, JoinsMinorAndRevisionWithoutSeparator) {
    EXPECT_EQ(versionText(1, 4, 0), "Ver. 1.40");
    EXPECT_EQ(versionText(2, 10, 3), "Ver. 2.103");
    EXPECT_EQ(versionText(0, 0, 12), "Ver. 0.012");
    EXPECT_EQ(versionText(), "Ver. 1.40");
}

} // namespace
} // namespace lumivane::windows
