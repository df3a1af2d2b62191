#pragma once

#include "windows/twips.h"
#include "windows/win32/system.h"

namespace lumivane::win32 {

/// Pixels of the screen per logical inch, read once (96 at normal size, 120 at large size).
int screenDpi();

/// A length in twips as pixels at `dpi`: 15 twips a pixel at 96 dpi, halves away from zero.
int twipsToPixels(double twips, int dpi);

/// A twip rectangle as a pixel rectangle at `dpi`: left, top, width and height each
/// converted, as the Qt windows place theirs, so both front-ends agree to the pixel.
RECT twipsToRect(Twips place, int dpi);

/// A length in pixels as twips at `dpi`.
int pixelsToTwips(int pixels, int dpi);

} // namespace lumivane::win32
