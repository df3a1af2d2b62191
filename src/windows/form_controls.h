#pragma once

#include "windows/form.h"

#include <cstdint>
#include <string>
#include <string_view>

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

    /// Drop-down lists: the items and the selected one (-1 for none).
    virtual void addItem(ControlRef ref, std::string_view item) = 0;
    virtual int listIndex(ControlRef ref) const = 0;
    virtual void setListIndex(ControlRef ref, int index) = 0;

    /// Scroll bars: the largest value (the smallest is 0).
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

} // namespace lumivane::forms
