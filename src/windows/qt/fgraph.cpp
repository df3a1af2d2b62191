#include "windows/qt/fgraph.h"

#include "windows/small_forms.h"

#include <QLabel>

namespace lumivane::windows {

Fgraph::Fgraph(QWidget* owner) : QWidget(owner), form_(FgraphForm(), this, nullptr) {
    Label2 = form_.get<QLabel>(fgraph::Label2);
    lblBar = form_.get<QLabel>(fgraph::lblBar);
    Label3 = form_.get<QLabel>(fgraph::Label3);
    // In front of its frame; empty when the window loads.
    lblBar->raise();
    setBarWidth(0);
}

Fgraph::~Fgraph() {
    close();
}

void Fgraph::setBarWidth(double twips) {
    barWidth_ = twips;
    form_.move(fgraph::lblBar, progressBarPlace(twips));
    // Painted at once: the copies run without dispatching events.
    if (isVisible())
        repaint();
}

} // namespace lumivane::windows
