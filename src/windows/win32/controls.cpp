#include "windows/win32/controls.h"

#include "platform/win32/wide.h"
#include "windows/help_line_fit.h"
#include "windows/win32/drop.h"
#include "windows/win32/fonts.h"
#include "windows/win32/form.h"
#include "windows/win32/metrics.h"
#include "windows/win32/resources.h"

#include <algorithm>
#include <climits>
#include <map>
#include <stdexcept>

namespace lumivane::win32 {

using forms::Event;
using forms::Kind;
using platform::win32::fromWide;
using platform::win32::toWide;

namespace {

std::logic_error noSuch(forms::ControlRef ref, const char* what) {
    return std::logic_error(forms::fullName(ref) + " has no " + what);
}

HBRUSH systemBrush(HDC dc, int element) {
    SetBkColor(dc, GetSysColor(element));
    return GetSysColorBrush(element);
}

/// A drop-down list and a list box: the same operations by messages of their own.
struct ListKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    UINT add;
    UINT remove;
    UINT current;
    UINT select;
    UINT length;
    UINT item;
    WORD changed;
};
constexpr ListKind kDropDownList{
    .windowClass = L"COMBOBOX",
    .style = CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP,
    .exStyle = 0,
    .add = CB_ADDSTRING,
    .remove = CB_DELETESTRING,
    .current = CB_GETCURSEL,
    .select = CB_SETCURSEL,
    .length = CB_GETLBTEXTLEN,
    .item = CB_GETLBTEXT,
    .changed = CBN_SELCHANGE,
};
constexpr ListKind kListBox{
    .windowClass = L"LISTBOX",
    .style = LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
    .exStyle = WS_EX_CLIENTEDGE,
    .add = LB_ADDSTRING,
    .remove = LB_DELETESTRING,
    .current = LB_GETCURSEL,
    .select = LB_SETCURSEL,
    .length = LB_GETTEXTLEN,
    .item = LB_GETTEXT,
    .changed = LBN_SELCHANGE,
};

// ---- One class per kind ------------------------------------------------------------------

class FrameControl : public Control {
public:
    using Control::Control;

protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style() const override { return BS_GROUPBOX; }
};

class ButtonControl : public Control {
public:
    using Control::Control;
    int value() const override { return 0; }
    /// Pressing from the program, as the user would.
    void setValue(int value) override {
        if (value)
            raise(Event::Click);
    }
    void command(WORD code) override {
        if (code == BN_CLICKED)
            raise(Event::Click);
    }

protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style() const override {
        return BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP;
    }
    // Inside the raised edge, a pixel to spare on each side.
    int captionRoom() const override { return clientWidth() - 2 * GetSystemMetrics(SM_CXEDGE) - 2; }
};

class CheckBoxControl : public Control {
public:
    using Control::Control;
    int value() const override {
        const LRESULT state = SendMessageW(hwnd_, BM_GETCHECK, 0, 0);
        return state == BST_CHECKED ? 1 : state == BST_INDETERMINATE ? 2 : 0;
    }
    void setValue(int value) override {
        if (value == this->value())
            return;
        SendMessageW(hwnd_, BM_SETCHECK,
                     value == 1   ? BST_CHECKED
                     : value == 2 ? BST_INDETERMINATE
                                  : BST_UNCHECKED,
                     0);
        raise(Event::Click);
    }
    void command(WORD code) override {
        if (code == BN_CLICKED)
            raise(Event::Click);
    }

protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style() const override { return BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP; }
    // Beside the box and the gap after it.
    int captionRoom() const override {
        return clientWidth() - GetSystemMetrics(SM_CXMENUCHECK) - 2 * GetSystemMetrics(SM_CXEDGE);
    }
    void created() override {
        if (row_.has(forms::Checked))
            SendMessageW(hwnd_, BM_SETCHECK, BST_CHECKED, 0);
    }
};

class LabelControl : public Control {
public:
    using Control::Control;
    void setText(std::string_view text) override {
        Control::setText(text);
        fitToText();
    }
    void command(WORD code) override {
        if (code == STN_CLICKED)
            raise(Event::Click);
        else if (code == STN_DBLCLK)
            raise(Event::DblClick);
    }

protected:
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD style() const override {
        DWORD style = SS_LEFT | SS_NOTIFY;
        if (!row_.has(forms::AccessKey))
            style |= SS_NOPREFIX;
        if (row_.has(forms::Bordered))
            style |= WS_BORDER;
        // One line, centred from top to bottom: a box designed for a font of little leading
        // still shows a taller font's glyphs whole.
        if (!row_.has(forms::AutoSize))
            style |= SS_CENTERIMAGE;
        return style;
    }
    DWORD exStyle() const override { return row_.has(forms::Sunken) ? WS_EX_CLIENTEDGE : 0; }
    int captionRoom() const override { return row_.has(forms::AutoSize) ? -1 : clientWidth(); }
    std::wstring windowText(std::string_view caption) const override { return toWide(caption); }
    void created() override { fitToText(); }
    // A transparent label draws what lies under it itself: a sibling behind it (the tiles of
    // a toolbar) is clipped out of its area and would not show through otherwise.
    bool drawsItself() const override { return row_.has(forms::Transparent); }
    bool paint(HDC dc, const RECT& client) override {
        paintUnder(dc);
        colors(dc);
        SetBkMode(dc, TRANSPARENT);
        Selected font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        RECT box = client;
        DrawTextW(dc, windowTextNow().c_str(), -1, &box, format());
        return true;
    }

private:
    UINT format() const {
        return DT_LEFT | (row_.has(forms::AutoSize) ? DT_WORDBREAK : DT_VCENTER | DT_SINGLELINE) |
               (row_.has(forms::AccessKey) ? 0 : DT_NOPREFIX);
    }
    /// An auto-size label takes its text's size; its place gives only its left and top.
    void fitToText() {
        if (!row_.has(forms::AutoSize))
            return;
        const std::wstring text = windowTextNow();
        WindowDc dc(hwnd_);
        Selected font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        RECT size{0, 0, 0, 0};
        DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &size,
                  DT_CALCRECT | (format() & DT_NOPREFIX));
        const int border = row_.has(forms::Bordered) ? 2 * GetSystemMetrics(SM_CXBORDER) : 0;
        invalidate();
        SetWindowPos(hwnd_, nullptr, 0, 0, size.right + border, size.bottom + border,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        place_.width = pixelsToTwips(size.right + border, dpi());
        place_.height = pixelsToTwips(size.bottom + border, dpi());
    }
};

/// The help line: every text shown whole. A text too long for the box at the window's font
/// shrinks a pixel at a time down to 9 pixels, then its glyphs narrow down to 85%; lines
/// break anywhere in Japanese text. What still does not fit shows what fits, ending in "…",
/// with the whole text in the tool tip.
class HelpLineControl : public Control {
public:
    using Control::Control;

