// The window a form makes: each control of the platform's own class and style, at its twip
// place in its container, with its caption, first state and font.
#include "form_check.h"
#include "platform/win32/wide.h"
#include "test_form.h"
#include "windows/win32/fonts.h"
#include "windows/win32/form.h"
#include "windows/win32/metrics.h"

#include <gtest/gtest.h>
#include <string>

namespace lumivane::win32::testing {
namespace {

LONG style(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}
LONG exStyle(HWND window) {
    return GetWindowLongW(window, GWL_EXSTYLE);
}

class FormBuilder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(screenDpi(), 96) << "the expected pixels assume 96 dpi"; }
    Form form{kForm};
};

TEST_F(FormBuilder, MakesEachKindWithThePlatformsOwnClassAndStyle) {
    struct Expected {
        ControlRef ref;
        const wchar_t* windowClass;
        LONG typeMask;
        LONG type;
    };
    const Expected expected[] = {
        {{"Frame1"}, L"button", BS_TYPEMASK, BS_GROUPBOX},
        {{"chkInside"}, L"button", BS_TYPEMASK, BS_AUTOCHECKBOX},
        {{"cmdGo"}, L"button", BS_TYPEMASK, BS_PUSHBUTTON},
        {{"lblInside"}, L"static", SS_TYPEMASK, SS_LEFT},
        {{"thumb", 0}, L"static", SS_TYPEMASK, SS_LEFT},
        {{"picBox"}, L"static", SS_TYPEMASK, SS_LEFT},
        {{"tiles"}, L"static", SS_TYPEMASK, SS_LEFT},
        {{"lblHelp"}, L"static", SS_TYPEMASK, SS_LEFT},
        {{"txtLink", 0}, L"edit", ES_MULTILINE, 0},
        {{"cmbSize"}, L"combobox", 3, CBS_DROPDOWNLIST},
        {{"lstPaths"}, L"listbox", LBS_NOTIFY, LBS_NOTIFY},
        {{"hsList"}, L"scrollbar", SBS_VERT, SBS_HORZ},
    };
    for (const Expected& e : expected) {
        const HWND window = form.hwnd(e.ref);
        SCOPED_TRACE(fullName(e.ref));
        ASSERT_TRUE(IsWindow(window));
        EXPECT_EQ(classOf(window), e.windowClass);
        EXPECT_EQ(style(window) & e.typeMask, e.type);
        EXPECT_TRUE(style(window) & WS_CHILD);
    }
    // Labels and pictures report clicks and take the pointer (SS_NOTIFY).
    EXPECT_TRUE(style(form.hwnd({"lblInside"})) & SS_NOTIFY);
    EXPECT_TRUE(style(form.hwnd({"thumb", 0})) & SS_NOTIFY);
}

TEST_F(FormBuilder, PlacesEachControlAtItsTwipsInItsContainer) {
    // 15 twips a pixel at 96 dpi.
    EXPECT_EQ(placeInParent(form.hwnd({"Frame1"})), (Twips{0, 4, 200, 100}));
    EXPECT_EQ(placeInParent(form.hwnd({"lblInside"})), (Twips{8, 16, 100, 12}));
    EXPECT_EQ(placeInParent(form.hwnd({"thumb", 0})), (Twips{12, 52, 61, 40}));
    EXPECT_EQ(placeInParent(form.hwnd({"cmdGo"})), (Twips{208, 4, 49, 21}));
    EXPECT_EQ(placeInParent(form.hwnd({"hsList"})), (Twips{4, 88, 192, 17}));
    EXPECT_EQ(placeInParent(form.hwnd({"lblHelp"})), (Twips{208, 80, 180, 29}));
    // A drop-down list closed is as high as designed; opened, its list hangs below.
    const HWND combo = form.hwnd({"cmbSize"});
    EXPECT_EQ(placeInParent(combo), (Twips{208, 52, 81, 20}));
    RECT dropped;
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GT(dropped.bottom - dropped.top, 100);

    // Containers are the real parents of what lies in them.
    EXPECT_EQ(GetParent(form.hwnd({"lblInside"})), form.hwnd({"Frame1"}));
    EXPECT_EQ(GetParent(form.hwnd({"thumb", 0})), form.hwnd({"Frame1"}));
    EXPECT_EQ(GetParent(form.hwnd({"tiles"})), form.hwnd({"picBox"}));
    EXPECT_EQ(GetParent(form.hwnd({"cmdGo"})), form.hwnd());
    // A tile strip fills the inside of its container (within the sunken border).
    RECT inside;
    GetClientRect(form.hwnd({"picBox"}), &inside);
    EXPECT_EQ(placeInParent(form.hwnd({"tiles"})), (Twips{0, 0, inside.right, inside.bottom}));
    EXPECT_EQ(inside.right, 192 - 4) << "the picture box's border is sunken (two pixels a side)";
}

