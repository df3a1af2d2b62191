#include "windows/fview.h"

#include "windows/click_label.h"
#include "windows/twips.h"

#include <QPixmap>
#include <algorithm>

namespace lumivane::windows {

namespace {
// Room that the outer size leaves around the picture for border and caption bar.
constexpr int kExtraWidth = 80;
constexpr int kExtraHeight = 300;
} // namespace

Fview::Fview()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Fview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());

    Pview = new ClickLabel(this);
    Pview->setObjectName(QStringLiteral("Pview"));
    placeTwips(Pview, {0, 0, 1215, 495});
    connect(Pview, &ClickLabel::clicked, this, &QWidget::close);

    const QRect client = twipsRect<QRect>({6570, 5715, 4680, 3195});
    setGeometry(client);
    setFixedSize(client.size());
}

void Fview::showPicture(const QPixmap& picture) {
    Pview->setPixmap(picture);
    Pview->setGeometry(0, 0, picture.width(), picture.height());

    // The outer size is what the rule fixes; the client gets what the frame leaves of it,
    // but never less than the picture, so no part of it is cut off.
    const QSize outer(picture.width() + twipsToPixels(kExtraWidth),
                      picture.height() + twipsToPixels(kExtraHeight));
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty() || !isVisible())
        frame = QSize(twipsToPixels(kExtraWidth), twipsToPixels(kExtraHeight));
    const QSize client((std::max)(outer.width() - frame.width(), picture.width()),
                       (std::max)(outer.height() - frame.height(), picture.height()));
    setFixedSize(client);

    show();
    raise();
    activateWindow();
}

} // namespace lumivane::windows