    void setText(std::string_view text) override {
        Control::setText(text);
        refit();
    }
    void setWholeText(std::string_view whole) override {
        whole_ = whole;
        showTip();
    }
    std::optional<TextFit> fit() const override { return fit_; }

protected:
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD style() const override { return SS_LEFT | SS_NOTIFY | SS_NOPREFIX | WS_BORDER; }
    std::wstring windowText(std::string_view caption) const override { return toWide(caption); }
    void created() override { refit(); }
    void resized() override { refit(); }
    bool drawsItself() const override { return true; }
    bool paint(HDC dc, const RECT& client) override {
        FillRect(dc, &client, colors(dc));
        SetBkMode(dc, TRANSPARENT);
        Selected selected(dc, font(fit_.pixels, fit_.stretch));
        RECT box = room(client);
        DrawTextW(dc, shown_.c_str(), -1, &box, kFormat);
        return true;
    }

private:
    // Breaks at blanks and, where a run is longer than a line, between any two characters.
    static constexpr UINT kFormat = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
    static constexpr int kPadding = 1;

    static RECT room(RECT client) {
        InflateRect(&client, -kPadding, 0);
        return client;
    }

    /// The window's font at a size and width, each made once.
    HFONT font(int pixels, int stretch) {
        const auto key = std::make_pair(pixels, stretch);
        auto found = fonts_.find(key);
        if (found != fonts_.end())
            return found->second.get();
        LOGFONTW logical{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof logical,
                   &logical);
        logical.lfHeight = -pixels;
        logical.lfWidth = 0;
        if (stretch != 100) {
            // Narrower glyphs: the font's own average width, scaled.
            WindowDc dc(hwnd_);
            Selected full(dc.get(), font(pixels, 100));
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc.get(), &metrics);
            logical.lfWidth = std::max<LONG>(1, MulDiv(metrics.tmAveCharWidth, stretch, 100));
        }
        return fonts_.emplace(key, Font(CreateFontIndirectW(&logical))).first->second.get();
    }