TEST_F(FormBuilder, ShowsCaptionsAsDesigned) {
    EXPECT_EQ(windowText(form.hwnd()), "テスト窓");
    EXPECT_EQ(windowText(form.hwnd({"cmdGo"})), "変更");
    EXPECT_EQ(windowText(form.hwnd({"lblHelp"})), "Label1");
    EXPECT_EQ(windowText(form.hwnd({"lblColor", 1})), "blue");
    // "&" is no access key unless the row says so: doubled for buttons and frames, shown
    // as it is by labels.
    EXPECT_EQ(windowText(form.hwnd({"Frame1"})), "枠 && 絵");
    EXPECT_EQ(form.text({"Frame1"}), "枠 & 絵");
    EXPECT_EQ(windowText(form.hwnd({"lblInside"})), "中の文字 & 記号");
    EXPECT_TRUE(style(form.hwnd({"lblInside"})) & SS_NOPREFIX);
    EXPECT_EQ(windowText(form.hwnd({"cmdKey"})), "&Go");
    EXPECT_EQ(form.text({"cmdKey"}), "&Go");
}

TEST_F(FormBuilder, SetsTheFirstStateOfEachRow) {
    EXPECT_FALSE(style(form.hwnd({"thumb", 0})) & WS_VISIBLE);
    EXPECT_FALSE(style(form.hwnd({"lstPaths"})) & WS_VISIBLE);
    EXPECT_TRUE(style(form.hwnd({"lblInside"})) & WS_VISIBLE);
    EXPECT_FALSE(form.enabled({"cmdGo"}));
    EXPECT_FALSE(form.enabled({"txtLink", 0}));
    EXPECT_TRUE(form.enabled({"cmbSize"}));
    EXPECT_EQ(SendMessageW(form.hwnd({"chkInside"}), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(form.value({"chkInside"}), 1);
    EXPECT_TRUE(style(form.hwnd({"lblColor", 0})) & WS_BORDER);
    EXPECT_FALSE(style(form.hwnd({"lblInside"})) & WS_BORDER);
    EXPECT_TRUE(exStyle(form.hwnd({"picBox"})) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(style(form.hwnd({"lblHelp"})) & WS_BORDER);
    // A frame's and a picture box's own painting never covers what lies in them.
    EXPECT_TRUE(style(form.hwnd({"Frame1"})) & WS_CLIPCHILDREN);
    // Hiding a frame hides its contents.
    form.show();
    EXPECT_TRUE(IsWindowVisible(form.hwnd({"lblInside"})));
    form.setVisible({"Frame1"}, false);
    EXPECT_FALSE(IsWindowVisible(form.hwnd({"lblInside"})));
    EXPECT_FALSE(IsWindowVisible(form.hwnd({"chkInside"})));
    form.setVisible({"Frame1"}, true);
    EXPECT_TRUE(IsWindowVisible(form.hwnd({"lblInside"})));
}

TEST_F(FormBuilder, AutoSizeLabelsTakeTheirTextsSize) {
    const Twips before = placeInParent(form.hwnd({"lblAuto"}));
    EXPECT_EQ(before.left, 208);
    EXPECT_EQ(before.top, 116);
    EXPECT_NE(before.width, 20) << "not the designed 300 twips: the text's own width";
    form.setText({"lblAuto"}, "ずっと長い見出しの文字");
    const Twips after = placeInParent(form.hwnd({"lblAuto"}));
    EXPECT_GT(after.width, before.width * 2);
    EXPECT_EQ(after.left, 208);
    // A label without AutoSize keeps its size whatever its text.
    form.setText({"lblInside"}, "ずっと長い見出しの文字、枠からはみ出すほど長い");
    EXPECT_EQ(placeInParent(form.hwnd({"lblInside"})).width, 100);
}

TEST_F(FormBuilder, GivesEveryControlTheUiFontOrItsOwn) {
    const HFONT ui = fonts().ui();
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(form.hwnd({"cmdGo"}), WM_GETFONT, 0, 0)), ui);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(form.hwnd({"lblInside"}), WM_GETFONT, 0, 0)),
              ui);
    LOGFONTW uiFont{};
    GetObjectW(ui, sizeof uiFont, &uiFont);
    EXPECT_EQ(std::wstring(uiFont.lfFaceName), fonts().uiFace());
    EXPECT_EQ(uiFont.lfHeight, -fonts().uiPixels());
    EXPECT_TRUE(fonts().uiFace() == L"Noto Sans CJK JP" || fonts().uiFace() == L"MS UI Gothic")
        << "a Japanese face: " << platform::win32::fromWide(fonts().uiFace());

    const auto big = reinterpret_cast<HFONT>(SendMessageW(form.hwnd({"lblBig"}), WM_GETFONT, 0, 0));
    ASSERT_NE(big, ui);
    LOGFONTW bigFont{};
    GetObjectW(big, sizeof bigFont, &bigFont);
    EXPECT_EQ(bigFont.lfHeight, -29) << "21.75 points at 96 dpi";
    EXPECT_EQ(platform::win32::fromWide(bigFont.lfFaceName), "ＭＳ Ｐゴシック");
    EXPECT_EQ(bigFont.lfCharSet, SHIFTJIS_CHARSET);
    // Made once: a second form's controls share the same fonts.
    Form second(kForm);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(second.hwnd({"lblBig"}), WM_GETFONT, 0, 0)),
              big);
}

