#include "appearance/tile_layout.h"

namespace lumivane {

std::vector<TileRect> TileLayout(int containerWidth, int containerHeight, int tileWidth,
                                 int tileHeight) {
    std::vector<TileRect> tiles{{0, 0, tileWidth, tileHeight}};
    if (tileWidth <= 0 || tileHeight <= 0 || containerWidth < 0 || containerHeight < 0)
        return tiles;

    const TileGrid grid = TileGridFor(containerWidth, containerHeight, tileWidth, tileHeight);
    tiles.reserve(static_cast<std::size_t>(grid.count()));
    // 64-bit positions: the sum of a position near the container's edge and a large tile
    // must not wrap around and start the loop again.
    std::int64_t x = tileWidth;
    std::int64_t y = 0;
    while (y <= containerHeight) {
        while (x <= containerWidth) {
            tiles.push_back({static_cast<int>(x), static_cast<int>(y), tileWidth, tileHeight});
            x += tileWidth;
        }
        x = 0;
        y = std::int64_t{tiles.back().top} + tiles.back().height;
    }
    return tiles;
}

TileGrid TileGridFor(int containerWidth, int containerHeight, int tileWidth, int tileHeight) {
    if (tileWidth <= 0 || tileHeight <= 0 || containerWidth < 0 || containerHeight < 0)
        return {};
    // A row gets a tile at every multiple of the tile width up to the container width
    // (inclusive), the one at 0 included; likewise the rows down the container.
    return {containerWidth / tileWidth + 1, containerHeight / tileHeight + 1};
}

std::vector<TileRect> StripTiles(int containerWidth, int containerHeight, int tileWidth,
                                 int tileHeight) {
    if (tileWidth <= 0 || tileHeight <= 0)
        return {{0, 0, containerWidth, containerHeight}};
    return TileLayout(containerWidth, containerHeight, tileWidth, tileHeight);
}

std::int64_t StripTileCount(int containerWidth, int containerHeight, int tileWidth,
                            int tileHeight) {
    return TileGridFor(containerWidth, containerHeight, tileWidth, tileHeight).count();
}

} // namespace lumivane
