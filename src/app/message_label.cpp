#include "app/message_label.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace lumivane::app {

MessageLabel::MessageLabel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int MessageLabel::linePitch() const {
    return std::max(1, std::min(fontMetrics().lineSpacing(),
                                contentsRect().height() / std::max(1, linesToFit_)));
}

int MessageLabel::layOut(QTextLayout& layout) const {
    QString shown = text();
    // A break may be CR LF, LF or CR.
    shown.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
    layout.setText(shown);
    layout.setFont(font());
    QTextOption option;
    // Japanese has no blanks between words: wrap anywhere when there is no word boundary.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    const int pitch = linePitch();
    // Each line is centred on its pitch, so a squeezed first line does not drop.
    const qreal shift = (pitch - fontMetrics().height()) / 2.0;
    int top = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(contentsRect().width() - 2);
        line.setPosition(QPointF(0, top + shift));
        top += pitch;
    }
    layout.endLayout();
    return top;
}

int MessageLabel::textHeight() const {
    QTextLayout layout;
    return layOut(layout);
}

void MessageLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QTextLayout layout;
    layOut(layout);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setClipRect(contentsRect());
    layout.draw(&painter, contentsRect().topLeft() + QPointF(1, 0));
}

} // namespace lumivane::app
