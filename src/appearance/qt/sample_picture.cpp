#include "appearance/qt/sample_picture.h"

#include "appearance/sample_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace lumivane {
namespace {

QColor colour(std::uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

/// Paints a drawing of the core's strokes.
QPixmap painted(const sample::Drawing& drawing) {
    using Kind = sample::Stroke::Kind;
    using Align = sample::Stroke::Align;
    QPixmap picture(drawing.width, drawing.height);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    for (const sample::Stroke& s : drawing.strokes) {
        const QRect r(s.x, s.y, s.width, s.height);
        switch (s.kind) {
        case Kind::Fill:
            p.fillRect(r, colour(s.color));
            break;
        case Kind::Gradient: {
            QLinearGradient gradient(r.left(), 0, r.right(), 0);
            gradient.setColorAt(0, colour(s.color));
            gradient.setColorAt(1, colour(s.color2));
            p.fillRect(r, gradient);
            break;
        }
        case Kind::Frame:
            p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour(s.color));
            p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour(s.color));
            p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour(s.color2));
            p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour(s.color2));
            break;
        case Kind::Box:
            p.fillRect(r, colour(s.color));
            p.fillRect(r.adjusted(1, 1, -1, -1), colour(s.color2));
            break;
        case Kind::Text: {
            QFont font = p.font();
            font.setPixelSize(s.pixels);
            font.setBold(s.bold);
            p.setFont(font);
            p.setPen(colour(s.color));
            const int flags = s.align == Align::Wrap     ? Qt::TextWordWrap
                              : s.align == Align::Centre ? Qt::AlignCenter
                                                         : Qt::AlignVCenter | Qt::AlignLeft;
            p.drawText(r, flags, QString::fromUtf8(s.text.data(), qsizetype(s.text.size())));
            break;
        }
        }
    }
    return picture;
}

} // namespace

QPixmap SampleExplorerPicture() {
    return painted(sample::SampleExplorerDrawing());
}

QPixmap ToolbarGripPicture(int height) {
    return painted(sample::ToolbarGripDrawing(height));
}

QPixmap ToolbarSeparatorPicture(int width) {
    return painted(sample::ToolbarSeparatorDrawing(width));
}

} // namespace lumivane
