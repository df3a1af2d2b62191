#pragma once

namespace lumivane {

/// Every window is designed in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

/// The nearest whole pixel to a length in twips (halves away from zero). Fractions of a twip
/// occur where a width is computed, as the progress bar's is.
constexpr int twipsToPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

/// A rectangle in twips, relative to its container: left, top, width, height.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Twips&, const Twips&) = default;
};

// The two helpers below take any toolkit's rectangle and widget types, so this header stays
// free of them and the Qt-free core can use the units as well.

/// The pixel rectangle of a twip rectangle, e.g. `twipsRect<QRect>({0, 60, 7215, 1575})`.
template <class Rect> Rect twipsRect(Twips r) {
    return Rect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                twipsToPixels(r.height));
}

/// Places a widget inside its parent at a twip rectangle.
template <class Widget> void placeTwips(Widget* widget, Twips r) {
    widget->setGeometry(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                        twipsToPixels(r.height));
}

} // namespace lumivane
