#pragma once

#include "platform/platform.h"

#include <span>
#include <string>
#include <string_view>

namespace lumivane {

/// Where Explorer's toolbars look for their background bitmap (current user's registry).
inline constexpr std::string_view kToolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar";
inline constexpr std::string_view kBackBitmapValue = "BackBitmap";

/// True when the last three characters of the text are b, m, p in any case. This is the
/// whole test of a dropped file and of the stored value: "abmp" passes, "bmp.jpg" and the
/// empty text do not.
bool HasBmpEnding(std::string_view path);

/// Stores the path as "BackBitmap"; the empty text clears it. Quiet, like every registry write.
void SetToolbarBackBitmap(platform::Platform& platform, std::string_view path);

/// The stored "BackBitmap" text; empty when nothing is set or it cannot be read.
std::string ToolbarBackBitmap(platform::Platform& platform);

/// A toolbar background a front-end draws: one picture tiled over a container from its
/// top-left corner, as TileLayout places the tiles.
class TileTarget {
public:
    virtual ~TileTarget() = default;
    /// Loads the picture at the Windows path and tiles it over the container; a file that
    /// cannot be read as a picture leaves the tiles as they were and returns false.
    virtual bool TileBackImage(std::string_view path) = 0;
    /// Back to one empty element covering the container.
    virtual void clearTiles() = 0;
};

/// Files dropped on the main window's toolbar strip: the first is tiled when its name ends in
/// bmp (a bitmap that cannot be loaded clears the strip, so it never shows a picture other
/// than the stored one) and its path is stored in any case. A drop without a file is ignored.
void DropToolbarBackBitmap(platform::Platform& platform, TileTarget& strip,
                           std::span<const std::string> paths);

/// A double-click on the main window's toolbar strip: it is cleared and the empty text
/// stored, whether or not a picture was ever set.
void ClearToolbarBackBitmap(platform::Platform& platform, TileTarget& strip);

/// The colour changer's sample toolbar as it opens: the stored bitmap tiled when the stored
/// text ends in bmp; nothing otherwise, nor when it cannot be loaded.
void ShowToolbarBackImage(platform::Platform& platform, TileTarget& toolbar);

} // namespace lumivane
