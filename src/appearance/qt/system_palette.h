#pragma once

#include "platform/platform.h"

#include <array>
#include <cstdint>

class QApplication;

namespace lumivane {

/// The system colours that the program's windows show: window background, window text, menu
/// text, button text.
inline constexpr std::array<int, 4> kShownSystemColors{
    platform::syscolor::Window, platform::syscolor::WindowText, platform::syscolor::MenuText,
    platform::syscolor::BtnText};

/// Shows one system colour in the application's palette: the window background as the
/// background of edit fields, lists and check boxes, the window text as their text and the
/// labels' text, the menu text in menus, the button text on buttons. Other indices are left.
void ApplySystemColor(int index, std::uint32_t color);

/// Applies the platform's present colours of those four and follows every later change the
/// program makes to them, at once.
void FollowSystemColors(platform::Platform& platform);

} // namespace lumivane
