#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace lumivane::testing {

/// A place in twips, as a window's design gives it: left, top, width, height.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// The pixel rectangle of a designed place, 15 twips to the pixel, rounded to the nearest.
inline QRect pixelsOf(const Place& p) {
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return {px(p.left), px(p.top), px(p.width), px(p.height)};
}

/// The pixel point of a designed left and top.
inline QPoint pixelsOf(int left, int top) {
    return pixelsOf(Place{left, top, 0, 0}).topLeft();
}

/// The name of the control's container.
inline QString containerOf(const QWidget* w) {
    return w->parentWidget() ? w->parentWidget()->objectName() : QString();
}

} // namespace lumivane::testing
