#include "windows/small_forms.h"

#include "windows/progress_bar.h"

#include <array>

namespace lumivane::windows {
namespace {

using forms::ControlSpec;
using forms::Kind;
using enum forms::State;

// The about box's own typeface, as it was designed; hosts without it fall back to a Japanese
// face they have.
constexpr std::string_view kAboutFace = "ＭＳ Ｐゴシック";

constexpr auto kAboutControls = std::to_array<ControlSpec>({
    {.ref = fabout::Label2,
     .kind = Kind::Label,
     .container = fabout::kName,
     .place = {900, 240, 2775, 495},
     .caption = "Lumivane",
     .font = {kAboutFace, 21.75}},
    // Replaced by the version line when the box loads.
    {.ref = fabout::lblVer,
     .kind = Kind::Label,
     .container = fabout::kName,
     .place = {3060, 840, 1215, 315},
     .caption = "Ver.1.00",
     .font = {kAboutFace, 14.25}},
    {fabout::Label1, Kind::Label, fabout::kName, {540, 1320, 1005, 180}, "Lumivane"},
    {fabout::lblURL,
     Kind::Label,
     fabout::kName,
     {1740, 1320, 2655, 180},
     "https://lumivane.example.org/",
     Link},
    {fabout::Label4, Kind::Label, fabout::kName, {300, 1620, 1290, 180}, "Mail me, Please!!"},
    {fabout::lblMail,
     Kind::Label,
     fabout::kName,
     {1740, 1620, 1590, 180},
     "lumivane@example.org",
     Link},
    {fabout::cmdOK, Kind::Button, fabout::kName, {3780, 1860, 855, 375}, "OK"},
});

constexpr Twips kBarPlace{390, 270, 435, 435};

constexpr auto kGraphControls = std::to_array<ControlSpec>({
    // The bar's frame; the bar stands 30 inside it on every side.
    {fgraph::Label2, Kind::Label, fgraph::kName, {360, 240, 3495, 495}, "", Bordered},
    // Pure blue, in front of its frame; designed 435 wide, empty when the window loads.
    {.ref = fgraph::lblBar,
     .kind = Kind::Label,
     .container = fgraph::kName,
     .place = kBarPlace,
     .backColor = 0xFF0000u},
    {fgraph::Label3,
     Kind::Label,
     fgraph::kName,
     {780, 900, 2595, 180},
     "しばらく、そのままでお待ちください"},
});

constexpr auto kViewControls = std::to_array<ControlSpec>({
    // Takes the natural size of the picture it is given; a click closes the window.
    {fview::Pview, Kind::PictureBox, fview::kName, {0, 0, 1215, 495}},
});

} // namespace

const forms::FormSpec& FAboutForm() {
    static const forms::FormSpec form{fabout::kName,
                                      "ABOUT",
                                      forms::WindowStyle::ToolWindow,
                                      {4875, 1845, 4680, 2250},
                                      kAboutControls};
    return form;
}

const forms::FormSpec& FgraphForm() {
    static const forms::FormSpec form{fgraph::kName,
                                      "処理中だ！！",
                                      forms::WindowStyle::ToolWindow,
                                      {2340, 1845, 4125, 1305},
                                      kGraphControls};
    return form;
}

const forms::FormSpec& FviewForm() {
    static const forms::FormSpec form{
        fview::kName, "", forms::WindowStyle::ToolWindow, {6570, 5715, 4680, 3195}, kViewControls};
    return form;
}

Twips progressBarPlace(double widthTwips) {
    Twips place = kBarPlace;
    place.width = static_cast<int>(widthTwips + 0.5);
    return place;
}

} // namespace lumivane::windows
