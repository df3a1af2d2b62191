// The Win32 main window under Wine, driven with window messages as the user's actions send
// them: built as its form designs it, files dropped from the shell, "変更" and "復元" writing
// in Wine's Windows directory what lumivane-cli.exe writes for the same options, the help
// texts, the about box and the colour changer opening modal over it.
#include "app/fmain_form.h"
#include "app/win32/fmain.h"
#include "form_check.h"
#include "pictures.h"
#include "shell_drop.h"
#include "support/fake_browser.h"
#include "template/apply.h"
#include "template/option_names.h"
#include "test_form.h"
#include "windows/small_forms.h"
#include "windows/version_text.h"
#include "wine_system.h"

#include <gtest/gtest.h>

namespace lumivane::win32::testing {
namespace {

namespace fmain = app::fmain;

class Win32Fmain : public ::testing::Test {
protected:
    static constexpr int kCapacity = 10;

    Win32Fmain()
        : platform(platform::makeSystemPlatform(standardTemplateBytes())),
          window(*platform, browsers.factory(), kCapacity,
                 [this](const std::string& address) { addresses.push_back(address); }) {
        window.show();
    }

    Form& form() { return window.form(); }
    std::string message() { return form().text(fmain::lblMessage); }
    void click(ControlRef ref) { SendMessageW(form().hwnd(ref), BM_CLICK, 0, 0); }

    /// Pictures of 40 × 30 pixels in each accepted format, by their Windows paths.
    std::vector<std::string> pictures(int count) {
        static const GUID formats[] = {GUID_ContainerFormatBmp, GUID_ContainerFormatJpeg,
                                       GUID_ContainerFormatGif};
        static const wchar_t* endings[] = {L".bmp", L".jpg", L".gif"};
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i) {
            const std::wstring file =
                scratch.file(L"写真 " + std::to_wstring(made_++) + endings[i % 3]);
            writePicture(file, formats[i % 3], 40, 30,
                         [i](int, int) { return RGB(40 * i % 256, 128, 200); });
            paths.push_back(utf8(file));
        }
        return paths;
    }

    /// Whether the progress window is open.
    static bool progressShown() {
        return FindWindowW(nullptr, platform::win32::toWide(windows::FgraphForm().caption).c_str());
    }