    bool fits(HDC dc, const std::wstring& text, int pixels, int stretch) {
        Selected selected(dc, font(pixels, stretch));
        RECT client;
        GetClientRect(hwnd_, &client);
        const RECT box = room(client);
        RECT needed = box;
        DrawTextW(dc, text.c_str(), -1, &needed, kFormat | DT_CALCRECT);
        return needed.bottom <= box.bottom && needed.right <= box.right;
    }

    void refit() {
        const std::wstring text = windowTextNow();
        LOGFONTW logical{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof logical,
                   &logical);
        const std::vector<windows::FitStep> steps =
            windows::helpLineSteps(std::max<int>(1, std::abs(logical.lfHeight)));
        WindowDc dc(hwnd_);
        fit_ = {};
        for (const windows::FitStep& step : steps) {
            if (fits(dc.get(), text, step.pixelSize, step.stretch)) {
                fit_ = {step.pixelSize, step.stretch, false};
                shown_ = text;
                break;
            }
        }
        if (fit_.pixels == 0) {
            // At the last step: the longest beginning that fits with "…" after it.
            const windows::FitStep last = steps.back();
            fit_ = {last.pixelSize, last.stretch, true};
            std::size_t low = 0;
            std::size_t high = text.size();
            while (low < high) {
                const std::size_t middle = (low + high + 1) / 2;
                if (fits(dc.get(), cut(text, middle), last.pixelSize, last.stretch))
                    low = middle;
                else
                    high = middle - 1;
            }
            shown_ = cut(text, low);
        }
        showTip();
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    /// The first `length` characters and "…", never splitting a pair of surrogates.
    static std::wstring cut(const std::wstring& text, std::size_t length) {
        if (length > 0 && length < text.size() && IS_HIGH_SURROGATE(text[length - 1]))
            --length;
        std::wstring shown = text.substr(0, length);
        while (!shown.empty() && (shown.back() == L'\r' || shown.back() == L'\n'))
            shown.pop_back();
        return shown + L'\x2026';
    }

    void showTip() {
        form_.showToolTip(hwnd_,
                          windows::helpLineToolTip(fromWide(windowTextNow()), whole_, fit_.elided));
    }

    std::map<std::pair<int, int>, Font> fonts_;
    std::wstring shown_;
    std::string whole_;
    TextFit fit_;
};

class TextBoxControl : public Control {
public:
    using Control::Control;

protected:
    const wchar_t* windowClass() const override { return L"EDIT"; }
    DWORD style() const override { return ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP; }
    DWORD exStyle() const override { return WS_EX_CLIENTEDGE; }
    std::wstring windowText(std::string_view caption) const override { return toWide(caption); }
    HBRUSH defaultBrush(HDC dc) const override { return systemBrush(dc, COLOR_WINDOW); }
};

/// A list of text items with one chosen: a drop-down list or a list box.
template <const ListKind& kind> class ListControl : public Control {
public:
    using Control::Control;
    /// The chosen item's text; empty when none is chosen.
    std::string text() const override {
        const int index = listIndex();
        if (index < 0)
            return {};
        std::wstring item(SendMessageW(hwnd_, kind.length, index, 0) + 1, L'\0');
        item.resize(SendMessageW(hwnd_, kind.item, index, reinterpret_cast<LPARAM>(item.data())));
        return fromWide(item);
    }
    void addItem(std::string_view item) override {
        const std::wstring wide = toWide(item);
        SendMessageW(hwnd_, kind.add, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    void removeItem(int index) override { SendMessageW(hwnd_, kind.remove, index, 0); }
    int listIndex() const override {
        return static_cast<int>(SendMessageW(hwnd_, kind.current, 0, 0));
    }
    void setListIndex(int index) override {
        if (index == listIndex())
            return;
        SendMessageW(hwnd_, kind.select, index, 0);
        raise(Event::Click);
    }
    void command(WORD code) override {
        if (code == kind.changed)
            raise(Event::Click);
    }

protected:
    const wchar_t* windowClass() const override { return kind.windowClass; }
    DWORD style() const override { return kind.style; }
    DWORD exStyle() const override { return kind.exStyle; }
    std::wstring windowText(std::string_view) const override { return {}; }
    HBRUSH defaultBrush(HDC dc) const override { return systemBrush(dc, COLOR_WINDOW); }
};

using ListBoxControl = ListControl<kListBox>;

/// A list the user picks from and never types in (CBS_DROPDOWNLIST).
class DropDownListControl : public ListControl<kDropDownList> {
public:
    using ListControl::ListControl;
    static constexpr int kListPixels = 160;

    /// Chooses the item of that text; a list that has none is a fault of the program.
    void setText(std::string_view text) override {
        const std::wstring wide = toWide(text);
        const LRESULT index =
            SendMessageW(hwnd_, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(wide.c_str()));
        if (index == CB_ERR)
            throw std::logic_error(forms::fullName(ref_) + " has no item \"" + std::string(text) +
                                   "\"");
        setListIndex(static_cast<int>(index));
    }

protected:
    // The window's height includes the dropped list; the closed box is sized by its field.
    int windowHeight(int designed) const override { return designed + kListPixels; }
    void created() override { fitField(); }
    void resized() override { fitField(); }

private:
    /// The closed box as high as the form designs it: the field grows or shrinks to fit.
    /// Measured again after each step, since the border around the field is the system's
    /// (and Wine reads back another field height than it was given).
    void fitField() {
        const int designed = twipsToPixels(place_.height, dpi());
        int field = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, -1, 0));
        for (int step = 0; step < 3; ++step) {
            RECT closed;
            GetWindowRect(hwnd_, &closed);
            const int wanted = field + designed - (closed.bottom - closed.top);
            if (wanted <= 0 || wanted == field)
                return;
            SendMessageW(hwnd_, CB_SETITEMHEIGHT, -1, wanted);
            field = wanted;
        }
    }
};

/// A horizontal scroll bar from 0 to its maximum; an arrow and a click in the track move it
/// by the steps its row gives.
class ScrollBarControl : public Control {
public:
    ScrollBarControl(Form& form, const forms::ControlSpec& row, forms::ControlRef ref, Twips place)
        : Control(form, row, ref, place), maximum_(std::max(0, row.range.maximum)) {}
    int value() const override { return static_cast<int>(SendMessageW(hwnd_, SBM_GETPOS, 0, 0)); }
    void setValue(int value) override { moveTo(value, Event::Change); }
    void setMaximum(int maximum) override {
        maximum_ = std::max(0, maximum);
        const int before = value();
        SendMessageW(hwnd_, SBM_SETRANGEREDRAW, 0, maximum_);
        // A value past the new end comes back into range, as the user would see it move.
        if (before > maximum_)
            moveTo(maximum_, Event::Change, before);
    }
    void scroll(WORD code, int thumb) override {
        const int now = value();
        switch (code) {
        case SB_LINELEFT:
            moveTo(now - row_.range.smallChange, Event::Change);
            break;
        case SB_PAGELEFT:
            moveTo(now - row_.range.largeChange, Event::Change);
            break;
        case SB_LINERIGHT:
            moveTo(now + row_.range.smallChange, Event::Change);
            break;
        case SB_PAGERIGHT:
            moveTo(now + row_.range.largeChange, Event::Change);
            break;
        case SB_LEFT:
            moveTo(0, Event::Change);
            break;
        case SB_RIGHT:
            moveTo(maximum_, Event::Change);
            break;
        case SB_THUMBTRACK:
            moveTo(thumb, Event::Scroll);
            break;
        case SB_THUMBPOSITION:
            moveTo(thumb, Event::Change);
            break;
        default:
            break;
        }
    }

protected:
    const wchar_t* windowClass() const override { return L"SCROLLBAR"; }
    DWORD style() const override { return SBS_HORZ; }
    std::wstring windowText(std::string_view) const override { return {}; }
    void created() override { SendMessageW(hwnd_, SBM_SETRANGE, 0, maximum_); }

private:
    void moveTo(int value, Event event, int before = -1) {
        value = std::clamp(value, 0, maximum_);
        if (before < 0)
            before = this->value();
        SendMessageW(hwnd_, SBM_SETPOS, value, TRUE);
        if (value != before)
            raise(event);
    }
    int maximum_;
};

/// The kinds that paint a picture themselves over a STATIC window: image, picture box, tiles.
class PictureControl : public Control {
public:
    using Control::Control;
    void setPicture(Bitmap picture, bool resize) override {
        picture_ = std::move(picture);
        tiles_.reset();
        if (resize && picture_) {
            RECT outer{0, 0, picture_.width(), picture_.height()};
            AdjustWindowRectEx(&outer, GetWindowLongW(hwnd_, GWL_STYLE), FALSE,
                               GetWindowLongW(hwnd_, GWL_EXSTYLE));
            SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            place_.width = pixelsToTwips(outer.right - outer.left, dpi());
            place_.height = pixelsToTwips(outer.bottom - outer.top, dpi());
        }
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    const Bitmap* picture() const override { return picture_ ? &picture_ : nullptr; }
    Bitmap takePicture() override {
        Bitmap taken = std::move(picture_);
        tiles_.reset();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return taken;
    }
    void setTileArea(SIZE area) override {
        tileArea_ = area;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    void command(WORD code) override {
        if (code == STN_CLICKED)
            raise(Event::Click);
        else if (code == STN_DBLCLK)
            raise(Event::DblClick);
    }

protected:
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD style() const override {
        DWORD style = SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
        if (row_.has(forms::Bordered) && row_.kind != Kind::PictureBox)
            style |= WS_BORDER;
        return style;
    }
    DWORD exStyle() const override {
        return row_.has(forms::Bordered) && row_.kind == Kind::PictureBox ? WS_EX_CLIENTEDGE : 0;
    }
    bool drawsItself() const override { return true; }
    bool paint(HDC dc, const RECT& client) override {
        // An image shows what lies under it where its picture leaves room (an icon's
        // transparent parts); a picture box has a background of its own.
        if (row_.kind == Kind::Image)
            paintUnder(dc);
        else
            FillRect(dc, &client, colors(dc));
        if (picture_)
            drawPicture(dc, client);
        else
            drawArt(dc);
        return true;
    }

private:
    void drawPicture(HDC dc, const RECT& client) {
        if (row_.kind == Kind::Tiles) {
            if (!tiles_)
                tiles_ = Brush(CreatePatternBrush(picture_.get()));
            // One pattern fill over the tiles' grid, whatever their number; the strip clips
            // what reaches past its edges.
            POINT origin{0, 0};
            LPtoDP(dc, &origin, 1);
            SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
            const RECT area{0, 0, std::min<LONG>(client.right, tileArea_.cx),
                            std::min<LONG>(client.bottom, tileArea_.cy)};
            FillRect(dc, &area, tiles_.get());
            return;
        }
        MemoryDc source(CreateCompatibleDC(dc));
        Selected selected(source.get(), picture_.get());
        if (row_.kind == Kind::Image &&
            (picture_.width() != client.right || picture_.height() != client.bottom)) {
            SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, 0, 0, client.right, client.bottom, source.get(), 0, 0, picture_.width(),
                       picture_.height(), SRCCOPY);
        } else {
            BitBlt(dc, 0, 0, picture_.width(), picture_.height(), source.get(), 0, 0, SRCCOPY);
        }
    }
    /// The program's icon, which an image of the form may name; other pictures are given.
    void drawArt(HDC dc) const {
        if (row_.art != forms::Art::ProgramIcon)
            return;
        if (const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon)))
            DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    }
    Bitmap picture_;
    Brush tiles_;
    SIZE tileArea_{LONG_MAX, LONG_MAX};
};

} // namespace

