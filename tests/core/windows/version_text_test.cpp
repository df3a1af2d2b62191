#include "windows/progress_bar.h"
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

TEST(ProgressBar, GrowsByEqualStepsToExactlyFull) {
    EXPECT_DOUBLE_EQ(progressBarWidth(0, 3), 0.0);
    EXPECT_DOUBLE_EQ(progressBarWidth(1, 3), 1145.0);
    EXPECT_DOUBLE_EQ(progressBarWidth(2, 3), 2290.0);
    EXPECT_DOUBLE_EQ(progressBarWidth(3, 3), 3435.0);
    EXPECT_DOUBLE_EQ(progressBarWidth(7, 7), 3435.0);
    EXPECT_DOUBLE_EQ(progressBarWidth(0, 0), 0.0);
}

} // namespace
} // namespace lumivane::windows
