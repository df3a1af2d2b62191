#pragma once

#include "windows/form.h"

#include <string_view>

// The three small windows: the about box, the progress window and the picture preview.
namespace lumivane::windows {

namespace fabout {
using forms::ControlRef;
inline constexpr std::string_view kName = "FAbout";
inline constexpr ControlRef Label2{"Label2"};
inline constexpr ControlRef lblVer{"lblVer"};
inline constexpr ControlRef Label1{"Label1"};
inline constexpr ControlRef lblURL{"lblURL"};
inline constexpr ControlRef Label4{"Label4"};
inline constexpr ControlRef lblMail{"lblMail"};
inline constexpr ControlRef cmdOK{"cmdOK"};
} // namespace fabout

namespace fgraph {
using forms::ControlRef;
inline constexpr std::string_view kName = "Fgraph";
inline constexpr ControlRef Label2{"Label2"};
inline constexpr ControlRef lblBar{"lblBar"};
inline constexpr ControlRef Label3{"Label3"};
} // namespace fgraph

namespace fview {
using forms::ControlRef;
inline constexpr std::string_view kName = "Fview";
inline constexpr ControlRef Pview{"Pview"};
/// Room that the window's outer size leaves around the picture for border and caption bar.
inline constexpr int kExtraWidth = 80;
inline constexpr int kExtraHeight = 300;
} // namespace fview

/// The about box: name, version, maker and two addresses handed to the desktop.
const forms::FormSpec& FAboutForm();
/// The progress window; its bar lblBar starts empty.
const forms::FormSpec& FgraphForm();
/// The preview window: one picture at its natural size.
const forms::FormSpec& FviewForm();

/// The place of the progress bar at a width in twips (its left, top and height stay).
Twips progressBarPlace(double widthTwips);

} // namespace lumivane::windows