// ---- Every kind ----------------------------------------------------------------------------

LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return control ? control->message(message, wParam, lParam)
                   : DefWindowProcW(window, message, wParam, lParam);
}

namespace {

using Maker = Control* (*)(Form&, const forms::ControlSpec&, forms::ControlRef, Twips);

template <class KindControl>
Control* make(Form& form, const forms::ControlSpec& row, forms::ControlRef ref, Twips place) {
    return new KindControl(form, row, ref, place);
}

Maker makerOf(Kind kind) {
    switch (kind) {
    case Kind::Frame:
        return &make<FrameControl>;
    case Kind::Label:
        return &make<LabelControl>;
    case Kind::HelpLine:
        return &make<HelpLineControl>;
    case Kind::Button:
        return &make<ButtonControl>;
    case Kind::CheckBox:
        return &make<CheckBoxControl>;
    case Kind::TextBox:
        return &make<TextBoxControl>;
    case Kind::DropDownList:
        return &make<DropDownListControl>;
    case Kind::ListBox:
        return &make<ListBoxControl>;
    case Kind::ScrollBar:
        return &make<ScrollBarControl>;
    case Kind::PictureBox:
    case Kind::Image:
    case Kind::Tiles:
        return &make<PictureControl>;
    }
    throw std::logic_error("a control of an unknown kind");
}

} // namespace

