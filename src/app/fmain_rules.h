#pragma once

#include <string_view>

namespace lumivane::app {

/// The main window's outer heights in twips: client height plus 330 of title bar and 45 of
/// bottom border.
inline constexpr int kCollapsedHeight = 3255;
inline constexpr int kExpandedHeight = 7050;
inline constexpr int kTitleAndBorderTwips = 375;

/// The outer height that "詳細" switches to from a measured outer height: a window of 5000
/// twips or more counts as expanded and collapses, anything lower expands.
constexpr int detailToggleTarget(int measuredOuterHeight) {
    return measuredOuterHeight >= 5000 ? kCollapsedHeight : kExpandedHeight;
}

/// Whether a browser status text names a chosen colour: it matches the wildcard pattern
/// "[a-z,A-Z]*[a-z,A-Z]", that is at least two characters whose first and last are an ASCII
/// letter or a comma (anything may stand between them). Text is UTF-8.
bool isColourStatusText(std::string_view text);

} // namespace lumivane::app
