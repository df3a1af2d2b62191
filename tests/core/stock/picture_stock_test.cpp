#include "stock/picture_stock.h"

#include <gtest/gtest.h>
#include <string>

namespace lumivane::stock {
namespace {

TEST(NameTest, LastThreeCharactersDecide) {
    for (const char* path : {"C:\\a.JPG", "Z:\\p\\x.Bmp", "a.gif", "b.jif", "c.gmg", "d.bip", "jpg",
                             "noDotjpg", "Z:\\写真\\海.jpg"})
        EXPECT_TRUE(passesNameTest(path)) << path;
    for (const char* path :
         {"a.jpeg", "a.png", "a.tiff", "a.txt", "pg", "", "a.jp", "a.jpg ", "a.jpé", "a.写pg"})
        EXPECT_FALSE(passesNameTest(path)) << path;
}

TEST(StripRules, PositionAndScrollMaximum) {
    EXPECT_EQ(slotLeft(0, 0), 180);
    EXPECT_EQ(slotLeft(5, 0), 6180);
    EXPECT_EQ(slotLeft(0, 3), -3420);
    EXPECT_EQ(slotLeft(29, 24), 6180);

    EXPECT_FALSE(scrollMaximumFor(0));
    EXPECT_FALSE(scrollMaximumFor(6));
    EXPECT_EQ(scrollMaximumFor(7), 1);
    EXPECT_EQ(scrollMaximumFor(30), 24);
    EXPECT_FALSE(scrollMaximumFor(31));
}

PictureStock stockOf(int count) {
    PictureStock stock;
    for (int i = 0; i < count; ++i)
        stock.append("Z:\\p\\" + std::to_string(i) + ".jpg");
    stock.finishDrop();
    return stock;
}

TEST(PictureStock, AppendPlacesEachElementRightOfThePrevious) {
    PictureStock stock;
    EXPECT_EQ(stock.imageCount(), 0);
    EXPECT_EQ(stock.elementCount(), 1);
    EXPECT_EQ(stock.append("a.jpg"), 0);
    EXPECT_EQ(stock.append("a.jpg"), 1);
    EXPECT_EQ(stock.imageCount(), 2);
    // The same path twice stands twice.
    EXPECT_EQ(stock.path(0), "a.jpg");
    EXPECT_EQ(stock.path(1), "a.jpg");
    EXPECT_EQ(stock.elementLeft(0), 180);
    EXPECT_EQ(stock.elementLeft(1), 1380);
}

TEST(PictureStock, ScrollMaximumChangesOnlyAtTheEndOfADropWithinSevenToThirty) {
    PictureStock stock;
    for (int i = 0; i < 7; ++i)
        stock.append("p.gif");
    EXPECT_EQ(stock.scrollMaximum(), 0);
    stock.finishDrop();
    EXPECT_EQ(stock.scrollMaximum(), 1);

    const PictureStock forty = stockOf(40);
    EXPECT_EQ(forty.imageCount(), 40);
    EXPECT_EQ(forty.scrollMaximum(), 0);
}

TEST(PictureStock, ScrollingThirtyBackToZeroFillsTheSixSlotsInOrder) {
    PictureStock stock = stockOf(30);
    stock.scrollTo(24);
    EXPECT_EQ(stock.elementLeft(24), 180);
    EXPECT_EQ(stock.elementLeft(29), 6180);
    EXPECT_LT(stock.elementLeft(23), 0);
    stock.scrollTo(0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(stock.elementLeft(i), 180 + 1200 * i);
    for (int i = 6; i < 30; ++i)
        EXPECT_GE(stock.elementLeft(i), 7215) << i;
}

TEST(PictureStock, ElementsFromThirtyOnKeepTheirPlaceWhenScrolling) {
    PictureStock stock = stockOf(30);
    stock.scrollTo(24);
    for (int i = 0; i < 3; ++i)
        stock.append("late.bmp");
    stock.finishDrop();
    EXPECT_EQ(stock.elementLeft(30), 7380);
    EXPECT_EQ(stock.elementLeft(32), 9780);
    stock.scrollTo(0);
    EXPECT_EQ(stock.elementLeft(29), 34980);
    EXPECT_EQ(stock.elementLeft(30), 7380);
    // Beyond the maximum the value is held at it.
    stock.scrollTo(99);
    EXPECT_EQ(stock.scrollValue(), 24);
}

TEST(PictureStock, RemovingShiftsPathsAndDestroysTheLastElement) {
    PictureStock stock;
    stock.append("0.jpg");
    stock.append("1.jpg");
    stock.append("2.jpg");
    ASSERT_TRUE(stock.remove(0));
    EXPECT_EQ(stock.imageCount(), 2);
    EXPECT_EQ(stock.paths(), (std::vector<std::string>{"1.jpg", "2.jpg"}));
    EXPECT_EQ(stock.elementCount(), 2);
    EXPECT_EQ(stock.elementLeft(1), 1380);

    EXPECT_FALSE(stock.remove(2));
    EXPECT_FALSE(stock.remove(-1));
    ASSERT_TRUE(stock.remove(1));
    ASSERT_TRUE(stock.remove(0));
    // Element 0 is only emptied.
    EXPECT_EQ(stock.imageCount(), 0);
    EXPECT_EQ(stock.elementCount(), 1);
    EXPECT_FALSE(stock.remove(0));
}

TEST(PictureStock, RemovingFromSevenLeavesMaximumOneAndBelowSevenKeepsIt) {
    PictureStock stock = stockOf(8);
    EXPECT_EQ(stock.scrollMaximum(), 2);
    stock.remove(3);
    EXPECT_EQ(stock.scrollMaximum(), 1);
    stock.remove(3);
    EXPECT_EQ(stock.imageCount(), 6);
    EXPECT_EQ(stock.scrollMaximum(), 1);
}

TEST(PictureStock, RemovalBelowTheScrollValueBringsItIntoRangeAndLaysOutAnew) {
    PictureStock stock = stockOf(10);
    stock.scrollTo(4);
    EXPECT_EQ(stock.elementLeft(4), 180);
    stock.remove(9);
    EXPECT_EQ(stock.scrollMaximum(), 3);
    EXPECT_EQ(stock.scrollValue(), 3);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(stock.elementLeft(i), (i - 3) * 1200 + 180) << i;
}

TEST(PictureStock, TakingBackAnUnloadablePictureKeepsListAndStripInStep) {
    PictureStock stock;
    stock.append("bad.jpg");
    stock.takeBackLast();
    EXPECT_EQ(stock.imageCount(), 0);
    EXPECT_EQ(stock.elementCount(), 1);

    stock.append("good.jpg");
    stock.append("bad.jpg");
    stock.takeBackLast();
    EXPECT_EQ(stock.paths(), std::vector<std::string>{"good.jpg"});
    EXPECT_EQ(stock.elementCount(), 1);
    EXPECT_EQ(stock.append("next.jpg"), 1);
    EXPECT_EQ(stock.elementLeft(1), 1380);
}

TEST(PictureStock, HoldsAtMost32767Pictures) {
    PictureStock stock;
    for (int i = 0; i < kMaxPictures; ++i)
        ASSERT_TRUE(stock.append("p.bmp"));
    EXPECT_TRUE(stock.full());
    EXPECT_EQ(stock.imageCount(), 32767);
    EXPECT_FALSE(stock.append("one-more.bmp"));
    EXPECT_EQ(stock.imageCount(), 32767);
    stock.remove(0);
    EXPECT_FALSE(stock.full());
    EXPECT_TRUE(stock.append("again.bmp"));

    // A smaller bound is kept; a larger one is held to the 16-bit limit.
    EXPECT_EQ(PictureStock(3).capacity(), 3);
    EXPECT_EQ(PictureStock(40000).capacity(), kMaxPictures);
}

} // namespace
} // namespace lumivane::stock