std::unique_ptr<Control> Control::create(Form& form, const forms::ControlSpec& row,
                                         forms::ControlRef ref, HWND parent, Twips place,
                                         bool visible) {
    std::unique_ptr<Control> control(makerOf(row.kind)(form, row, ref, place));
    control->make(parent, visible);
    return control;
}

Control::Control(Form& form, const forms::ControlSpec& row, forms::ControlRef ref, Twips place)
    : form_(form), row_(row), ref_(ref), place_(place), back_(row.backColor) {
    if (back_)
        backBrush_ = Brush(CreateSolidBrush(*back_));
    if (row.has(forms::Link)) {
        // The program's own pointing hand, else the system's.
        cursor_ = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPointingHandCursor));
        if (!cursor_)
            cursor_ = LoadCursorW(nullptr, IDC_HAND);
    }
}

Control::~Control() {
    if (hwnd_)
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

void Control::make(HWND parent, bool visible) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | this->style();
    // A container paints around what lies in it, never over it.
    if (row_.kind == Kind::Frame || row_.kind == Kind::PictureBox)
        style |= WS_CLIPCHILDREN;
    if (visible)
        style |= WS_VISIBLE;
    if (row_.has(forms::Disabled))
        style |= WS_DISABLED;
    const RECT r = twipsToRect(place_, dpi());
    hwnd_ = CreateWindowExW(exStyle(), windowClass(), windowText(row_.caption).c_str(), style,
                            r.left, r.top, r.right - r.left, windowHeight(r.bottom - r.top), parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        throw std::runtime_error("cannot create the window of " + forms::fullName(ref_));
    // In front of the controls made before it, as the form's order designs.
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&controlProc)));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts().font(row_.font)), FALSE);
    fitCaption();
    created();
}

