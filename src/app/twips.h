#pragma once

#include <QWidget>

namespace lumivane::app {

/// The window geometry is designed in twips; at 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

/// A rectangle in twips, relative to the container: left, top, width, height.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// Places a widget inside its parent at a twip rectangle.
inline void placeTwips(QWidget* widget, Twips r) {
    widget->setGeometry(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                        twipsToPixels(r.height));
}

} // namespace lumivane::app
