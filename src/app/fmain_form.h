#pragma once

#include "windows/form.h"

// The main window's controls, by the names the program and its tests know them by.
namespace lumivane::app::fmain {

using forms::ControlArray;
using forms::ControlRef;

inline constexpr std::string_view kName = "Fmain";
inline constexpr ControlRef Window{kName};

// Directly on the window.
inline constexpr ControlRef Frame2{"Frame2"};
inline constexpr ControlArray thumnail{"thumnail"};
inline constexpr ControlRef ListScroll{"ListScroll"};
inline constexpr ControlRef Frame1{"Frame1"};
inline constexpr ControlRef chkShowMsg{"chkShowMsg"};
inline constexpr ControlRef chkFitImageWidth{"chkFitImageWidth"};
inline constexpr ControlRef chkFitImageHeight{"chkFitImageHeight"};
inline constexpr ControlRef chkReload{"chkReload"};
inline constexpr ControlRef lblMessage{"lblMessage"};
inline constexpr ControlRef cmdAbout{"cmdAbout"};
inline constexpr ControlRef cmdMake{"cmdMake"};
inline constexpr ControlRef cmdReturn{"cmdReturn"};
inline constexpr ControlRef cmdDetail{"cmdDetail"};
inline constexpr ControlRef lstImagePath{"lstImagePath"};
inline constexpr ControlRef Frame3{"Frame3"};

// Inside Frame3.
inline constexpr ControlRef chkShowIcon{"chkShowIcon"};
inline constexpr ControlRef chkShowLine{"chkShowLine"};
inline constexpr ControlRef chkThumbnail{"chkThumbnail"};
inline constexpr ControlRef chkThumnailPosition{"chkThumnailPosition"};
inline constexpr ControlRef chkShowFolderName{"chkShowFolderName"};
inline constexpr ControlRef chkFolderNamePosition{"chkFolderNamePosition"};
inline constexpr ControlRef chkFolderNameItalic{"chkFolderNameItalic"};
inline constexpr ControlRef chkShowDetail{"chkShowDetail"};
inline constexpr ControlRef cmdTovraMode{"cmdTovraMode"};
inline constexpr ControlRef cmdSetColors{"cmdSetColors"};
inline constexpr ControlRef Label1{"Label1"};
inline constexpr ControlRef cmbFolderNameSize{"cmbFolderNameSize"};
inline constexpr ControlRef Label2{"Label2"};
inline constexpr ControlRef cmbInfoSize{"cmbInfoSize"};
inline constexpr ControlRef Label4{"Label4"};
inline constexpr ControlArray lblColor{"lblColor"};
inline constexpr ControlArray cmdSetLink{"cmdSetLink"};
inline constexpr ControlArray Label5{"Label5"};
inline constexpr ControlRef Frame4{"Frame4"};
inline constexpr ControlRef Label7{"Label7"};
inline constexpr ControlRef Picture1{"Picture1"};
inline constexpr ControlArray PToolBarBackImage{"PToolBarBackImage"};

// Inside Frame4.
inline constexpr ControlArray chkSetLink{"chkSetLink"};
inline constexpr ControlArray Label6{"Label6"};
inline constexpr ControlArray txtLinkTitle{"txtLinkTitle"};
inline constexpr ControlArray txtLink{"txtLink"};
inline constexpr ControlRef Label3{"Label3"};
inline constexpr ControlRef cmbLinkSize{"cmbLinkSize"};

/// The outer heights in twips: the client height plus 330 of title bar and 45 of bottom
/// border. Collapsed shows the rows above Frame3; expanded the whole client area.
inline constexpr int kCollapsedHeight = 3255;
inline constexpr int kExpandedHeight = 7050;
inline constexpr int kTitleAndBorderTwips = 375;

/// The help line's first text, and the text over the window's and Frame2's background.
inline constexpr std::string_view kDropImagesText = "イメージファイルをドロップしてください。";

} // namespace lumivane::app::fmain

namespace lumivane::app {

/// The main window as designed: collapsed and expanded, every control in its container.
const forms::FormSpec& FmainForm();

} // namespace lumivane::app
