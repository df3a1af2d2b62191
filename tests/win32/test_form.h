#pragma once

#include "platform/win32/wide.h"
#include "windows/form.h"
#include "windows/win32/system.h"

#include <chrono>
#include <functional>
#include <string>
#include <utility>

// A window with a control of every kind, in the shapes the program's forms use: a frame and
// a picture box holding controls, an image array, a label of every look.
namespace lumivane::win32::testing {

using namespace lumivane::forms;

inline constexpr ControlSpec kRows[] = {
    {.ref = {"Frame1"},
     .kind = Kind::Frame,
     .container = "Ftest",
     .place = {0, 60, 3000, 1500},
     .caption = "枠 & 絵",
     .help = "frame's own help"},
    {.ref = {"lblInside"},
     .kind = Kind::Label,
     .container = "Frame1",
     .place = {120, 240, 1500, 180},
     .caption = "中の文字 & 記号"},
    {.ref = {"chkInside"},
     .kind = Kind::CheckBox,
     .container = "Frame1",
     .place = {120, 480, 2000, 195},
     .caption = "チェック",
     .state = Checked},
    {.ref = {"thumb", 0},
     .kind = Kind::Image,
     .container = "Frame1",
     .place = {180, 780, 915, 600},
     .state = Hidden | DragSource},
    {.ref = {"cmdGo"},
     .kind = Kind::Button,
     .container = "Ftest",
     .place = {3120, 60, 735, 315},
     .caption = "変更",
     .state = Disabled},
    {.ref = {"cmdKey"},
     .kind = Kind::Button,
     .container = "Ftest",
     .place = {3900, 60, 735, 315},
     .caption = "&Go",
     .state = AccessKey},
    {.ref = {"txtLink", 0},
     .kind = Kind::TextBox,
     .container = "Ftest",
     .place = {3120, 420, 1815, 255},
     .state = Disabled | ButtonFace},
    {.ref = {"cmbSize"},
     .kind = Kind::DropDownList,
     .container = "Ftest",
     .place = {3120, 780, 1215, 300}},
    {.ref = {"lstPaths"},
     .kind = Kind::ListBox,
     .container = "Ftest",
     .place = {8220, 4620, 3975, 2760},
     .state = Hidden},
    {.ref = {"hsList"},
     .kind = Kind::ScrollBar,
     .container = "Ftest",
     .place = {60, 1320, 2880, 255}},
    {.ref = {"picBox"},
     .kind = Kind::PictureBox,
     .container = "Ftest",
     .place = {60, 1680, 2880, 1200},
     .state = Bordered},
    {.ref = {"tiles"},
     .kind = Kind::Tiles,
     .container = "picBox",
     .place = {0, 0, 555, 510},
     .state = FillsContainer},
    {.ref = {"lblHelp"},
     .kind = Kind::HelpLine,
     .container = "Ftest",
     .place = {3120, 1200, 2700, 435},
     .caption = "Label1",
     .state = Bordered},
    {.ref = {"lblAuto"},
     .kind = Kind::Label,
     .container = "Ftest",
     .place = {3120, 1740, 300, 180},
     .caption = "短い文字",
     .state = AutoSize},
    {.ref = {"lblClear"},
     .kind = Kind::Label,
     .container = "Ftest",
     .place = {3120, 2040, 1500, 180},
     .caption = "透明",
     .state = Transparent},
    {.ref = {"lblURL"},
     .kind = Kind::Label,
     .container = "Ftest",
     .place = {3120, 2340, 2655, 180},
     .caption = "https://lumivane.example.org/",
     .state = Link},
    {.ref = {"lblBig"},
     .kind = Kind::Label,
     .container = "Ftest",
     .place = {3120, 2640, 2775, 495},
     .caption = "Lumivane",
     .font = {"ＭＳ Ｐゴシック", 21.75}},
    {.ref = {"lblColor", 0},
     .kind = Kind::Label,
     .container = "Ftest",
     .place = {60, 3000, 1755, 240},
     .caption = "Black",
     .state = Bordered,
     .help = "colour 0"},
    {.ref = {"lblColor", 1},
     .kind = Kind::Label,
     .container = "Ftest",
     .place = {60, 3300, 1755, 240},
     .caption = "blue",
     .state = Bordered,
     .help = "colour 1"},
};

inline constexpr FormSpec kForm{.name = "Ftest",
                                .caption = "テスト窓",
                                .style = WindowStyle::FixedSingle,
                                .client = {0, 0, 6000, 3750},
                                .controls = kRows,
                                .help = "the window's own help"};

inline constexpr FormSpec kToolForm{.name = "Ftool",
                                    .caption = "処理中だ！！",
                                    .style = WindowStyle::ToolWindow,
                                    .client = {2340, 1845, 4125, 1305},
                                    .controls = {}};

/// Dispatches this thread's window messages until `done` or the time is up.
inline bool pumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    MSG message;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (!done())
            Sleep(5);
    }
    return true;
}

/// The tool tip text a control of the form shows, and how many tools the form's tool tip
/// window has; an empty text and -1 while the form has none.
template <class Form> std::pair<std::string, int> toolTipOf(const Form& form, ControlRef ref) {
    wchar_t text[512] = {};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = form.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(form.hwnd(ref));
    tool.lpszText = text;
    // Only this thread's tool tip windows are looked at: the form's.
    for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w;
         w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr))
        if (GetWindow(w, GW_OWNER) == form.hwnd()) {
            SendMessageW(w, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
            return {platform::win32::fromWide(text),
                    static_cast<int>(SendMessageW(w, TTM_GETTOOLCOUNT, 0, 0))};
        }
    return {std::string(), -1};
}

/// Lets every message already queued run.
inline void pump() {
    pumpUntil([] { return false; }, std::chrono::milliseconds(50));
}

} // namespace lumivane::win32::testing
