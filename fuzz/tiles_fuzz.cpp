// The toolbar tile layout for any picture and container size: bounded work, the grid form
// agrees with the placing loop, and the tiles cover the container.
#include "appearance/tile_layout.h"
#include "fuzz_input.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumivane::fuzz::Input input(data, size);
    // Sizes up to 8000 twips and tiles from 1 twip keep one run at most a few million tiles.
    const int width = input.number() % 8001 - 1;
    const int height = input.number() % 2001 - 1;
    const int tileWidth = input.number() % 600;
    const int tileHeight = input.number() % 600;

    const auto grid = lumivane::TileGridFor(width, height, tileWidth, tileHeight);
    if (grid.count() > 4'000'000)
        return 0;
    const auto tiles = lumivane::TileLayout(width, height, tileWidth, tileHeight);
    if (static_cast<std::int64_t>(tiles.size()) != grid.count())
        std::abort();
    if (tiles.empty() || tiles[0].left != 0 || tiles[0].top != 0)
        std::abort();
    if (tileWidth > 0 && tileHeight > 0 && width >= 0 && height >= 0) {
        // The last tile reaches past the container's right and bottom edges.
        const auto& last = tiles.back();
        if (last.top + last.height <= height || grid.columns * tileWidth <= width)
            std::abort();
        for (const auto& t : tiles)
            if (t.left > width || t.top > height || t.width != tileWidth)
                std::abort();
    }
    return 0;
}
