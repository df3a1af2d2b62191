#pragma once

#include "platform/platform.h"

#include <string>
#include <string_view>

namespace lumivane {

/// Where Explorer's toolbars look for their background bitmap (current user's registry).
inline constexpr std::string_view kToolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar";
inline constexpr std::string_view kBackBitmapValue = "BackBitmap";

/// The main window's toolbar strip `Picture1`, in twips.
inline constexpr int kMainStripWidth = 5175;
inline constexpr int kMainStripHeight = 495;

/// The help line's text while the pointer is over the toolbar strip.
inline constexpr std::string_view kToolbarStripHelp =
    "BMPファイルをドロップすると、ツールバーの背景画像を設定できます。"
    "ダブルクリックで背景画像をクリアします。";

/// True when the last three characters of the text are b, m, p in any case. This is the
/// whole test of a dropped file and of the stored value: "abmp" passes, "bmp.jpg" and the
/// empty text do not.
bool HasBmpEnding(std::string_view path);

/// Stores the path as "BackBitmap"; the empty text clears it. Quiet, like every registry write.
void SetToolbarBackBitmap(platform::Platform& platform, std::string_view path);

/// The stored "BackBitmap" text; empty when nothing is set or it cannot be read.
std::string ToolbarBackBitmap(platform::Platform& platform);

} // namespace lumivane
