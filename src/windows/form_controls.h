#pragma once

#include "windows/form.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::forms {

/// The controls of one open window, as a front-end made them from its form: the properties
/// that a window's rules read and set. Setting a property from here has the user's effect:
/// a check box's value runs its click handler, a scroll bar's value its change handler, a
/// list's selection its click handler. Colours are Windows colour values (red in the low
/// byte). Every call names a control the form has; any other is a fault of the program.
class FormControls {
public:
    virtual ~FormControls() = default;

    /// A check box's value (0 unchecked, 1 checked, 2 greyed) or a scroll bar's position.
    virtual int value(ControlRef ref) const = 0;
    virtual void setValue(ControlRef ref, int value) = 0;

    /// A caption, a text box's text or a drop-down list's selected item.
    virtual std::string text(ControlRef ref) const = 0;
    virtual void setText(ControlRef ref, std::string_view text) = 0;
    /// A fuller form of the text, shown when the pointer rests on the control; empty for none.
    virtual void setToolTip(ControlRef ref, std::string_view text) = 0;

    /// Drop-down lists and list boxes: the items, and a drop-down list's selected one (-1 for
    /// none).
    virtual void addItem(ControlRef ref, std::string_view item) = 0;
    virtual void removeItem(ControlRef ref, int index) = 0;
    virtual int listIndex(ControlRef ref) const = 0;
    virtual void setListIndex(ControlRef ref, int index) = 0;

    /// Scroll bars: the largest value (the smallest is 0). A value above it comes down to it,
    /// with the user's effect.
    virtual void setMaximum(ControlRef ref, int maximum) = 0;

    virtual bool enabled(ControlRef ref) const = 0;
    virtual void setEnabled(ControlRef ref, bool enabled) = 0;
    virtual void setVisible(ControlRef ref, bool visible) = 0;

    virtual void setBackColor(ControlRef ref, std::uint32_t color) = 0;
    virtual void setForeColor(ControlRef ref, std::uint32_t color) = 0;

    /// Moves the control to a place in twips within its container.
    virtual void move(ControlRef ref, Twips place) = 0;

    /// Creates element `ref.index` of a control array in the form of element 0, hidden.
    virtual void load(ControlRef element) = 0;
    /// Destroys an element created by load.
    virtual void unload(ControlRef element) = 0;
};

/// The events of controls that a window's rules handle.
enum class Event : std::uint8_t {
    Click,      ///< a button pressed; a check box's value or a list's selection changed; a
                ///< picture or an address clicked
    Change,     ///< a scroll bar's value changed
    Scroll,     ///< a scroll bar's box is being dragged
    DblClick,   ///< a double click
    RightClick, ///< a click with the right mouse button
};

/// The events of one open window's controls, as a front-end reports them. A window's rules
/// register their handlers here; elements of a control array loaded later report to the
/// array's handlers too.
class FormEvents {
public:
    using Handler = std::function<void()>;
    using IndexHandler = std::function<void(int index)>;
    using FilesHandler = std::function<void(const std::vector<std::string>& paths)>;

    virtual ~FormEvents() = default;

    virtual void on(ControlRef control, Event event, Handler handler) = 0;
    /// An event of any element of a control array, with the element's index.
    virtual void on(ControlArray array, Event event, IndexHandler handler) = 0;

    /// Files dropped onto the control from another program: their Windows paths, in the
    /// drop's order. The drop is taken as a copy, so the other program keeps its files.
    virtual void onFilesDropped(ControlRef target, FilesHandler handler) = 0;
    /// An element of `source` (whose elements are drag sources) dragged onto the control and
    /// released there.
    virtual void onDragDrop(ControlRef target, ControlArray source, IndexHandler handler) = 0;
    /// While `open` answers false, the target takes no drop and an element of an array that
    /// drops on it cannot be dragged.
    virtual void setDropGate(ControlRef target, std::function<bool()> open) = 0;

    /// The pointer moved over a control that has a help text (over a control that holds
    /// others, only over its own background), or over the window's own background, which
    /// reports the form's name.
    virtual void onPointerOver(std::function<void(ControlRef over)> handler) = 0;
};

} // namespace lumivane::forms
