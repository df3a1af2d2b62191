#include "windows/win32/fgraph.h"

#include "windows/small_forms.h"

namespace lumivane::windows::win32 {

Fgraph::Fgraph(HWND owner) : form_(FgraphForm(), owner) {
    setBarWidth(0);
    form_.show(SW_SHOWNOACTIVATE);
}

void Fgraph::setBarWidth(double twips) {
    barWidth_ = twips;
    form_.move(fgraph::lblBar, progressBarPlace(twips));
    // Painted at once: the copies run without dispatching window messages.
    form_.repaintNow();
}

} // namespace lumivane::windows::win32
