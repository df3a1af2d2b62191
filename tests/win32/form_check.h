#pragma once

// Checks a window made with native controls against its form, row by row: the same tables
// the program builds its windows from and the Qt window tests walk, read here with the
// test's own arithmetic.
#include "platform/win32/wide.h"
#include "windows/form.h"
#include "windows/win32/fonts.h"
#include "windows/win32/form.h"
#include "windows/win32/resources.h"

#include <cmath>
#include <cwctype>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace lumivane::win32::testing {

/// A length in twips as pixels at 96 dpi, 15 twips to the pixel, rounded to the nearest.
inline int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

/// A window's rectangle in its parent's client coordinates: left, top, width, height.
inline Twips placeInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    std::wstring lower(name);
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(c));
    return lower;
}

inline std::string windowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return platform::win32::fromWide(text);
}

/// The system window class and the style bits a control of each kind is made with.
inline ::testing::AssertionResult isKind(HWND w, forms::Kind kind) {
    using forms::Kind;
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    const std::wstring name = classOf(w);
    bool ok = false;
    switch (kind) {
    case Kind::Frame:
        ok = name == L"button" && (style & BS_TYPEMASK) == BS_GROUPBOX;
        break;
    case Kind::Button:
        ok = name == L"button" && (style & BS_TYPEMASK) == BS_PUSHBUTTON;
        break;
    case Kind::CheckBox:
        ok = name == L"button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        break;
    case Kind::Label:
    case Kind::HelpLine:
    case Kind::Image:
    case Kind::PictureBox:
    case Kind::Tiles:
        ok = name == L"static";
        break;
    case Kind::TextBox:
        ok = name == L"edit" && !(style & ES_MULTILINE);
        break;
    case Kind::DropDownList:
        ok = name == L"combobox" && (style & 3) == CBS_DROPDOWNLIST;
        break;
    case Kind::ListBox:
        ok = name == L"listbox";
        break;
    case Kind::ScrollBar:
        ok = name == L"scrollbar" && !(style & SBS_VERT);
        break;
    }
    if (ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "a " << platform::win32::fromWide(name) << " of style " << std::hex << style;
}

/// The colour of the brush a control paints its background with, as its parent gives it.
inline COLORREF backgroundOf(HWND control, UINT message = WM_CTLCOLORSTATIC) {
    const HDC dc = GetDC(control);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), message,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    ReleaseDC(control, dc);
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

/// The colour a control draws its text in, as its parent gives it.
inline COLORREF textColourOf(HWND control) {
    const HDC dc = GetDC(control);
    SendMessageW(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(control, dc);
    return colour;
}

/// What a test knows better than the form: controls whose place or caption the window's
/// loading changes (a list filled, a bar emptied, a help line given its first text).
struct AfterLoad {
    std::set<std::string> placeChanged;
    std::set<std::string> captionChanged;
};

/// Every control of the form stands in its container at its place, with its caption, its
/// first state and its look; and the window has no control the form lacks.
inline void expectBuiltAsDesigned(const Form& form, const AfterLoad& loaded = {}) {
    using namespace forms;
    const FormSpec& design = form.design();
    const HWND window = form.hwnd();
    EXPECT_EQ(windowText(window), design.caption);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU) << "a close box";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0,
              design.style == WindowStyle::ToolWindow);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, pixels(design.client.width));
    if (!loaded.placeChanged.contains(std::string(design.name))) {
        EXPECT_EQ(client.bottom, pixels(design.client.height));
    }
    const HCURSOR hand =
        LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPointingHandCursor));

    for (const ControlSpec& row : design.controls) {
        const std::string name = fullName(row.ref);
        SCOPED_TRACE(name);
        const HWND w = form.hwnd(row.ref);
        ASSERT_TRUE(IsWindow(w));
        EXPECT_TRUE(isKind(w, row.kind));
        EXPECT_EQ(GetParent(w), row.container == design.name ? window : form.hwnd({row.container}));
        const Twips at = placeInParent(w);
        if (!loaded.placeChanged.contains(name)) {
            if (row.has(FillsContainer)) {
                RECT inside;
                GetClientRect(GetParent(w), &inside);
                EXPECT_EQ(at, (Twips{0, 0, inside.right, inside.bottom}));
            } else if (row.has(AutoSize)) {
                EXPECT_EQ(at.left, pixels(row.place.left));
                EXPECT_EQ(at.top, pixels(row.place.top));
            } else {
                EXPECT_EQ(at, (Twips{pixels(row.place.left), pixels(row.place.top),
                                     pixels(row.place.width), pixels(row.place.height)}));
            }
        }
        if (!loaded.captionChanged.contains(name) && row.kind != Kind::DropDownList &&
            row.kind != Kind::ListBox && row.kind != Kind::Image && row.kind != Kind::PictureBox &&
            row.kind != Kind::Tiles && row.kind != Kind::ScrollBar) {
            EXPECT_EQ(form.text(row.ref), row.caption);
        }
        const LONG own = GetWindowLongW(w, GWL_STYLE);
        const LONG ownEx = GetWindowLongW(w, GWL_EXSTYLE);
        EXPECT_EQ((own & WS_VISIBLE) == 0, row.has(Hidden));
        EXPECT_EQ(IsWindowEnabled(w) == FALSE, row.has(Disabled));
        if (row.kind == Kind::CheckBox) {
            EXPECT_EQ(SendMessageW(w, BM_GETCHECK, 0, 0),
                      row.has(Checked) ? BST_CHECKED : BST_UNCHECKED);
        }
        if (row.kind == Kind::Label || row.kind == Kind::HelpLine) {
            EXPECT_EQ((own & WS_BORDER) != 0, row.has(Bordered));
        }
        if (row.kind == Kind::PictureBox || row.has(Sunken)) {
            EXPECT_EQ((ownEx & WS_EX_CLIENTEDGE) != 0, row.has(Bordered) || row.has(Sunken));
        }
        if (row.has(Link)) {
            SendMessageW(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor(), hand) << "the program's own pointing hand";
            EXPECT_EQ(textColourOf(w), GetSysColor(COLOR_HIGHLIGHT)) << "drawn as an address";
        }
        const auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        GetObjectW(font, sizeof logical, &logical);
        if (!row.font.face.empty()) {
            EXPECT_EQ(platform::win32::fromWide(logical.lfFaceName), row.font.face);
            EXPECT_EQ(logical.lfHeight, -std::lround(row.font.points * 96 / 72));
            EXPECT_EQ(logical.lfWeight, FW_NORMAL);
        } else if (row.kind != Kind::ScrollBar) {
            // The UI font, a little smaller for a caption that would not fit otherwise.
            EXPECT_EQ(std::wstring(logical.lfFaceName), fonts().uiFace());
            EXPECT_LE(-logical.lfHeight, fonts().uiPixels());
            EXPECT_GE(-logical.lfHeight, 8);
        }
        const bool fitted = row.kind == Kind::Button || row.kind == Kind::CheckBox ||
                            (row.kind == Kind::Label && !row.has(AutoSize));
        if (fitted && !row.caption.empty()) {
            // The caption on one line inside the box: beside a check box's box, inside a
            // button's raised edge.
            const HDC dc = GetDC(w);
            const HGDIOBJ previous = SelectObject(dc, font);
            const std::wstring caption = platform::win32::toWide(form.text(row.ref));
            SIZE size{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            SelectObject(dc, previous);
            ReleaseDC(w, dc);
            RECT box;
            GetClientRect(w, &box);
            const int beside = row.kind == Kind::CheckBox ? 13 : row.kind == Kind::Button ? 4 : 0;
            EXPECT_LE(size.cx, box.right - beside) << "caption cut off";
        }
        if (row.backColor) {
            EXPECT_EQ(backgroundOf(w), *row.backColor);
        }
        if (row.kind == Kind::ScrollBar) {
            int low = -1;
            int high = -1;
            GetScrollRange(w, SB_CTL, &low, &high);
            EXPECT_EQ(low, 0);
            EXPECT_EQ(high, row.range.maximum);
        }
    }
    // Every window inside is a control of the form.
    std::vector<HWND> inside;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&inside));
    for (const HWND child : inside) {
        const Control* control = form.controlOf(child);
        EXPECT_TRUE(control && control->hwnd() == child)
            << "a window of class " << platform::win32::fromWide(classOf(child))
            << " that is not in the form";
    }
}

} // namespace lumivane::win32::testing
