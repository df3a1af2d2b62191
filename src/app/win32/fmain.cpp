#include "app/win32/fmain.h"

#include "appearance/win32/fcolor.h"
#include "windows/win32/browser.h"
#include "windows/win32/fgraph.h"
#include "windows/win32/metrics.h"

namespace lumivane::app::win32 {

using namespace lumivane::win32;

Fmain::Fmain(platform::Platform& platform, BrowserFactory browserFactory, int stockCapacity,
             windows::win32::FAbout::AddressOpener openAddress)
    : platform_(platform), openAddress_(std::move(openAddress)),
      form_(FmainForm(), nullptr,
            {.closing = [this] { rules_.Form_Unload(); },
             .systemColorsChanged = [this] { rules_.SystemColorsChanged(); }}),
      toolbar_(form_, fmain::PToolBarBackImage(0)), strip_(form_),
      rules_(platform, form_, form_, *this, strip_, toolbar_,
             browserFactory ? std::move(browserFactory) : internetExplorerFactory(),
             stockCapacity) {
    rules_.Form_Load();
}

Fmain::~Fmain() = default;

bool Fmain::running() const {
    return form_.open() || strip_.preview() != nullptr;
}

int Fmain::outerHeight() const {
    RECT client;
    GetClientRect(form_.hwnd(), &client);
    return pixelsToTwips(client.bottom, screenDpi()) + fmain::kTitleAndBorderTwips;
}

void Fmain::setOuterHeight(int twips) {
    // The client area is what the design gives it; the frame around it is the system's.
    const int dpi = screenDpi();
    RECT outer{0, 0, twipsToPixels(FmainForm().client.width, dpi),
               twipsToPixels(twips - fmain::kTitleAndBorderTwips, dpi)};
    AdjustWindowRectEx(&outer, GetWindowLongW(form_.hwnd(), GWL_STYLE), FALSE,
                       GetWindowLongW(form_.hwnd(), GWL_EXSTYLE));
    SetWindowPos(form_.hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Fmain::showAbout() {
    windows::win32::FAbout about(form_.hwnd(), openAddress_);
    about.showModal();
}

void Fmain::showColorChanger() {
    Fcolor changer(platform_, form_.hwnd());
    changer.showModal();
}

std::unique_ptr<windows::ProgressWindow> Fmain::showProgress() {
    return std::make_unique<windows::win32::Fgraph>(form_.hwnd());
}

void Fmain::dispatchEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // For the loop that waits for it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace lumivane::app::win32
