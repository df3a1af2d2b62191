#include "windows/win32/fview.h"

#include "windows/small_forms.h"
#include "windows/win32/metrics.h"

namespace lumivane::windows::win32 {

using lumivane::win32::pixelsToTwips;
using lumivane::win32::screenDpi;
using lumivane::win32::twipsToPixels;

Fview::Fview() : form_(FviewForm()), rules_(form_, [this] { form_.close(); }) {}

void Fview::showPicture(lumivane::win32::Bitmap picture) {
    const int dpi = screenDpi();
    const int width = pixelsToTwips(picture.width(), dpi);
    const int height = pixelsToTwips(picture.height(), dpi);
    form_.setPicture(fview::Pview, std::move(picture), true);

    RECT outer;
    RECT client;
    GetWindowRect(form_.hwnd(), &outer);
    GetClientRect(form_.hwnd(), &client);
    const Twips inside = previewClientSize(
        width, height, pixelsToTwips((outer.right - outer.left) - client.right, dpi),
        pixelsToTwips((outer.bottom - outer.top) - client.bottom, dpi));
    SetWindowPos(form_.hwnd(), nullptr, 0, 0,
                 twipsToPixels(inside.width, dpi) + (outer.right - outer.left) - client.right,
                 twipsToPixels(inside.height, dpi) + (outer.bottom - outer.top) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    form_.show();
    SetForegroundWindow(form_.hwnd());
}

} // namespace lumivane::windows::win32