std::wstring Control::windowText(std::string_view caption) const {
    std::wstring text = toWide(caption);
    if (!row_.has(forms::AccessKey)) {
        for (std::size_t at = text.find(L'&'); at != std::wstring::npos;
             at = text.find(L'&', at + 2))
            text.insert(at, 1, L'&');
    }
    return text;
}

std::wstring Control::windowTextNow() const {
    std::wstring text(GetWindowTextLengthW(hwnd_) + 1, L'\0');
    text.resize(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size())));
    return text;
}

int Control::value() const {
    throw noSuch(ref_, "value");
}
void Control::setValue(int) {
    throw noSuch(ref_, "value");
}
void Control::addItem(std::string_view) {
    throw noSuch(ref_, "list");
}
void Control::removeItem(int) {
    throw noSuch(ref_, "list");
}
void Control::setWholeText(std::string_view text) {
    form_.showToolTip(hwnd_, text);
}
int Control::listIndex() const {
    throw noSuch(ref_, "list");
}
void Control::setListIndex(int) {
    throw noSuch(ref_, "list");
}
void Control::setMaximum(int) {
    throw noSuch(ref_, "maximum");
}
void Control::setPicture(Bitmap, bool) {
    throw noSuch(ref_, "picture");
}
Bitmap Control::takePicture() {
    throw noSuch(ref_, "picture");
}

