#include "windows/qt/fview.h"

#include "windows/qt/click_label.h"
#include "windows/small_forms.h"

#include <QPixmap>

namespace lumivane::windows {

Fview::Fview()
    : QWidget(nullptr), form_(FviewForm(), this, nullptr), rules_(form_, [this] { close(); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    Pview = form_.get<ClickLabel>(fview::Pview);
}

void Fview::showPicture(const QPixmap& picture) {
    Pview->setPixmap(picture);
    Pview->setGeometry(0, 0, picture.width(), picture.height());

    // The outer size is what the rule fixes; the client gets what the frame leaves of it.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty() || !isVisible()) {
        const Twips outer = previewOuterSize(0, 0);
        frame = QSize(twipsToPixels(outer.width), twipsToPixels(outer.height));
    }
    const Twips clientTwips =
        previewClientSize(picture.width() * kTwipsPerPixel, picture.height() * kTwipsPerPixel,
                          frame.width() * kTwipsPerPixel, frame.height() * kTwipsPerPixel);
    const QSize client(twipsToPixels(clientTwips.width), twipsToPixels(clientTwips.height));
    setFixedSize(client);

    show();
    raise();
    activateWindow();
}

} // namespace lumivane::windows
