#include "appearance/win32/tile_strip.h"

#include "windows/win32/form.h"
#include "windows/win32/metrics.h"
#include "windows/win32/picture.h"

#include <algorithm>
#include <climits>

namespace lumivane::win32 {

TileStrip::TileStrip(Form& form, forms::ControlRef tiles)
    : form_(form), ref_(tiles),
      container_(form.design().control({form.design().control(tiles).container}).place) {}

bool TileStrip::TileBackImage(std::string_view path) {
    std::optional<Picture> picture = Picture::load(path);
    if (!picture)
        return false;
    Bitmap bitmap = picture->render(GetSysColor(COLOR_BTNFACE));
    if (!bitmap)
        return false;
    const int dpi = screenDpi();
    tileWidth_ = pixelsToTwips(bitmap.width(), dpi);
    tileHeight_ = pixelsToTwips(bitmap.height(), dpi);
    const TileGrid grid = TileGridFor(container_.width, container_.height, tileWidth_, tileHeight_);
    // The grid's area, as far as the strip's pixels reach.
    const auto reach = [](std::int64_t count, int size) {
        return static_cast<LONG>(std::min<std::int64_t>(count * size, INT_MAX));
    };
    const SIZE area{reach(grid.columns, bitmap.width()), reach(grid.rows, bitmap.height())};
    form_.setPicture(ref_, std::move(bitmap));
    form_.setTileArea(ref_, area);
    return true;
}

void TileStrip::clearTiles() {
    form_.takePicture(ref_);
    tileWidth_ = 0;
    tileHeight_ = 0;
}

bool TileStrip::hasPicture() const {
    return form_.picture(ref_) != nullptr;
}

std::vector<TileRect> TileStrip::tiles() const {
    return StripTiles(container_.width, container_.height, tileWidth_, tileHeight_);
}

std::int64_t TileStrip::tileCount() const {
    return StripTileCount(container_.width, container_.height, tileWidth_, tileHeight_);
}

} // namespace lumivane::win32
