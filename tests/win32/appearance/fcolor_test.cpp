// The colour changer and the toolbar strip in native controls under Wine: "変更" makes the
// four colours system colours and stores them in the registry; a bitmap dropped on the main
// window's strip is stored and tiled there and in the changer's sample toolbar, under its
// transparent captions.
#include "app/fmain_form.h"
#include "app/win32/fmain.h"
#include "appearance/color_entry.h"
#include "appearance/fcolor_form.h"
#include "appearance/toolbar_background.h"
#include "appearance/win32/fcolor.h"
#include "form_check.h"
#include "pictures.h"
#include "shell_drop.h"
#include "support/fake_browser.h"
#include "support/faulty_platform.h"
#include "test_form.h"
#include "wine_system.h"

#include <array>
#include <gtest/gtest.h>

namespace lumivane::win32::testing {
namespace {

constexpr const wchar_t* kColorsKey = L"Control Panel\\Colors";
constexpr const wchar_t* kToolbarKey = L"Software\\Microsoft\\Internet Explorer\\Toolbar";

/// Keeps the colours and their stored values of the four targets, and puts them back.
class SavedColours {
public:
    SavedColours() {
        for (std::size_t i = 0; i < kColorTargets.size(); ++i) {
            colours_[i] = GetSysColor(kColorTargets[i].sysColorIndex);
            stored_[i] = registryText(kColorsKey, name(i).c_str());
        }
    }
    ~SavedColours() {
        for (std::size_t i = 0; i < kColorTargets.size(); ++i) {
            const int element = kColorTargets[i].sysColorIndex;
            SetSysColors(1, &element, &colours_[i]);
            restoreRegistryText(kColorsKey, name(i).c_str(), stored_[i]);
        }
    }
    static std::wstring name(std::size_t i) {
        return platform::win32::toWide(kColorTargets[i].valueName);
    }

private:
    std::array<COLORREF, 4> colours_{};
    std::array<std::optional<std::string>, 4> stored_;
};

class Win32Fcolor : public ::testing::Test {
protected:
    Win32Fcolor() : platform(platform::makeSystemPlatform(standardTemplateBytes())) {}
    ~Win32Fcolor() override { restoreRegistryText(kToolbarKey, L"BackBitmap", backBitmap); }

    /// The user moves a bar's box and lets it go.
    static void moveBar(Form& form, ControlRef bar, int value) {
        SendMessageW(GetParent(form.hwnd(bar)), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, value),
                     reinterpret_cast<LPARAM>(form.hwnd(bar)));
        SendMessageW(GetParent(form.hwnd(bar)), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, value),
                     reinterpret_cast<LPARAM>(form.hwnd(bar)));
    }
    static void choose(Form& form, int target) {
        SendMessageW(form.hwnd(fcolor::cmbTarget), CB_SETCURSEL, target, 0);
        SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(form.hwnd(fcolor::cmbTarget)));
    }

    SavedColours saved;
    const std::optional<std::string> backBitmap = registryText(kToolbarKey, L"BackBitmap");
    Scratch scratch;
    std::unique_ptr<platform::Platform> platform;
};

TEST_F(Win32Fcolor, OpensAsDesignedWithTheSystemsColours) {
    Fcolor changer(*platform, nullptr);
    Form& form = changer.form();
    expectBuiltAsDesigned(form, {.placeChanged = {}, .captionChanged = {"lblMessage"}});
    EXPECT_EQ(form.text(fcolor::lblMessage), kColorTargets[0].help);
    EXPECT_EQ(form.listIndex(fcolor::cmbTarget), 0);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(form.value(fcolor::hsRed), GetRValue(window));
    EXPECT_EQ(form.value(fcolor::hsBlue), GetBValue(window));
    EXPECT_EQ(backgroundOf(form.hwnd(fcolor::lblWindowBack)), window);
    EXPECT_EQ(textColourOf(form.hwnd(fcolor::lblMenuString(2))), GetSysColor(COLOR_MENUTEXT));
    // The sample is drawn: the folder window's picture and the grips.
    ASSERT_NE(form.picture(fcolor::picExample), nullptr);
    EXPECT_EQ(form.picture(fcolor::picExample)->width(), 266);
    EXPECT_NE(form.picture(fcolor::Image1), nullptr);
    // The red bar's track moves by ten, the arrows by one.
    SendMessageW(form.hwnd(), WM_HSCROLL, MAKEWPARAM(SB_PAGELEFT, 0),
                 reinterpret_cast<LPARAM>(form.hwnd(fcolor::hsRed)));
    EXPECT_EQ(form.value(fcolor::hsRed), std::max(0, int(GetRValue(window)) - 10));
}

