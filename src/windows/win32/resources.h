#pragma once

// The numbers of the program's resources, shared by its resource script and its code.
#define LUMIVANE_ICON 1
#define LUMIVANE_POINTING_HAND 2

#ifdef __cplusplus
namespace lumivane::win32 {
/// The program's icon (the main window's, and the colour changer's sample).
inline constexpr int kProgramIcon = LUMIVANE_ICON;
/// The about box's pointing hand over its addresses: 32 × 32, monochrome, hot spot (13, 9).
inline constexpr int kPointingHandCursor = LUMIVANE_POINTING_HAND;
} // namespace lumivane::win32
#endif
