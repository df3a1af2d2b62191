// The about box, the progress window and the preview in native controls under Wine: built
// as their forms design them, the about box's pointing hand a cursor of the program's own, the
// progress bar growing by the rule, the preview sized by it.
#include "form_check.h"
#include "test_form.h"
#include "windows/progress_bar.h"
#include "windows/small_forms.h"
#include "windows/version_text.h"
#include "windows/win32/fabout.h"
#include "windows/win32/fgraph.h"
#include "windows/win32/fview.h"

#include <gtest/gtest.h>

namespace lumivane::win32::testing {
namespace {

using namespace lumivane::windows;

TEST(Win32About, ShowsTheVersionAndHandsTheAddressesOn) {
    std::vector<std::string> opened;
    windows::win32::FAbout about(nullptr, [&](const std::string& a) { opened.push_back(a); });
    Form& form = about.form();
    expectBuiltAsDesigned(form, {.placeChanged = {}, .captionChanged = {"lblVer"}});
    EXPECT_EQ(form.text(fabout::lblVer), versionText());
    EXPECT_EQ(form.text(fabout::lblVer), "Ver. 1.40");
    for (const ControlRef link : {fabout::lblMail, fabout::lblURL})
        SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                     reinterpret_cast<LPARAM>(form.hwnd(link)));
    EXPECT_EQ(opened, (std::vector<std::string>{"mailto:lumivane@example.org",
                                                "https://lumivane.example.org/"}));
    SendMessageW(form.hwnd(fabout::cmdOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return !form.open(); }));
}

TEST(Win32About, ThePointingHandIsTheProgramsOwnCursor) {
    const HCURSOR hand =
        LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPointingHandCursor));
    ASSERT_NE(hand, nullptr) << "a cursor resource of the program";
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 13u);
    EXPECT_EQ(info.yHotspot, 9u);
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64) << "monochrome: the AND and XOR masks in one bitmap";
    EXPECT_EQ(info.hbmColor, nullptr);
    DeleteObject(info.hbmMask);
}

TEST(Win32Progress, TheBarGrowsByTheRuleAndTheWindowGoesWithIt) {
    Form owner(kForm);
    HWND window = nullptr;
    {
        windows::win32::Fgraph graph(owner.hwnd());
        Form& form = graph.form();
        window = form.hwnd();
        expectBuiltAsDesigned(form, {.placeChanged = {"lblBar"}, .captionChanged = {}});
        EXPECT_EQ(GetWindow(window, GW_OWNER), owner.hwnd()) << "owned by the main window";
        EXPECT_TRUE(IsWindowVisible(window)) << "shown modeless at once";
        EXPECT_EQ(placeInParent(form.hwnd(fgraph::lblBar)).width, 0) << "empty at first";
        graph.setProgress(1, 3);
        EXPECT_DOUBLE_EQ(graph.barWidth(), 1145);
        EXPECT_EQ(placeInParent(form.hwnd(fgraph::lblBar)), (Twips{26, 18, pixels(1145), 29}));
        graph.setProgress(3, 3);
        // Full: the bar fills the inside of its frame exactly.
        const Twips frame = placeInParent(form.hwnd(fgraph::Label2));
        const Twips bar = placeInParent(form.hwnd(fgraph::lblBar));
        EXPECT_EQ(bar.left + bar.width, frame.left + frame.width - 2);
        EXPECT_EQ(backgroundOf(form.hwnd(fgraph::lblBar)), RGB(0, 0, 255));
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(Win32Preview, SizedToItsPictureAndClosedByAClick) {
    windows::win32::Fview view;
    Form& form = view.form();
    expectBuiltAsDesigned(form);
    EXPECT_EQ(GetWindow(form.hwnd(), GW_OWNER), nullptr);
    RECT before;
    GetWindowRect(form.hwnd(), &before);
    for (const SIZE size : {SIZE{300, 200}, SIZE{20, 10}}) {
        SCOPED_TRACE(size.cx);
        const HDC screen = GetDC(nullptr);
        view.showPicture(
            Bitmap(BitmapHandle(CreateCompatibleBitmap(screen, size.cx, size.cy)), size));
        ReleaseDC(nullptr, screen);
        RECT outer;
        RECT client;
        GetWindowRect(form.hwnd(), &outer);
        GetClientRect(form.hwnd(), &client);
        EXPECT_EQ(placeInParent(form.hwnd(fview::Pview)), (Twips{0, 0, size.cx, size.cy}));
        const Twips rule = previewOuterSize(size.cx * 15, size.cy * 15);
        const int frameWidth = (outer.right - outer.left) - client.right;
        const int frameHeight = (outer.bottom - outer.top) - client.bottom;
        // No narrower than the system lets a window with a caption be.
        EXPECT_EQ(outer.right - outer.left, std::max<int>({pixels(rule.width), size.cx + frameWidth,
                                                           GetSystemMetrics(SM_CXMIN)}));
        EXPECT_EQ(outer.bottom - outer.top,
                  std::max<int>(pixels(rule.height), size.cy + frameHeight));
        EXPECT_EQ(outer.left, before.left) << "the window keeps its place";
        EXPECT_EQ(outer.top, before.top);
    }
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                 reinterpret_cast<LPARAM>(form.hwnd(fview::Pview)));
    EXPECT_TRUE(pumpUntil([&] { return !view.open(); }));
}

} // namespace
} // namespace lumivane::win32::testing
