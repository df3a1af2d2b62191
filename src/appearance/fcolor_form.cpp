#include "appearance/fcolor_form.h"

#include <array>

namespace lumivane {
namespace {

using namespace fcolor;
using forms::Art;
using forms::ControlSpec;
using forms::Kind;
using enum forms::State;

constexpr std::string_view kWindow = kName;

// A caption with no size takes the size of its text. The sample's captions are transparent,
// so the toolbar's tiles show under them.
constexpr auto kControls = std::to_array<ControlSpec>({
    {Label1, Kind::Label, kWindow, {60, 120, 0, 0}, "R", AutoSize},
    {.ref = hsRed,
     .kind = Kind::ScrollBar,
     .container = kWindow,
     .place = {300, 60, 2475, 255},
     .range = {kColorMaximum, 1, kRedPageStep}},
    {Label2, Kind::Label, kWindow, {60, 420, 0, 0}, "G", AutoSize},
    {.ref = hsGreen,
     .kind = Kind::ScrollBar,
     .container = kWindow,
     .place = {300, 360, 2475, 255},
     .range = {kColorMaximum, 1, 1}},
    {Label3, Kind::Label, kWindow, {60, 720, 0, 0}, "B", AutoSize},
    {.ref = hsBlue,
     .kind = Kind::ScrollBar,
     .container = kWindow,
     .place = {300, 660, 2475, 255},
     .range = {kColorMaximum, 1, 1}},
    // The swatch of the selected colour.
    {picSample, Kind::PictureBox, kWindow, {2820, 60, 915, 855}, "", Bordered},
    {cmbTarget, Kind::DropDownList, kWindow, {0, 960, 1755, 300}},
    {cmdBack, Kind::Button, kWindow, {1800, 990, 615, 255}, "戻す"},
    {cmdCansel, Kind::Button, kWindow, {2460, 990, 615, 255}, "中止"},
    {cmdChange, Kind::Button, kWindow, {3120, 990, 615, 255}, "変更"},
    {.ref = picExample,
     .kind = Kind::PictureBox,
     .container = kWindow,
     .place = {0, 1320, 3735, 2525},
     .art = Art::SampleWindow},
    // The selected target's help text; empty until the first selection.
    {lblMessage, Kind::HelpLine, kWindow, {0, 3840, 3735, 615}, "", Bordered},

    // The sample toolbar: its menu bar and address bar over the tiled toolbar background.
    {Picture1, Kind::PictureBox, "picExample", {100, 382, 3855, 755}},
    {PToolBarBackImage(0), Kind::Tiles, "Picture1", {0, 0, 555, 510}, "", FillsContainer},
    {.ref = Image1,
     .kind = Kind::Image,
     .container = "Picture1",
     .place = {30, 30, 45, 330},
     .art = Art::ToolbarGrip},
    {.ref = Image2,
     .kind = Kind::Image,
     .container = "Picture1",
     .place = {30, 450, 45, 270},
     .art = Art::ToolbarGrip},
    {.ref = Image3,
     .kind = Kind::Image,
     .container = "Picture1",
     .place = {0, 390, 3900, 30},
     .art = Art::ToolbarSeparator},
    {lblMenuString(0),
     Kind::Label,
     "Picture1",
     {240, 110, 0, 0},
     "ファイル(&F)",
     Transparent | AutoSize | AccessKey},
    {lblMenuString(1),
     Kind::Label,
     "Picture1",
     {1380, 110, 0, 0},
     "編集(&E)",
     Transparent | AutoSize | AccessKey},
    {lblMenuString(2),
     Kind::Label,
     "Picture1",
     {2250, 110, 0, 0},
     "表示(&V)",
     Transparent | AutoSize | AccessKey},
    {lblMenuString(3),
     Kind::Label,
     "Picture1",
     {3120, 110, 0, 0},
     "移動(&G)",
     Transparent | AutoSize | AccessKey},
    {lblButtonString,
     Kind::Label,
     "Picture1",
     {130, 500, 0, 0},
     "アドレス(&D)",
     Transparent | AutoSize | AccessKey},
    {.ref = lblAddress,
     .kind = Kind::Label,
     .container = "Picture1",
     .place = {1080, 440, 2580, 295},
     .caption = "  C:\\Temp",
     .state = Sunken,
     .font = {"ＭＳ Ｐゴシック", 11.25}},
    // The window background area, over the file list part of the picture.
    {lblWindowBack, Kind::Label, "picExample", {2325, 1230, 1380, 1305}},
    {.ref = imgIcon,
     .kind = Kind::Image,
     .container = "picExample",
     .place = {2640, 1440, 480, 480},
     .art = Art::ProgramIcon},
    {lblIconString,
     Kind::Label,
     "picExample",
     {2580, 1980, 0, 0},
     "lumi.exe",
     Transparent | AutoSize},
});

} // namespace

const forms::FormSpec& FcolorForm() {
    static const forms::FormSpec form{
        kName, "色チェンジ", forms::WindowStyle::ToolWindow, {0, 0, 3735, 4500}, kControls,
    };
    return form;
}

} // namespace lumivane
