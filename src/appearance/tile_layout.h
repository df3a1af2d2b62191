#pragma once

#include "windows/twips.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumivane {

/// One tile of the toolbar background, in twips relative to its container.
using TileRect = Twips;

/// Where the tiles of a picture of tileWidth × tileHeight twips go in a container of
/// containerWidth × containerHeight twips, in the order they are placed: element 0 at 0, 0,
/// the rest of the first row to its right, every later row from x = 0, placing while
/// x ≤ width and adding rows while y ≤ height. Tiles past the edges are left for the
/// container to clip. A picture without area or a container of negative size yields
/// element 0 alone (the placing would never end); the count is otherwise not capped, so it
/// may exceed 32767.
std::vector<TileRect> TileLayout(int containerWidth, int containerHeight, int tileWidth,
                                 int tileHeight);

/// The same tiles as TileLayout as a grid, computed without placing them one by one:
/// every tile has the picture's size, so the rows and columns are regular.
struct TileGrid {
    int columns = 1;
    int rows = 1;
    std::int64_t count() const { return std::int64_t{columns} * rows; }
};

/// The grid that TileLayout fills, in constant time.
TileGrid TileGridFor(int containerWidth, int containerHeight, int tileWidth, int tileHeight);

/// A toolbar strip's tiles as its window shows them: while it holds no picture (a tile size
/// of 0) one empty element covering the container, else TileLayout's tiles.
std::vector<TileRect> StripTiles(int containerWidth, int containerHeight, int tileWidth,
                                 int tileHeight);
/// How many elements StripTiles gives, in constant time.
std::int64_t StripTileCount(int containerWidth, int containerHeight, int tileWidth, int tileHeight);

} // namespace lumivane
