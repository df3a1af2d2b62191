#pragma once

class QLabel;

namespace lumivane::windows {

/// Shrinks a one-line label's font, half a point at a time down to 6 points, until its text
/// fits the label's width: the twip layout assumes narrower glyphs than today's fonts have.
void fitTextToWidth(QLabel* label);

} // namespace lumivane::windows
