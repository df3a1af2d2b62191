#pragma once

#include <string_view>
#include <vector>

// How a help line fits a text too long for its box: both front-ends try the same sizes in
// the same order and tell the user the same way when even the last does not do.
namespace lumivane::windows {

/// The smallest font size a text is shrunk to, in pixels.
inline constexpr int kHelpLineMinPixels = 9;
/// The narrowest glyph width a text is condensed to, in percent of the glyphs' own.
inline constexpr int kHelpLineMinStretch = 85;

/// One way of drawing a text: a font size and a glyph width.
struct FitStep {
    int pixelSize;
    int stretch;
};

/// The ways to try, in order: the font sizes from the window's own down to the smallest, then
/// narrower glyphs at that size.
std::vector<FitStep> helpLineSteps(int basePixelSize);

/// A help line's tooltip: the fuller text given with the message, else the text itself when
/// it had to be cut short, else none.
constexpr std::string_view helpLineToolTip(std::string_view text, std::string_view whole,
                                           bool elided) {
    return !whole.empty() ? whole : elided ? text : std::string_view{};
}

} // namespace lumivane::windows
