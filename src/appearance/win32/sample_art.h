#pragma once

#include "appearance/sample_art.h"
#include "windows/win32/picture.h"

namespace lumivane::win32 {

/// Paints one of the core's drawings into a bitmap of its size.
Bitmap paintDrawing(const sample::Drawing& drawing);

} // namespace lumivane::win32
