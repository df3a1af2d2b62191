#pragma once

#include "platform/platform.h"

#include <cstdint>

class QApplication;

namespace lumivane {

/// Shows one system colour in the application's palette: the window background as the
/// background of edit fields, lists and check boxes, the window text as their text and the
/// labels' text, the menu text in menus, the button text on buttons. Other indices are left.
void ApplySystemColor(int index, std::uint32_t color);

/// Applies the platform's present colours of those four and follows every later change the
/// program makes to them, at once.
void FollowSystemColors(platform::Platform& platform);

} // namespace lumivane