TEST_F(Win32Fcolor, ApplySetsTheSystemColoursAndStoresThem) {
    Fcolor changer(*platform, nullptr);
    Form& form = changer.form();
    moveBar(form, fcolor::hsRed, 10);
    moveBar(form, fcolor::hsGreen, 128);
    moveBar(form, fcolor::hsBlue, 255);
    EXPECT_EQ(backgroundOf(form.hwnd(fcolor::picSample)), RGB(10, 128, 255));
    EXPECT_EQ(backgroundOf(form.hwnd(fcolor::lblAddress)), RGB(10, 128, 255));
    choose(form, 2);
    moveBar(form, fcolor::hsRed, 200);
    moveBar(form, fcolor::hsGreen, 0);
    moveBar(form, fcolor::hsBlue, 0);
    EXPECT_EQ(textColourOf(form.hwnd(fcolor::lblMenuString(0))), RGB(200, 0, 0));
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);

    SendMessageW(form.hwnd(fcolor::cmdChange), BM_CLICK, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return !form.open(); })) << "closed after the change";
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(10, 128, 255));
    EXPECT_EQ(GetSysColor(COLOR_MENUTEXT), RGB(200, 0, 0));
    EXPECT_EQ(registryText(kColorsKey, L"Window"), "10 128 255");
    EXPECT_EQ(registryText(kColorsKey, L"MenuText"), "200 0 0");
    // All four stored, the untouched ones as they were.
    EXPECT_EQ(registryText(kColorsKey, L"WindowText"),
              std::to_string(GetRValue(windowText)) + " " + std::to_string(GetGValue(windowText)) +
                  " " + std::to_string(GetBValue(windowText)));
}

TEST_F(Win32Fcolor, ARegistryThatRefusesTheWriteLeavesTheColoursApplied) {
    lumivane::testing::FaultyPlatform refusing(*platform);
    refusing.refuseRegistryWrites();
    const std::optional<std::string> stored = registryText(kColorsKey, L"Window");
    Fcolor changer(refusing, nullptr);
    Form& form = changer.form();
    moveBar(form, fcolor::hsRed, 33);
    SendMessageW(form.hwnd(fcolor::cmdChange), BM_CLICK, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return !form.open(); })) << "closed all the same";
    EXPECT_EQ(GetRValue(GetSysColor(COLOR_WINDOW)), 33);
    EXPECT_EQ(registryText(kColorsKey, L"Window"), stored);
}

TEST_F(Win32Fcolor, RevertPutsOnlyTheSelectedTargetBack) {
    Fcolor changer(*platform, nullptr);
    Form& form = changer.form();
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    moveBar(form, fcolor::hsGreen, 7);
    choose(form, 3);
    moveBar(form, fcolor::hsBlue, 99);
    SendMessageW(form.hwnd(fcolor::cmdBack), BM_CLICK, 0, 0);
    EXPECT_EQ(form.value(fcolor::hsBlue), GetBValue(GetSysColor(COLOR_BTNTEXT)));
    choose(form, 0);
    EXPECT_EQ(form.value(fcolor::hsGreen), 7) << "the other target keeps its edit";
    EXPECT_NE(GetGValue(window), 7);
}

TEST_F(Win32Fcolor, ABitmapDroppedOnTheStripIsStoredTiledAndShownUnderTheSampleCaptions) {
    const std::wstring bitmap = scratch.file(L"タイル 16.BMP");
    writePicture(bitmap, GUID_ContainerFormatBmp, 16, 16, [](int, int) { return RGB(0, 160, 0); });
    test::FakeBrowserFactory browsers;
    app::win32::Fmain window(*platform, browsers.factory());
    Form& main = window.form();
    const HWND strip = main.hwnd(app::fmain::PToolBarBackImage(0));
    EXPECT_TRUE(GetWindowLongW(strip, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    dropFiles(strip, {utf8(bitmap), "C:\\other.bmp"});
    EXPECT_EQ(registryText(kToolbarKey, L"BackBitmap"), utf8(bitmap)) << "the first, as dropped";
    // 5175 × 495 twips of 240 × 240 tiles: 22 columns, 3 rows.
    EXPECT_EQ(window.toolbarStrip().tileCount(), 66);
    EXPECT_EQ(window.toolbarStrip().tiles().back(), (TileRect{5040, 480, 240, 240}));
    EXPECT_EQ(paintedPixel(strip, 100, 10), RGB(0, 160, 0));

    {
        // The colour changer shows it in its sample toolbar, under the menu's captions.
        Fcolor changer(*platform, main.hwnd());
        EXPECT_EQ(changer.toolbar().tileCount(), 17 * 4);
        Form& form = changer.form();
        EXPECT_EQ(paintedPixel(form.hwnd(fcolor::PToolBarBackImage(0)), 3, 3), RGB(0, 160, 0));
        EXPECT_EQ(paintedPixel(form.hwnd(fcolor::lblMenuString(0)), 0, 0), RGB(0, 160, 0))
            << "the caption lets the tiles show through";
        EXPECT_EQ(paintedPixel(form.hwnd(fcolor::lblAddress), 10, 10), GetSysColor(COLOR_WINDOW))
            << "the address box is opaque";
    }

    // A file of another kind is stored, not tiled; a double click clears both.
    dropFiles(strip, {"C:\\photo.jpg"});
    EXPECT_EQ(registryText(kToolbarKey, L"BackBitmap"), "C:\\photo.jpg");
    EXPECT_EQ(window.toolbarStrip().tileCount(), 66);
    SendMessageW(main.hwnd(app::fmain::Picture1), WM_COMMAND, MAKEWPARAM(0, STN_DBLCLK),
                 reinterpret_cast<LPARAM>(strip));
    EXPECT_EQ(registryText(kToolbarKey, L"BackBitmap"), "");
    EXPECT_EQ(window.toolbarStrip().tileCount(), 1);
    EXPECT_FALSE(window.toolbarStrip().hasPicture());
    Fcolor changer(*platform, main.hwnd());
    EXPECT_FALSE(changer.toolbar().hasPicture()) << "nothing stored, nothing tiled";
}

} // namespace
} // namespace lumivane::win32::testing
