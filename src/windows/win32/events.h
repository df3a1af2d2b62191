#pragma once

#include "windows/form.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumivane::win32 {

/// What a control or a window reports to the handlers registered for it.
enum class Event : std::uint8_t {
    Click,        ///< a button or check box pressed, a list's choice changed, a label clicked
    DblClick,     ///< a double click with the left button
    Change,       ///< a text box's text or a scroll bar's value changed
    Scroll,       ///< a scroll bar's box is being dragged
    MouseMove,    ///< the pointer moved over the control (a container: over its own background)
    MouseDown,    ///< a mouse button went down over the control
    MouseUp,      ///< a mouse button came up
    RightClick,   ///< the right button went down and up over the control
    FilesDropped, ///< files dropped from the shell; a handler makes the control a drop target
    DragDrop,     ///< a drag source of the same window let go over the control
    Unload,       ///< the window is closing (registered under the form's own name)
};

/// Mouse buttons, as the bits of EventArgs::button.
enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

/// What an event carries.
struct EventArgs {
    int index = -1;                 ///< the element of a control array; -1 for a single control
    int button = 0;                 ///< mouse events: the buttons concerned (MouseButton bits)
    int x = 0;                      ///< mouse events: the pointer in twips from the control's left
    int y = 0;                      ///< and top
    std::vector<std::string> files; ///< FilesDropped: Windows paths (UTF-8), in drop order
    forms::ControlRef source{};     ///< DragDrop: the control that was dragged
};

using Handler = std::function<void(const EventArgs&)>;

} // namespace lumivane::win32
