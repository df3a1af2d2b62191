#include "app/fmain_rules.h"

#include <gtest/gtest.h>

namespace lumivane::app {
namespace {

TEST(ColourStatusText, TakesTextsThatStartAndEndWithALetterOrComma) {
    EXPECT_TRUE(isColourStatusText("blue"));
    EXPECT_TRUE(isColourStatusText("Light Blue")); // taken whole, blank included
    EXPECT_TRUE(isColourStatusText(",,"));         // the comma is in the set
    EXPECT_TRUE(isColourStatusText("ab"));
    EXPECT_TRUE(isColourStatusText("a\xE8\x89\xB2z")); // anything between the ends
    EXPECT_TRUE(isColourStatusText("Zz"));
}

TEST(ColourStatusText, IgnoresEverythingElse) {
    EXPECT_FALSE(isColourStatusText(""));
    EXPECT_FALSE(isColourStatusText("b")); // one letter
    EXPECT_FALSE(isColourStatusText(","));
    EXPECT_FALSE(isColourStatusText("Done.")); // ends in a full stop
    EXPECT_FALSE(isColourStatusText("4blue")); // starts with a digit
    EXPECT_FALSE(isColourStatusText("blue7"));
    EXPECT_FALSE(isColourStatusText("blue "));
    EXPECT_FALSE(isColourStatusText("[blue]"));
    // Japanese progress text: its UTF-8 bytes are never letters.
    EXPECT_FALSE(isColourStatusText("\xE8\xAA\xAD\xE3\x81\xBF\xE8\xBE\xBC\xE3\x81\xBF"));
    EXPECT_FALSE(isColourStatusText("\xE8\x89\xB2"
                                    "a"));
    // The bytes just outside the ranges a-z and A-Z.
    EXPECT_FALSE(isColourStatusText("@a"));
    EXPECT_FALSE(isColourStatusText("a["));
    EXPECT_FALSE(isColourStatusText("`a"));
    EXPECT_FALSE(isColourStatusText("a{"));
}

TEST(DetailToggle, FlipsOnTheMeasuredHeight) {
    EXPECT_EQ(detailToggleTarget(fmain::kCollapsedHeight), fmain::kExpandedHeight);
    EXPECT_EQ(detailToggleTarget(fmain::kExpandedHeight), fmain::kCollapsedHeight);
    EXPECT_EQ(detailToggleTarget(5000), fmain::kCollapsedHeight);
    EXPECT_EQ(detailToggleTarget(4999), fmain::kExpandedHeight);
}

} // namespace
} // namespace lumivane::app
