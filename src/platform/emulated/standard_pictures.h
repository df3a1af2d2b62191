#pragma once

#include <string>

namespace lumivane::platform::emulated {

/// The left panel picture of a fresh Web folder: a small 24-bit BMP.
std::string standardLeftBitmap();

/// The line under a folder's name in the standard view: a small GIF.
std::string standardLineGif();

} // namespace lumivane::platform::emulated
