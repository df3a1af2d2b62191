#pragma once

#include "windows/twips.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// A window's design as data: every control with its kind, caption, place and first state.
// Both front-ends build their windows from these tables, and the window tests of both walk
// them, so a control's place or text is written down once.
namespace lumivane::forms {

/// A control of a form: its name and, for an element of a control array, its index.
struct ControlRef {
    std::string_view name;
    int index = -1; ///< -1 for a control that is not an array element

    friend constexpr bool operator==(const ControlRef&, const ControlRef&) = default;
};

/// A control array: `lblColor(2)` is its element 2.
struct ControlArray {
    std::string_view name;
    constexpr ControlRef operator()(int index) const { return {name, index}; }
};

/// The name a control is known by: "cmdMake", or "lblColor(2)" for an array element.
std::string fullName(ControlRef ref);

enum class Kind : std::uint8_t {
    Frame,        ///< a captioned frame holding other controls
    Label,        ///< text the user cannot edit
    Button,       ///< a push button
    CheckBox,     ///< a check box with its caption
    TextBox,      ///< one line of text the user types
    DropDownList, ///< a list the user picks an item from and never types in
    ListBox,      ///< a list of text items
    ScrollBar,    ///< a horizontal scroll bar
    PictureBox,   ///< a container showing a picture at its natural size
    Image,        ///< a picture stretched over the control
    HelpLine,     ///< a bordered message line that shows every text whole
    Tiles,        ///< a picture repeated over its container, as a toolbar background
};

/// First states and looks. A control without them is visible, enabled, unchecked, without
/// border, on its window's colours.
enum State : unsigned {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Checked = 1u << 2,
    Bordered = 1u << 3,       ///< a single-line border (a sunken one for a picture box)
    ButtonFace = 1u << 4,     ///< on the system's button-face colour
    Transparent = 1u << 5,    ///< a label that lets what lies under it show
    AutoSize = 1u << 6,       ///< a label as large as its text; the place gives left and top
    AccessKey = 1u << 7,      ///< "&F" in the caption shows F underlined
    Link = 1u << 8,           ///< an address: highlight colour, pointing hand, reports clicks
    FillsContainer = 1u << 9, ///< covers the inside of its container, whatever its place says
    Sunken = 1u << 10,        ///< a sunken border, as a text box has
    DragSource = 1u << 11,    ///< a left press starts dragging it, an outline following the pointer
};

/// A picture that a control shows from the start; the front-end draws or loads it.
enum class Art : std::uint8_t {
    None,
    SampleWindow,     ///< a folder window in Web View (the colour changer's sample)
    ToolbarGrip,      ///< the grip at the left of a toolbar
    ToolbarSeparator, ///< the line between two toolbars
    ProgramIcon,      ///< the program's own icon
};

/// A scroll bar's range (its minimum is 0) and how far a click on an arrow or in the track
/// moves it.
struct ScrollRange {
    int maximum = 0;
    int smallChange = 1;
    int largeChange = 1;
};

/// A font of its own for a control; an empty face keeps the window's font.
struct Font {
    std::string_view face;
    double points = 0;
};

/// One control as designed.
struct ControlSpec {
    ControlRef ref;
    Kind kind;
    std::string_view container; ///< the control it lies in, or the form's own name
    Twips place;                ///< left, top, width, height in twips within the container
    std::string_view caption = {};
    unsigned state = 0;
    /// Put on the help line while the pointer is over the control (for a control that holds
    /// others, over its own background); empty where pointing changes nothing.
    std::string_view help = {};
    Font font = {};
    Art art = Art::None;
    /// A colour of its own (a Windows colour value), painted behind the control.
    std::optional<std::uint32_t> backColor = std::nullopt;
    ScrollRange range = {};

    bool has(State s) const { return (state & s) != 0; }
};

enum class WindowStyle : std::uint8_t {
    FixedSingle, ///< a fixed single border with a full caption bar and only a close box
    ToolWindow,  ///< a fixed tool window: small caption bar with only a close box
};

/// A window as designed.
struct FormSpec {
    std::string_view name;
    std::string_view caption;
    WindowStyle style;
    /// The client area: its top-left on the screen when first shown (0, 0 where the system
    /// chooses), its width and height, in twips.
    Twips client;
    std::span<const ControlSpec> controls;
    /// Put on the help line while the pointer is over the window's own background.
    std::string_view help = {};

    /// The row of `ref`. An element made at run time (of an array designed with element 0
    /// alone) takes element 0's. Throws std::logic_error for a control the form does not have.
    const ControlSpec& control(ControlRef ref) const;
    /// The row of `ref`, or null.
    const ControlSpec* find(ControlRef ref) const;
    /// The help text of a control, or of the window itself for the form's own name.
    std::string_view helpText(ControlRef ref) const;
};

} // namespace lumivane::forms
