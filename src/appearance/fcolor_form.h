#pragma once

#include "windows/form.h"

// The colour changer's controls, by the names the program and its tests know them by.
namespace lumivane::fcolor {

using forms::ControlArray;
using forms::ControlRef;

inline constexpr std::string_view kName = "Fcolor";

inline constexpr ControlRef Label1{"Label1"};
inline constexpr ControlRef hsRed{"hsRed"};
inline constexpr ControlRef Label2{"Label2"};
inline constexpr ControlRef hsGreen{"hsGreen"};
inline constexpr ControlRef Label3{"Label3"};
inline constexpr ControlRef hsBlue{"hsBlue"};
inline constexpr ControlRef picSample{"picSample"};
inline constexpr ControlRef cmbTarget{"cmbTarget"};
inline constexpr ControlRef cmdBack{"cmdBack"};
inline constexpr ControlRef cmdCansel{"cmdCansel"};
inline constexpr ControlRef cmdChange{"cmdChange"};
inline constexpr ControlRef picExample{"picExample"};
inline constexpr ControlRef lblMessage{"lblMessage"};

// The sample window, laid over the picture in picExample.
inline constexpr ControlRef Picture1{"Picture1"};
inline constexpr ControlArray PToolBarBackImage{"PToolBarBackImage"};
inline constexpr ControlRef Image1{"Image1"};
inline constexpr ControlRef Image2{"Image2"};
inline constexpr ControlRef Image3{"Image3"};
inline constexpr ControlArray lblMenuString{"lblMenuString"};
inline constexpr ControlRef lblButtonString{"lblButtonString"};
inline constexpr ControlRef lblAddress{"lblAddress"};
inline constexpr ControlRef lblWindowBack{"lblWindowBack"};
inline constexpr ControlRef imgIcon{"imgIcon"};
inline constexpr ControlRef lblIconString{"lblIconString"};

/// The scroll bars' range and steps: a click on an arrow moves a bar by 1, a click in the
/// track by 1, but by 10 in the red bar's.
inline constexpr int kColorMaximum = 255;
inline constexpr int kRedPageStep = 10;

} // namespace lumivane::fcolor

namespace lumivane {

/// The colour changer "色チェンジ" as designed, with its sample Explorer window.
const forms::FormSpec& FcolorForm();

} // namespace lumivane