    Scratch scratch;
    test::FakeBrowserFactory browsers;
    std::vector<std::string> addresses;
    std::unique_ptr<platform::Platform> platform;
    app::win32::Fmain window;
    int made_ = 0;
};

TEST_F(Win32Fmain, StartsCollapsedAsDesignedAndDetailsExpandIt) {
    expectBuiltAsDesigned(form(), {.placeChanged = {"Fmain"}, .captionChanged = {"lblMessage"}});
    EXPECT_EQ(message(), fmain::kDropImagesText);
    EXPECT_EQ(window.outerHeight(), fmain::kCollapsedHeight);
    RECT client;
    GetClientRect(form().hwnd(), &client);
    EXPECT_EQ(client.bottom, pixels(fmain::kCollapsedHeight - fmain::kTitleAndBorderTwips));
    for (const ControlRef size : {fmain::cmbFolderNameSize, fmain::cmbInfoSize, fmain::cmbLinkSize})
        EXPECT_EQ(SendMessageW(form().hwnd(size), CB_GETCOUNT, 0, 0), 31);
    EXPECT_EQ(form().text(fmain::cmbFolderNameSize), "16pt");
    EXPECT_EQ(form().text(fmain::cmbLinkSize), "10pt");
    EXPECT_EQ(backgroundOf(form().hwnd(fmain::txtLink(0)), WM_CTLCOLOREDIT),
              GetSysColor(COLOR_BTNFACE));

    click(fmain::cmdDetail);
    EXPECT_EQ(window.outerHeight(), fmain::kExpandedHeight);
    GetClientRect(form().hwnd(), &client);
    EXPECT_EQ(client.bottom, pixels(app::FmainForm().client.height));
    EXPECT_TRUE(IsWindowVisible(form().hwnd(fmain::chkShowIcon)));
    click(fmain::cmdDetail);
    EXPECT_EQ(window.outerHeight(), fmain::kCollapsedHeight);
    EXPECT_FALSE(IsWindowVisible(form().hwnd(fmain::Frame3)));
}

TEST_F(Win32Fmain, ThePresetSwitchesTheLinkRowsOnThroughTheirCheckBoxes) {
    click(fmain::cmdDetail);
    click(fmain::cmdTovraMode);
    EXPECT_EQ(window.rules().options(), TemplateOptions::preset());
    for (int j = 0; j < 2; ++j) {
        EXPECT_TRUE(IsWindowEnabled(form().hwnd(fmain::txtLink(j))));
        EXPECT_EQ(backgroundOf(form().hwnd(fmain::txtLink(j)), WM_CTLCOLOREDIT),
                  GetSysColor(COLOR_WINDOW));
    }
    EXPECT_EQ(windowText(form().hwnd(fmain::lblColor(2))), "lightblue");
    // The user unticks row 0: its boxes go grey and keep their text.
    click(fmain::chkSetLink(0));
    EXPECT_FALSE(IsWindowEnabled(form().hwnd(fmain::txtLink(0))));
    EXPECT_EQ(form().text(fmain::txtLink(0)), "file://c:\\temp");
}

TEST_F(Win32Fmain, DroppedPicturesGrowTheStripAndEnableApply) {
    const std::vector<std::string> first = pictures(3);
    dropFiles(form().hwnd(fmain::Frame1), first);
    EXPECT_EQ(window.rules().imagePaths(), first);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const HWND thumbnail = form().hwnd(fmain::thumnail(i));
        EXPECT_TRUE(IsWindowVisible(thumbnail));
        EXPECT_EQ(placeInParent(thumbnail), (Twips{pixels(180 + 1200 * i), 16, 61, 57}));
        const Bitmap* shown = form().picture(fmain::thumnail(i));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->width(), 61) << "kept at the thumbnail's size only";
        EXPECT_EQ(shown->height(), 57);
    }
    EXPECT_EQ(SendMessageW(form().hwnd(fmain::lstImagePath), LB_GETCOUNT, 0, 0), 3);
    EXPECT_TRUE(form().enabled(fmain::cmdMake));
    EXPECT_TRUE(form().enabled(fmain::cmdAbout));
    EXPECT_FALSE(progressShown()) << "closed when the drop is done";

    // Seven pictures and more: the strip scrolls by one slot a picture past six.
    dropFiles(form().hwnd(fmain::Frame1), pictures(5));
    int low = -1;
    int high = -1;
    GetScrollRange(form().hwnd(fmain::ListScroll), SB_CTL, &low, &high);
    EXPECT_EQ(high, 2);
    SendMessageW(form().hwnd(), WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0),
                 reinterpret_cast<LPARAM>(form().hwnd(fmain::ListScroll)));
    EXPECT_EQ(placeInParent(form().hwnd(fmain::thumnail(7))).left, pixels(6 * 1200 + 180));
    EXPECT_EQ(message(), "一覧表示をスクロールします。登録できる画像は100枚ですが、一覧表示でき"
                         "る画像は30枚です。");

    // Only the drop frame takes files.
    for (const ControlRef other : {fmain::Frame2, fmain::thumnail(0), fmain::Window})
        EXPECT_FALSE(GetWindowLongW(form().hwnd(other), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(Win32Fmain, APictureThatCannotBeLoadedIsRefusedOnTheHelpLine) {
    const std::vector<std::string> good = pictures(1);
    const std::wstring broken = scratch.file(L"壊れた写真.jpg");
    writeBytes(broken, "This is a text file, not a JPEG.\r\n");
    dropFiles(form().hwnd(fmain::Frame1), {good[0], utf8(broken)});
    EXPECT_EQ(message(), "画像として読み込めないファイルです: 壊れた写真.jpg");
    EXPECT_EQ(toolTipOf(form(), fmain::lblMessage).first,
              "画像として読み込めないファイルです: " + utf8(broken));
    EXPECT_EQ(window.rules().imagePaths(), good) << "the stock and the strip stay in step";
    EXPECT_THROW(form().hwnd(fmain::thumnail(1)), std::logic_error);
    EXPECT_EQ(SendMessageW(form().hwnd(fmain::lstImagePath), LB_GETCOUNT, 0, 0), 1);
    EXPECT_TRUE(form().enabled(fmain::cmdMake));

    // A name that fails the test stops the drop there.
    dropFiles(form().hwnd(fmain::Frame1), {utf8(scratch.file(L"図.png")), pictures(1)[0]});
    EXPECT_EQ(message(), "ファイル形式が不正です");
    EXPECT_EQ(window.rules().imageCount(), 1);
}

TEST_F(Win32Fmain, ADropPastTheStocksCapacityStopsThereWithItsMessage) {
    const std::vector<std::string> paths = pictures(kCapacity + 1);
    dropFiles(form().hwnd(fmain::Frame1), paths);
    EXPECT_EQ(message(), "登録できる画像は10枚までです。");
    EXPECT_EQ(window.rules().imageCount(), kCapacity);
    EXPECT_THROW(form().hwnd(fmain::thumnail(kCapacity)), std::logic_error);
    EXPECT_TRUE(form().enabled(fmain::cmdMake));
    EXPECT_GE(app::win32::kMostPictures, 8000) << "the program's own bound, far above the list";
}

TEST_F(Win32Fmain, AThumbnailDraggedBackOntoTheDropFrameLeavesTheStock) {
    const std::vector<std::string> paths = pictures(3);
    dropFiles(form().hwnd(fmain::Frame1), paths);
    // Pressed on thumbnail 0, let go over the drop frame.
    const HWND source = form().hwnd(fmain::thumnail(0));
    SendMessageW(source, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    POINT over{20, 40};
    ClientToScreen(form().hwnd(fmain::Frame1), &over);
    ScreenToClient(source, &over);
    SendMessageW(source, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    SendMessageW(source, WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(window.rules().imagePaths(), (std::vector<std::string>{paths[1], paths[2]}));
    EXPECT_THROW(form().hwnd(fmain::thumnail(2)), std::logic_error);
    EXPECT_EQ(SendMessageW(form().hwnd(fmain::lstImagePath), LB_GETCOUNT, 0, 0), 2);
}

TEST_F(Win32Fmain, ARightClickPreviewsThePictureAtItsNaturalSize) {
    dropFiles(form().hwnd(fmain::Frame1), pictures(1));
    const HWND thumbnail = form().hwnd(fmain::thumnail(0));
    SendMessageW(thumbnail, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    SendMessageW(thumbnail, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    windows::win32::Fview* view = window.pictureStrip().preview();
    ASSERT_NE(view, nullptr);
    const HWND preview = view->form().hwnd();
    EXPECT_EQ(GetWindow(preview, GW_OWNER), nullptr) << "modeless, without an owner";
    const Bitmap* shown = view->form().picture(windows::fview::Pview);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->width(), 40);
    EXPECT_EQ(shown->height(), 30);
    RECT client;
    RECT outer;
    GetClientRect(preview, &client);
    GetWindowRect(preview, &outer);
    EXPECT_GE(client.right, 40);
    EXPECT_GE(client.bottom, 30);
    const Twips rule = windows::previewOuterSize(600, 450);
    EXPECT_GE(outer.right - outer.left, pixels(rule.width));
    EXPECT_GE(outer.bottom - outer.top, pixels(rule.height));

    // A click on the picture closes it; the stock keeps its picture.
    SendMessageW(preview, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                 reinterpret_cast<LPARAM>(view->form().hwnd(windows::fview::Pview)));
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(preview); }));
    EXPECT_EQ(window.pictureStrip().preview(), nullptr);
    EXPECT_EQ(window.rules().imageCount(), 1);
}

class Win32FmainApply : public Win32Fmain {
protected:
    /// The template lumivane-cli.exe writes for the options the window shows now.
    std::optional<std::string> cliTemplate(int count, bool restore) {
        std::vector<std::string> args{"template", "--count", std::to_string(count),
                                      "--script-folder", scriptFolder(web.leftImageFolder())};
        if (restore)
            args.push_back("--restore");
        const TemplateOptions options = window.rules().options();
        for (const std::string_view name : optionNames())
            args.push_back(std::string(name) + "=" + *optionValue(options, name));
        return runCli(args);
    }

    WebFolder web;
};

TEST_F(Win32FmainApply, ApplyWritesTheTemplateTheBackupAndTheCopies) {
    const std::vector<std::string> paths = pictures(2);
    dropFiles(form().hwnd(fmain::Frame1), paths);
    click(fmain::cmdDetail);
    click(fmain::cmdTovraMode);
    click(fmain::chkShowLine);
    SendMessageW(form().hwnd(fmain::txtLinkTitle(1)), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"写真の フォルダ"));
    click(fmain::cmdMake);

    EXPECT_EQ(readBytes(web.file(L"folder.lmv")), standardTemplateBytes())
        << "the template that stood there, kept once";
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(readBytes(web.file(L"leftimage\\" + std::to_wstring(i) + L".lmv")),
                  readBytes(platform::win32::toWide(paths[i])));
    const std::optional<std::string> written = readBytes(web.file(L"folder.htt"));
    ASSERT_TRUE(written);
    const std::optional<std::string> expected = cliTemplate(2, false);
    ASSERT_TRUE(expected) << "lumivane-cli.exe beside the tests";
    EXPECT_EQ(*written, *expected);
    EXPECT_EQ(window.rules().leftImageFolder(), web.leftImageFolder());
    EXPECT_FALSE(progressShown());
    for (const ControlRef button : {fmain::cmdAbout, fmain::cmdMake, fmain::cmdReturn})
        EXPECT_TRUE(form().enabled(button));

    // "復元": the standard template, as the companion writes it; the backup stays.
    writeBytes(web.file(L"folder.lmv"), "the first backup");
    click(fmain::cmdReturn);
    EXPECT_EQ(message(), kRestoredMessage);
    EXPECT_EQ(readBytes(web.file(L"folder.htt")), cliTemplate(2, true));
    EXPECT_EQ(readBytes(web.file(L"folder.lmv")), "the first backup");
}

TEST_F(Win32FmainApply, AMissingWebFolderGivesTheTwoLineMessageAndWritesNothing) {
    fs::remove_all(web.web());
    dropFiles(form().hwnd(fmain::Frame1), pictures(1));
    click(fmain::cmdMake);
    EXPECT_EQ(message(), kNoWebFolderMessage);
    const std::optional<TextFit> fit = form().textFit(fmain::lblMessage);
    ASSERT_TRUE(fit);
    EXPECT_FALSE(fit->elided) << "both lines shown whole, at " << fit->pixels << " px";
    EXPECT_FALSE(fs::exists(web.web()));
    EXPECT_FALSE(progressShown());
    EXPECT_TRUE(form().enabled(fmain::cmdMake));
}

TEST_F(Win32FmainApply, ATemplateThatCannotBeReplacedIsReportedAndKept) {
    dropFiles(form().hwnd(fmain::Frame1), pictures(1));
    SetFileAttributesW(web.file(L"folder.htt").c_str(), FILE_ATTRIBUTE_READONLY);
    click(fmain::cmdMake);
    EXPECT_NE(message().find("folder.htt"), std::string::npos) << message();
    EXPECT_EQ(readBytes(web.file(L"folder.htt")), standardTemplateBytes());
    EXPECT_FALSE(fs::exists(web.file(L"leftimage\\0.lmv"))) << "no copies for a failed apply";
    const std::optional<TextFit> fit = form().textFit(fmain::lblMessage);
    ASSERT_TRUE(fit);
    EXPECT_TRUE(!fit->elided || !toolTipOf(form(), fmain::lblMessage).first.empty());
}

TEST_F(Win32Fmain, PointingAtAControlPutsItsHelpTextOnTheHelpLine) {
    click(fmain::cmdDetail);
    for (const forms::ControlSpec& row : app::FmainForm().controls) {
        if (row.help.empty())
            continue;
        SCOPED_TRACE(forms::fullName(row.ref));
        SendMessageW(form().hwnd(row.ref), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        EXPECT_EQ(message(), row.help);
        const std::optional<TextFit> fit = form().textFit(fmain::lblMessage);
        ASSERT_TRUE(fit);
        EXPECT_FALSE(fit->elided) << "shown whole";
    }
    // The window's own background; then controls without a text leave it as it is.
    SendMessageW(form().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(470, 5));
    EXPECT_EQ(message(), fmain::kDropImagesText);
    SendMessageW(form().hwnd(fmain::cmdAbout), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    for (const ControlRef quiet : {fmain::cmdSetColors, fmain::cmbInfoSize, fmain::Picture1})
        SendMessageW(form().hwnd(quiet), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(message(), "Lumivaneについて。。。");
}

TEST_F(Win32Fmain, ChosenColourReachesItsLabelAndClosingTheWindowQuitsTheBrowser) {
    click(fmain::cmdDetail);
    click(fmain::cmdSetLink(1));
    ASSERT_NE(browsers.last(), nullptr);
    browsers.last()->showStatus("darkblue");
    EXPECT_EQ(windowText(form().hwnd(fmain::lblColor(1))), "darkblue");
    click(fmain::cmdSetLink(2));
    ASSERT_NE(browsers.last(), nullptr);
    form().close();
    EXPECT_TRUE(pumpUntil([&] { return !form().open(); }));
    EXPECT_EQ(browsers.lastRecord()->quitCalls, 1) << "asked to quit as the window closes";
}

TEST_F(Win32Fmain, TheAboutBoxOpensModalAndHandsItsAddressesToTheShell) {
    bool ownerTookInput = true;
    bool versionShown = false;
    OnModal about(form().hwnd(), [&](HWND box) {
        ownerTookInput = IsWindowEnabled(form().hwnd()) != FALSE;
        versionShown = childWithText(box, windows::versionText()) != nullptr;
        for (const std::string address : {"lumivane@example.org", "https://lumivane.example.org/"})
            SendMessageW(box, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED),
                         reinterpret_cast<LPARAM>(childWithText(box, address)));
        SendMessageW(childWithText(box, "OK"), BM_CLICK, 0, 0);
    });
    click(fmain::cmdAbout);
    EXPECT_TRUE(OnModal::acted());
    EXPECT_FALSE(ownerTookInput) << "modal over the main window";
    EXPECT_TRUE(versionShown) << windows::versionText();
    EXPECT_EQ(addresses, (std::vector<std::string>{"mailto:lumivane@example.org",
                                                   "https://lumivane.example.org/"}));
    EXPECT_TRUE(IsWindowEnabled(form().hwnd()));
    EXPECT_FALSE(FindWindowW(nullptr, L"ABOUT"));
}

TEST_F(Win32Fmain, TheColourChangerOpensModalAndCancelChangesNothing) {
    const COLORREF before = GetSysColor(COLOR_WINDOW);
    bool ownerTookInput = true;
    std::string caption;
    OnModal changer(form().hwnd(), [&](HWND modal) {
        ownerTookInput = IsWindowEnabled(form().hwnd()) != FALSE;
        caption = windowText(modal);
        SendMessageW(childWithText(modal, "中止"), BM_CLICK, 0, 0);
    });
    click(fmain::cmdDetail);
    click(fmain::cmdSetColors);
    EXPECT_TRUE(OnModal::acted());
    EXPECT_FALSE(ownerTookInput);
    EXPECT_EQ(caption, "色チェンジ");
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), before);
    EXPECT_TRUE(IsWindowEnabled(form().hwnd()));
}

} // namespace
} // namespace lumivane::win32::testing
