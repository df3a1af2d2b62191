#include "windows/qt/fit_text.h"

#include <QFontMetrics>
#include <QLabel>

namespace lumivane::windows {

void fitTextToWidth(QLabel* label) {
    QFont font = label->font();
    // One pixel to spare for the last glyph's overhang.
    const int room = label->contentsRect().width() - 1;
    const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(label->text()) <= room; };
    if (font.pointSizeF() > 0) {
        while (font.pointSizeF() > 6.0 && !fits())
            font.setPointSizeF(font.pointSizeF() - 0.5);
    } else {
        while (font.pixelSize() > 8 && !fits())
            font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
}

} // namespace lumivane::windows
