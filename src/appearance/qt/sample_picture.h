#pragma once

#include <QPixmap>

namespace lumivane {

/// The colour changer's picture of a folder window in Web View, 266 × 193 pixels: a title bar
/// reading Temp, a menu bar, an address bar holding C:\Temp, the left information panel and
/// folder icons on the right.
QPixmap SampleExplorerPicture();

/// The toolbar grips of the sample and the line between its two bars.
QPixmap ToolbarGripPicture(int height);
QPixmap ToolbarSeparatorPicture(int width);

} // namespace lumivane
