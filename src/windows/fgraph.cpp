#include "windows/fgraph.h"

#include "windows/fit_text.h"
#include "windows/progress_bar.h"
#include "windows/twips.h"

#include <QLabel>

namespace lumivane::windows {

namespace {
constexpr int kBarLeft = 390;
constexpr int kBarTop = 270;
constexpr int kBarHeight = 435;
} // namespace

Fgraph::Fgraph(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Fgraph"));
    setWindowTitle(QStringLiteral("処理中だ！！"));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFrameStyle(QFrame::Box | QFrame::Plain);
    placeTwips(Label2, {360, 240, 3495, 495});

    lblBar = new QLabel(this);
    lblBar->setObjectName(QStringLiteral("lblBar"));
    lblBar->setAutoFillBackground(true);
    QPalette bar = lblBar->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 255));
    lblBar->setPalette(bar);
    placeTwips(lblBar, {kBarLeft, kBarTop, 0, kBarHeight});
    lblBar->raise();

    Label3 = new QLabel(QStringLiteral("しばらく、そのままでお待ちください"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeTwips(Label3, {780, 900, 2595, 180});
    fitTextToWidth(Label3);

    // The client area's top-left on the screen; the size is fixed, like a fixed tool border.
    const QRect client = twipsRect<QRect>({2340, 1845, 4125, 1305});
    setGeometry(client);
    setFixedSize(client.size());
}

void Fgraph::setProgress(int done, int total) {
    barWidth_ = progressBarWidth(done, total);
    lblBar->setGeometry(twipsRect<QRect>({kBarLeft, kBarTop, 0, kBarHeight})
                            .adjusted(0, 0, twipsToPixels(barWidth_), 0));
    if (isVisible())
        repaint();
}

void Fgraph::finish() {
    close();
    deleteLater();
}

} // namespace lumivane::windows