std::string Control::text() const {
    std::wstring text = windowTextNow();
    // Back to the caption where the window shows a doubled "&" as one.
    if (windowText("&") == L"&&") {
        for (std::size_t at = text.find(L"&&"); at != std::wstring::npos;
             at = text.find(L"&&", at + 1))
            text.erase(at, 1);
    }
    return fromWide(text);
}

void Control::setText(std::string_view text) {
    SetWindowTextW(hwnd_, windowText(text).c_str());
    fitCaption();
    invalidate();
}

void Control::fitCaption() {
    const int room = captionRoom();
    const std::wstring caption = windowTextNow();
    if (room < 0 || caption.empty())
        return;
    constexpr int kSmallestPixels = 8;
    WindowDc dc(hwnd_);
    int pixels = fonts().pixels(row_.font);
    for (; pixels > kSmallestPixels; --pixels) {
        Selected font(dc.get(), fonts().sized(row_.font, pixels));
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &size);
        if (size.cx <= room)
            break;
    }
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts().sized(row_.font, pixels)),
                 TRUE);
}

int Control::clientWidth() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return client.right;
}

void Control::setBackColor(COLORREF color) {
    back_ = color;
    backBrush_ = Brush(CreateSolidBrush(color));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::setForeColor(COLORREF color) {
    fore_ = color;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::move(Twips place) {
    invalidate();
    place_ = place;
    const RECT r = twipsToRect(place, dpi());
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, windowHeight(r.bottom - r.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    resized();
}

HBRUSH Control::colors(HDC dc) {
    if (fore_)
        SetTextColor(dc, *fore_);
    else if (row_.has(forms::Link))
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    if (back_) {
        SetBkColor(dc, *back_);
        return backBrush_.get();
    }
    if (row_.has(forms::Transparent)) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (row_.has(forms::ButtonFace))
        return systemBrush(dc, COLOR_BTNFACE);
    return defaultBrush(dc);
}

HBRUSH Control::defaultBrush(HDC dc) const {
    return systemBrush(dc, COLOR_BTNFACE);
}

void Control::raise(Event event) const {
    form_.raise(ref_, event);
}

LRESULT Control::original(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(original_, hwnd_, message, wParam, lParam);
}

void Control::invalidate() const {
    if (!row_.has(forms::Transparent))
        return;
    RECT r;
    GetWindowRect(hwnd_, &r);
    const HWND parent = GetParent(hwnd_);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(parent, &r, TRUE);
}

void Control::paintUnder(HDC dc) const {
    const HWND parent = GetParent(hwnd_);
    RECT mine;
    GetWindowRect(hwnd_, &mine);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&mine), 2);
    // Behind it in the z-order, nearest first; painted farthest first.
    std::vector<HWND> behind;
    for (HWND w = GetWindow(hwnd_, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        RECT theirs;
        RECT common;
        GetWindowRect(w, &theirs);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&theirs), 2);
        // Shown among its siblings, whether or not the window is on the screen yet.
        if ((GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) && IntersectRect(&common, &mine, &theirs))
            behind.push_back(w);
    }
    const auto print = [&](HWND w, int left, int top, UINT what) {
        POINT previous;
        OffsetViewportOrgEx(dc, left - mine.left, top - mine.top, &previous);
        SendMessageW(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), what);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    };
    print(parent, 0, 0, PRF_CLIENT | PRF_ERASEBKGND);
    for (auto w = behind.rbegin(); w != behind.rend(); ++w) {
        RECT theirs;
        GetWindowRect(*w, &theirs);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&theirs), 2);
        print(*w, theirs.left, theirs.top, PRF_CLIENT | PRF_ERASEBKGND | PRF_NONCLIENT);
    }
}

