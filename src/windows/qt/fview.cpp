#include "windows/qt/fview.h"

#include "windows/qt/click_label.h"
#include "windows/small_forms.h"

#include <QPixmap>
#include <algorithm>

namespace lumivane::windows {

Fview::Fview()
    : QWidget(nullptr), form_(FviewForm(), this, nullptr), rules_(form_, [this] { close(); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    Pview = form_.get<ClickLabel>(fview::Pview);
}

void Fview::showPicture(const QPixmap& picture) {
    Pview->setPixmap(picture);
    Pview->setGeometry(0, 0, picture.width(), picture.height());

    // The outer size is what the rule fixes; the client gets what the frame leaves of it,
    // but never less than the picture, so no part of it is cut off.
    const Twips outerTwips =
        previewOuterSize(picture.width() * kTwipsPerPixel, picture.height() * kTwipsPerPixel);
    const QSize outer(twipsToPixels(outerTwips.width), twipsToPixels(outerTwips.height));
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty() || !isVisible())
        frame = outer - picture.size();
    const QSize client((std::max)(outer.width() - frame.width(), picture.width()),
                       (std::max)(outer.height() - frame.height(), picture.height()));
    setFixedSize(client);

    show();
    raise();
    activateWindow();
}

} // namespace lumivane::windows
