#include "windows/win32/metrics.h"

namespace lumivane::win32 {

int screenDpi() {
    static const int dpi = [] {
        const HDC screen = GetDC(nullptr);
        const int found = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen)
            ReleaseDC(nullptr, screen);
        return found > 0 ? found : 96;
    }();
    return dpi;
}

int twipsToPixels(double twips, int dpi) {
    const double pixels = twips * dpi / 1440.0;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

RECT twipsToRect(Twips place, int dpi) {
    RECT r;
    r.left = twipsToPixels(place.left, dpi);
    r.top = twipsToPixels(place.top, dpi);
    r.right = r.left + twipsToPixels(place.width, dpi);
    r.bottom = r.top + twipsToPixels(place.height, dpi);
    return r;
}

int pixelsToTwips(int pixels, int dpi) {
    return static_cast<int>((pixels * 1440LL + dpi / 2) / dpi);
}

} // namespace lumivane::win32
