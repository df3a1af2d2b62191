#pragma once

#include "appearance/tile_layout.h"
#include "appearance/toolbar_background.h"
#include "windows/form.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumivane::win32 {

class Form;

/// A toolbar background in native controls: one picture repeated over a form's tiles control
/// the way TileBackImage lays its tiles, painted from one loaded bitmap however many tiles
/// there are. The control stands for its container's designed size, which decides the tile
/// count.
class TileStrip final : public TileTarget {
public:
    /// The tiles control `tiles` of `form`, for its container as the form designs it.
    TileStrip(Form& form, forms::ControlRef tiles);

    /// Loads the picture at the Windows path (OLE picture loading) and tiles it. A file that
    /// cannot be read as a picture leaves the strip as it was and returns false.
    bool TileBackImage(std::string_view path) override;
    /// Back to one empty element covering the strip.
    void clearTiles() override;

    bool hasPicture() const;
    /// The tiles as TileBackImage places them, in twips; one empty element when cleared.
    std::vector<TileRect> tiles() const;
    std::int64_t tileCount() const;

private:
    Form& form_;
    forms::ControlRef ref_;
    Twips container_;
    int tileWidth_ = 0; ///< twips; 0 while the strip is empty
    int tileHeight_ = 0;
};

} // namespace lumivane::win32
