#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The colour changer's sample pictures as strokes, which each front-end paints with its own
// toolkit: a folder window in Web View, the toolbar grips and the line between the two bars.
namespace lumivane::sample {

/// One stroke of a picture, in pixels from its top left; colours are Windows colour values.
struct Stroke {
    enum class Kind : std::uint8_t {
        Fill,     ///< the rectangle in `color`
        Gradient, ///< the rectangle from `color` at its left to `color2` at its right
        Frame,    ///< a one-pixel edge: top and left in `color`, bottom and right in `color2`
        Box,      ///< a one-pixel outline in `color` around an inside of `color2`
        Text,     ///< `text` in `color`, `pixels` high, in the rectangle
    };
    enum class Align : std::uint8_t {
        Left,   ///< one line, at the left, centred from top to bottom
        Centre, ///< one line, centred both ways
        Wrap,   ///< from the top left, broken into lines at blanks
    };

    Kind kind;
    int x;
    int y;
    int width;
    int height;
    std::uint32_t color = 0;
    std::uint32_t color2 = 0;
    std::string_view text = {};
    int pixels = 0;
    bool bold = false;
    Align align = Align::Left;
};

/// A picture: its size and the strokes that paint it, in order.
struct Drawing {
    int width = 0;
    int height = 0;
    std::vector<Stroke> strokes;
};

/// The folder window in Web View, 266 × 193 pixels: a title bar reading Temp, a menu bar, an
/// address bar, the left information panel and folder icons on the right.
Drawing SampleExplorerDrawing();
/// A toolbar's grip, 3 pixels wide.
Drawing ToolbarGripDrawing(int height);
/// The line between the two toolbars, 2 pixels high.
Drawing ToolbarSeparatorDrawing(int width);

} // namespace lumivane::sample
