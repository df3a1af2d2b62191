// The controls behind FormControls: what the rules set is what the window shows, setting a
// property from the program has the user's effect, and the user's actions reach the handlers.
#include "platform/win32/wide.h"
#include "test_form.h"
#include "windows/win32/form.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace lumivane::win32::testing {
namespace {

class FormControlsTest : public ::testing::Test {
protected:
    /// Counts each event of a control, or of any element of an array (keeping its index).
    void count(ControlRef ref, Event event) {
        form.on(ref, event, [this, name = fullName(ref), event] { ++counts[{name, event}]; });
    }
    void count(ControlArray array, Event event) {
        form.on(array, event, [this, name = std::string(array.name), event](int index) {
            ++counts[{name, event}];
            lastIndex = index;
        });
    }
    int counted(std::string_view name, Event event) { return counts[{std::string(name), event}]; }

    Form form{kForm, nullptr, {.closing = [this] { ++closings; }, .systemColorsChanged = {}}};
    std::map<std::pair<std::string, Event>, int> counts;
    int lastIndex = -1;
    int closings = 0;
};

TEST_F(FormControlsTest, CheckBoxValueFromTheProgramRunsTheClickHandler) {
    count(ControlRef{"chkInside"}, Event::Click);
    form.setValue({"chkInside"}, 0);
    EXPECT_EQ(form.value({"chkInside"}), 0);
    EXPECT_EQ(SendMessageW(form.hwnd({"chkInside"}), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(counted("chkInside", Event::Click), 1);
    form.setValue({"chkInside"}, 0);
    EXPECT_EQ(counted("chkInside", Event::Click), 1) << "no change, no click";
    // The user's click, through the frame the check box lies in.
    SendMessageW(form.hwnd({"chkInside"}), BM_CLICK, 0, 0);
    EXPECT_EQ(form.value({"chkInside"}), 1);
    EXPECT_EQ(counted("chkInside", Event::Click), 2);
}

TEST_F(FormControlsTest, ButtonsReportClicksAndTheProgramCanPressThem) {
    count(ControlRef{"cmdKey"}, Event::Click);
    SendMessageW(form.hwnd({"cmdKey"}), BM_CLICK, 0, 0);
    form.setValue({"cmdKey"}, 1);
    EXPECT_EQ(counted("cmdKey", Event::Click), 2);
    EXPECT_EQ(form.value({"cmdKey"}), 0);
}

TEST_F(FormControlsTest, ScrollBarValueMaximumAndTheUsersMoves) {
    count(ControlRef{"hsList"}, Event::Change);
    count(ControlRef{"hsList"}, Event::Scroll);
    EXPECT_EQ(form.value({"hsList"}), 0);
    form.setValue({"hsList"}, 3);
    EXPECT_EQ(form.value({"hsList"}), 0) << "the maximum starts at 0";
    EXPECT_EQ(counted("hsList", Event::Change), 0);

    form.setMaximum({"hsList"}, 24);
    form.setValue({"hsList"}, 3);
    EXPECT_EQ(form.value({"hsList"}), 3);
    EXPECT_EQ(counted("hsList", Event::Change), 1);
    int low = -1;
    int high = -1;
    GetScrollRange(form.hwnd({"hsList"}), SB_CTL, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 24);

    // The user: an arrow and a click in the track move by one; the box dragged scrolls.
    const HWND bar = form.hwnd({"hsList"});
    const auto user = [&](WORD code, WORD position = 0) {
        SendMessageW(form.hwnd(), WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(bar));
    };
    user(SB_LINERIGHT);
    EXPECT_EQ(form.value({"hsList"}), 4);
    user(SB_PAGELEFT);
    EXPECT_EQ(form.value({"hsList"}), 3);
    EXPECT_EQ(counted("hsList", Event::Change), 3);
    user(SB_THUMBTRACK, 10);
    EXPECT_EQ(form.value({"hsList"}), 10);
    EXPECT_EQ(counted("hsList", Event::Scroll), 1);
    user(SB_THUMBPOSITION, 10);
    EXPECT_EQ(counted("hsList", Event::Change), 3) << "the box let go where it was dragged";

    // A maximum below the value brings the value back into range, as a change.
    form.setMaximum({"hsList"}, 6);
    EXPECT_EQ(form.value({"hsList"}), 6);
    EXPECT_EQ(counted("hsList", Event::Change), 4);
    user(SB_LINERIGHT);
    EXPECT_EQ(form.value({"hsList"}), 6);
    EXPECT_EQ(counted("hsList", Event::Change), 4) << "at the end nothing moves";
}

TEST_F(FormControlsTest, TextBoxText) {
    form.setEnabled({"txtLink", 0}, true);
    form.setText({"txtLink", 0}, "https://例え.example/ページ");
    EXPECT_EQ(form.text({"txtLink", 0}), "https://例え.example/ページ");
    // Typing at the end.
    SendMessageW(form.hwnd({"txtLink", 0}), EM_SETSEL, 0x7fff, 0x7fff);
    SendMessageW(form.hwnd({"txtLink", 0}), WM_CHAR, L'x', 0);
    EXPECT_EQ(form.text({"txtLink", 0}), "https://例え.example/ページx");
}

TEST_F(FormControlsTest, DropDownListItemsAndChoice) {
    count(ControlRef{"cmbSize"}, Event::Click);
    for (const char* size : {"9pt", "12pt", "16pt"})
        form.addItem({"cmbSize"}, size);
    EXPECT_EQ(form.listIndex({"cmbSize"}), -1);
    EXPECT_EQ(form.text({"cmbSize"}), "");
    form.setListIndex({"cmbSize"}, 1);
    EXPECT_EQ(form.text({"cmbSize"}), "12pt");
    EXPECT_EQ(counted("cmbSize", Event::Click), 1);
    form.setText({"cmbSize"}, "16pt");
    EXPECT_EQ(form.listIndex({"cmbSize"}), 2);
    EXPECT_EQ(counted("cmbSize", Event::Click), 2);
    EXPECT_THROW(form.setText({"cmbSize"}, "20pt"), std::logic_error);
    // The user's choice.
    const HWND box = form.hwnd({"cmbSize"});
    SendMessageW(box, CB_SETCURSEL, 0, 0);
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(form.text({"cmbSize"}), "9pt");
    EXPECT_EQ(counted("cmbSize", Event::Click), 3);
}

TEST_F(FormControlsTest, ListBoxItems) {
    form.addItem({"lstPaths"}, "C:\\写真\\a.jpg");
    form.addItem({"lstPaths"}, "C:\\写真\\b.gif");
    form.addItem({"lstPaths"}, "C:\\写真\\c.bmp");
    form.setListIndex({"lstPaths"}, 1);
    EXPECT_EQ(form.listIndex({"lstPaths"}), 1);
    EXPECT_EQ(form.text({"lstPaths"}), "C:\\写真\\b.gif");
    form.removeItem({"lstPaths"}, 0);
    EXPECT_EQ(SendMessageW(form.hwnd({"lstPaths"}), LB_GETCOUNT, 0, 0), 2);
    form.setListIndex({"lstPaths"}, 1);
    EXPECT_EQ(form.text({"lstPaths"}), "C:\\写真\\c.bmp");
}

TEST_F(FormControlsTest, EnabledVisibleAndPlace) {
    form.setEnabled({"cmdGo"}, true);
    EXPECT_TRUE(form.enabled({"cmdGo"}));
    EXPECT_TRUE(IsWindowEnabled(form.hwnd({"cmdGo"})));
    form.setEnabled({"cmdGo"}, false);
    EXPECT_FALSE(IsWindowEnabled(form.hwnd({"cmdGo"})));

    form.setVisible({"thumb", 0}, true);
    EXPECT_TRUE(GetWindowLongW(form.hwnd({"thumb", 0}), GWL_STYLE) & WS_VISIBLE);

    form.move({"thumb", 0}, {1380, 240, 915, 855});
    RECT r;
    GetWindowRect(form.hwnd({"thumb", 0}), &r);
    MapWindowPoints(nullptr, form.hwnd({"Frame1"}), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 92);
    EXPECT_EQ(r.top, 16);
    EXPECT_EQ(r.right - r.left, 61);
    EXPECT_EQ(r.bottom - r.top, 57);
}

/// The brush and colours a control asks its parent for when it paints.
struct Painted {
    COLORREF brush;
    COLORREF background;
    COLORREF text;
    int mode;
};

Painted paintedColours(const Form& form, ControlRef ref, UINT message = WM_CTLCOLORSTATIC) {
    const HWND control = form.hwnd(ref);
    const HDC dc = GetDC(control);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), message,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof logBrush, &logBrush);
    const Painted painted{logBrush.lbStyle == BS_NULL ? CLR_INVALID : logBrush.lbColor,
                          GetBkColor(dc), GetTextColor(dc), GetBkMode(dc)};
    ReleaseDC(control, dc);
    return painted;
}

TEST_F(FormControlsTest, ColoursOfTheRowsAndFromTheProgram) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(paintedColours(form, {"lblColor", 0}).brush, face) << "on the window's colour";
    EXPECT_EQ(paintedColours(form, {"txtLink", 0}).brush, face) << "ButtonFace, even enabled";
    EXPECT_EQ(paintedColours(form, {"txtLink", 0}, WM_CTLCOLOREDIT).brush, face);
    EXPECT_EQ(paintedColours(form, {"cmbSize"}, WM_CTLCOLOREDIT).brush, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(paintedColours(form, {"lblURL"}).text, GetSysColor(COLOR_HIGHLIGHT))
        << "a link in the highlight colour";
    const Painted clear = paintedColours(form, {"lblClear"});
    EXPECT_EQ(clear.mode, TRANSPARENT);
    EXPECT_EQ(clear.brush, CLR_INVALID) << "nothing painted behind a transparent label";

    form.setBackColor({"lblColor", 0}, RGB(0, 0, 255));
    form.setForeColor({"lblColor", 0}, RGB(255, 255, 0));
    const Painted blue = paintedColours(form, {"lblColor", 0});
    EXPECT_EQ(blue.brush, RGB(0, 0, 255));
    EXPECT_EQ(blue.background, RGB(0, 0, 255));
    EXPECT_EQ(blue.text, RGB(255, 255, 0));
    // Through a container too: the label inside the frame.
    form.setBackColor({"lblInside"}, RGB(1, 2, 3));
    EXPECT_EQ(paintedColours(form, {"lblInside"}).brush, RGB(1, 2, 3));
}

TEST_F(FormControlsTest, ToolTipsHoldTheFullerText) {
    const auto tipOf = [&](ControlRef ref) { return toolTipOf(form, ref); };
    form.setToolTip({"lblHelp"}, "C:\\写真\\とても長い名前のフォルダ\\a.jpg を読めません");
    EXPECT_EQ(tipOf({"lblHelp"}),
              std::pair(std::string("C:\\写真\\とても長い名前のフォルダ\\a.jpg を読めません"), 1));
    form.setToolTip({"lblHelp"}, "短く");
    EXPECT_EQ(tipOf({"lblHelp"}), std::pair(std::string("短く"), 1));
    form.setToolTip({"lblHelp"}, "");
    EXPECT_EQ(tipOf({"lblHelp"}).second, 0);
}

TEST_F(FormControlsTest, ControlArraysLoadAndUnloadElementsInTheFormOfElementZero) {
    count(ControlArray{"thumb"}, Event::Click);
    form.move({"thumb", 0}, {180, 240, 915, 855});
    form.load({"thumb", 1});
    const HWND first = form.hwnd({"thumb", 1});
    EXPECT_EQ(GetParent(first), form.hwnd({"Frame1"}));
    EXPECT_FALSE(GetWindowLongW(first, GWL_STYLE) & WS_VISIBLE) << "loaded hidden";
    RECT r;
    GetWindowRect(first, &r);
    MapWindowPoints(nullptr, form.hwnd({"Frame1"}), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.right - r.left, 61);
    EXPECT_THROW(form.load({"thumb", 1}), std::logic_error) << "already loaded";

    // The array's handlers serve the new element, with its index.
    SendMessageW(form.hwnd({"Frame1"}), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                 reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(counted("thumb", Event::Click), 1);
    EXPECT_EQ(lastIndex, 1);

    form.unload({"thumb", 1});
    EXPECT_FALSE(IsWindow(first));
    EXPECT_THROW(form.hwnd({"thumb", 1}), std::logic_error);
    EXPECT_THROW(form.unload({"thumb", 0}), std::logic_error) << "designed elements stay";
    EXPECT_THROW(form.unload({"lblColor", 1}), std::logic_error);
    pump(); // the unloaded element's object goes
    form.load({"thumb", 1});
    EXPECT_TRUE(IsWindow(form.hwnd({"thumb", 1})));
    EXPECT_THROW(form.text({"nothing"}), std::logic_error);
    EXPECT_THROW(form.value({"lblInside"}), std::logic_error) << "a label has no value";
}

TEST_F(FormControlsTest, PointerOverAControlWithHelpOrTheWindowsOwnBackground) {
    std::vector<std::string> over;
    form.onPointerOver([&](ControlRef ref) { over.push_back(fullName(ref)); });
    SendMessageW(form.hwnd({"lblColor", 1}), WM_MOUSEMOVE, 0, MAKELPARAM(6, 4));
    SendMessageW(form.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(390, 240));
    SendMessageW(form.hwnd({"Frame1"}), WM_MOUSEMOVE, 0, MAKELPARAM(150, 60));
    SendMessageW(form.hwnd({"lblInside"}), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(over, (std::vector<std::string>{"lblColor(1)", "Ftest", "Frame1"}))
        << "a control without a help text reports nothing";

    // Where the pointer lands: over a frame's own background the frame takes it, over a
    // control in the frame the control does.
    form.show();
    const auto under = [&](HWND window, int x, int y) {
        POINT point{x, y};
        ClientToScreen(window, &point);
        return WindowFromPoint(point);
    };
    EXPECT_EQ(under(form.hwnd({"Frame1"}), 150, 60), form.hwnd({"Frame1"}));
    EXPECT_EQ(under(form.hwnd({"Frame1"}), 12, 20), form.hwnd({"lblInside"}));
    EXPECT_EQ(under(form.hwnd(), 390, 240), form.hwnd());
}

TEST_F(FormControlsTest, RightClickAndDoubleClick) {
    count(ControlArray{"thumb"}, Event::RightClick);
    count(ControlRef{"tiles"}, Event::DblClick);
    const HWND thumb = form.hwnd({"thumb", 0});
    SendMessageW(thumb, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageW(thumb, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(counted("thumb", Event::RightClick), 1);
    EXPECT_EQ(lastIndex, 0);
    SendMessageW(thumb, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(counted("thumb", Event::RightClick), 1) << "up without down is no click";
    SendMessageW(thumb, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageW(thumb, WM_RBUTTONUP, 0, MAKELPARAM(300, 3));
    EXPECT_EQ(counted("thumb", Event::RightClick), 1) << "let go elsewhere is no click";

    SendMessageW(form.hwnd({"picBox"}), WM_COMMAND, MAKEWPARAM(0, STN_DBLCLK),
                 reinterpret_cast<LPARAM>(form.hwnd({"tiles"})));
    EXPECT_EQ(counted("tiles", Event::DblClick), 1);
}

TEST_F(FormControlsTest, HandlersOfAControlAndOfItsArrayBothRun) {
    std::vector<std::string> runs;
    form.on(ControlRef{"lblColor", 1}, Event::Click, [&] { runs.push_back("element"); });
    form.on(ControlArray{"lblColor"}, Event::Click,
            [&](int index) { runs.push_back("array " + std::to_string(index)); });
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                 reinterpret_cast<LPARAM>(form.hwnd({"lblColor", 1})));
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                 reinterpret_cast<LPARAM>(form.hwnd({"lblColor", 0})));
    EXPECT_EQ(runs, (std::vector<std::string>{"element", "array 1", "array 0"}));
    EXPECT_THROW(form.on(ControlRef{"nothing"}, Event::Click, [] {}), std::logic_error);
}

TEST_F(FormControlsTest, ClosingIsReportedAndTheWindowGoes) {
    const HWND window = form.hwnd();
    form.close();
    EXPECT_TRUE(pumpUntil([&] { return !form.open(); }));
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace lumivane::win32::testing