int Control::dpi() const {
    return screenDpi();
}

LRESULT Control::message(UINT message, WPARAM wParam, LPARAM lParam) {
    // A container passes what its own controls report to the form.
    if (const auto handled = form_.childMessage(message, wParam, lParam))
        return *handled;
    POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_NCHITTEST: {
        // A group box lets the pointer through to what lies under it; a frame here has a
        // help text of its own, so it takes the pointer over its own background.
        const LRESULT hit = original(message, wParam, lParam);
        return hit == HTTRANSPARENT && row_.kind == Kind::Frame ? HTCLIENT : hit;
    }
    case WM_SETCURSOR:
        if (cursor_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(cursor_);
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        if (form_.dragging()) {
            ClientToScreen(hwnd_, &screen);
            form_.dragTo(screen);
            return 0;
        }
        form_.pointerMoved(ref_);
        break;
    case WM_LBUTTONDOWN:
        if (form_.canDrag(*this)) {
            form_.beginDrag(*this, screen);
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (form_.dragging()) {
            // The drop may unload this very control: nothing of it is touched after.
            ClientToScreen(hwnd_, &screen);
            form_.endDrag(screen);
            return 0;
        }
        break;
    case WM_RBUTTONDOWN:
        rightDown_ = true;
        break;
    case WM_RBUTTONUP:
        // A right click: pressed and let go over the same control.
        if (std::exchange(rightDown_, false)) {
            RECT client;
            GetClientRect(hwnd_, &client);
            if (PtInRect(&client, screen)) {
                raise(Event::RightClick);
                return 0;
            }
        }
        break;
    case WM_CAPTURECHANGED:
        if (form_.dragging())
            form_.cancelDrag();
        break;
    case WM_DROPFILES: {
        std::vector<std::string> files;
        {
            DropHandle drop(reinterpret_cast<HDROP>(wParam));
            files = droppedFiles(drop.get());
        }
        form_.filesDropped(ref_, std::move(files));
        return 0;
    }
    case WM_ERASEBKGND:
        if (drawsItself())
            return 1; // the painting covers everything
        break;
    case WM_PRINTCLIENT:
        if (drawsItself()) {
            RECT client;
            GetClientRect(hwnd_, &client);
            paint(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        break;
    case WM_PAINT:
        if (drawsItself()) {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd_, &ps);
            RECT client;
            GetClientRect(hwnd_, &client);
            paint(dc, client);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        break;
    case WM_NCDESTROY: {
        const LRESULT result = original(message, wParam, lParam);
        form_.forget(hwnd_);
        hwnd_ = nullptr;
        return result;
    }
    default:
        break;
    }
    // A handler may have unloaded the control; its window is gone then.
    return hwnd_ ? original(message, wParam, lParam) : 0;
}

} // namespace lumivane::win32
