#include "windows/progress_bar.h"

#include <gtest/gtest.h>

namespace lumivane::windows {
namespace {

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
