#include "app/fmain_form.h"
#include "appearance/tile_layout.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

constexpr int px = kTwipsPerPixel;
// The main window's toolbar strip, Picture1.
const int kMainStripWidth = app::FmainForm().control(app::fmain::Picture1).place.width;
const int kMainStripHeight = app::FmainForm().control(app::fmain::Picture1).place.height;

TEST(TileLayout, SixteenPixelBitmapFillsTheMainStripWithSixtySixTiles) {
    const auto tiles = TileLayout(kMainStripWidth, kMainStripHeight, 16 * px, 16 * px);
    ASSERT_EQ(tiles.size(), 66u);
    // Row 0: element 0, then 21 tiles to its right up to 5040; the next x, 5280, is past 5175.
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(tiles[i], (TileRect{240 * i, 0, 240, 240})) << "tile " << i;
    // Rows 1 and 2 start again at x = 0.
    for (int i = 22; i < 66; ++i) {
        EXPECT_EQ(tiles[i].left, 240 * ((i - 22) % 22)) << "tile " << i;
        EXPECT_EQ(tiles[i].top, i < 44 ? 240 : 480) << "tile " << i;
    }
}

TEST(TileLayout, OnePixelBitmapNeedsMoreTilesThanASixteenBitIndexHolds) {
    const auto tiles = TileLayout(kMainStripWidth, kMainStripHeight, px, px);
    EXPECT_EQ(tiles.size(), 346u * 34u);
    EXPECT_EQ(tiles.back(), (TileRect{345 * px, 33 * px, px, px}));
    // The colour changer's sample toolbar, 3855 × 755 twips.
    EXPECT_EQ(TileLayout(3855, 755, px, px).size(), 258u * 51u);
}

TEST(TileLayout, BitmapWiderThanTheStripGivesOneTilePerRow) {
    const auto tiles = TileLayout(kMainStripWidth, kMainStripHeight, 400 * px, 10 * px);
    const std::vector<TileRect> expected{
        {0, 0, 6000, 150}, {0, 150, 6000, 150}, {0, 300, 6000, 150}, {0, 450, 6000, 150}};
    EXPECT_EQ(tiles, expected);
}

TEST(TileLayout, TilesAreStillPlacedExactlyOnTheRightAndBottomEdges) {
    const auto tiles = TileLayout(480, 240, 240, 240);
    const std::vector<TileRect> expected{{0, 0, 240, 240},     {240, 0, 240, 240},
                                         {480, 0, 240, 240},   {0, 240, 240, 240},
                                         {240, 240, 240, 240}, {480, 240, 240, 240}};
    EXPECT_EQ(tiles, expected);
}

TEST(TileLayout, DegenerateSizesEndWithElementZeroAlone) {
    EXPECT_EQ(TileLayout(kMainStripWidth, kMainStripHeight, 0, 240).size(), 1u);
    EXPECT_EQ(TileLayout(kMainStripWidth, kMainStripHeight, 240, 0).size(), 1u);
    EXPECT_EQ(TileLayout(-1, kMainStripHeight, 240, 240).size(), 1u);
    EXPECT_EQ(TileLayout(kMainStripWidth, -1, 240, 240).size(), 1u);
    EXPECT_EQ(TileGridFor(-1, kMainStripHeight, 240, 240).count(), 1);
}

TEST(TileLayout, PositionsNearTheIntegerLimitDoNotWrapAround) {
    const auto tiles = TileLayout(2'000'000'000, 0, 1'500'000'000, 1);
    const std::vector<TileRect> expected{{0, 0, 1'500'000'000, 1},
                                         {1'500'000'000, 0, 1'500'000'000, 1}};
    EXPECT_EQ(tiles, expected);
}

TEST(TileLayout, GridAgreesWithThePlacedTilesForEverySize) {
    for (int width : {0, 1, 239, 240, 241, 3855, kMainStripWidth})
        for (int height : {0, 14, 15, 495, 755})
            for (int tileWidth : {1, 15, 240, 5175, 5190})
                for (int tileHeight : {1, 15, 240, 495, 510}) {
                    const auto tiles = TileLayout(width, height, tileWidth, tileHeight);
                    const TileGrid grid = TileGridFor(width, height, tileWidth, tileHeight);
                    ASSERT_EQ(grid.count(), static_cast<std::int64_t>(tiles.size()))
                        << width << "x" << height << " / " << tileWidth << "x" << tileHeight;
                    EXPECT_EQ(tiles.back().left, (grid.columns - 1) * tileWidth);
                    EXPECT_EQ(tiles.back().top, (grid.rows - 1) * tileHeight);
                }
}

TEST(StripTiles, AnEmptyStripIsOneElementCoveringIt) {
    EXPECT_EQ(StripTiles(5175, 495, 0, 0), (std::vector<TileRect>{{0, 0, 5175, 495}}));
    EXPECT_EQ(StripTileCount(5175, 495, 0, 0), 1);
    // A 16 × 16 pixel bitmap on the main window's strip: 22 columns and 3 rows.
    EXPECT_EQ(StripTiles(5175, 495, 240, 240), TileLayout(5175, 495, 240, 240));
    EXPECT_EQ(StripTileCount(5175, 495, 240, 240), 66);
}

} // namespace
} // namespace lumivane