TEST(FormWindow, HasTheFormsStyleCaptionAndClientSize) {
    Form fixed(kForm);
    const LONG fixedStyle = style(fixed.hwnd());
    EXPECT_TRUE(fixedStyle & WS_CAPTION);
    EXPECT_TRUE(fixedStyle & WS_SYSMENU);
    EXPECT_FALSE(fixedStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_FALSE(exStyle(fixed.hwnd()) & WS_EX_TOOLWINDOW);
    RECT client;
    GetClientRect(fixed.hwnd(), &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 250);
    EXPECT_NE(SendMessageW(fixed.hwnd(), WM_GETICON, ICON_BIG, 0) |
                  GetClassLongPtrW(fixed.hwnd(), GCLP_HICON),
              0)
        << "the window carries an icon";

    Form tool(kToolForm);
    EXPECT_TRUE(exStyle(tool.hwnd()) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(style(tool.hwnd()) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(windowText(tool.hwnd()), "処理中だ！！");
    // The form places the client area's top left on the screen.
    POINT origin{0, 0};
    ClientToScreen(tool.hwnd(), &origin);
    EXPECT_EQ(origin.x, 156);
    EXPECT_EQ(origin.y, 123);
    GetClientRect(tool.hwnd(), &client);
    EXPECT_EQ(client.right, 275);
    EXPECT_EQ(client.bottom, 87);
}

TEST(FormWindow, RefusesARowWhoseContainerIsMissing) {
    static constexpr ControlSpec lost[] = {
        {.ref = {"lblLost"},
         .kind = Kind::Label,
         .container = "FrameNone",
         .place = {0, 0, 10, 10}},
    };
    static constexpr FormSpec lostForm{.name = "Flost",
                                       .caption = "",
                                       .style = WindowStyle::FixedSingle,
                                       .client = {0, 0, 1000, 1000},
                                       .controls = lost};
    EXPECT_THROW(Form{lostForm}, std::logic_error);
}

} // namespace
} // namespace lumivane::win32::testing
