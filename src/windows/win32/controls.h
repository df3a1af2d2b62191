#pragma once

#include "windows/form.h"
#include "windows/form_controls.h"
#include "windows/win32/handles.h"
#include "windows/win32/picture.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lumivane::win32 {

class Form;

/// How a help line draws its present text: the font's size and width, and whether the text
/// had to be cut short (its whole then shows in the tool tip).
struct TextFit {
    int pixels = 0;      ///< the font's height in pixels
    int stretch = 100;   ///< the glyphs' width, in percent of their own
    bool elided = false; ///< the last line ends in "…"
};

/// One control of an open window over its own HWND, made from its row of the form with the
/// platform's window class for its kind (BUTTON, STATIC, EDIT, COMBOBOX, LISTBOX, SCROLLBAR).
/// It converts the row's twips to pixels, sets the font and the first state, and offers the
/// few operations a window's rules need; each kind is one small class (controls.cpp) that
/// turns its window's notifications into events of the form.
class Control {
public:
    /// Makes the control of kind `row.kind` as element `ref` (the row's own, or a further
    /// element of a control array in the row's form) inside `parent`, at `place`.
    static std::unique_ptr<Control> create(Form& form, const forms::ControlSpec& row,
                                           forms::ControlRef ref, HWND parent, Twips place,
                                           bool visible);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    forms::ControlRef ref() const { return ref_; }
    const forms::ControlSpec& row() const { return row_; }
    HWND hwnd() const { return hwnd_; }
    /// Where the control stands in its container, in twips.
    Twips place() const { return place_; }

    // The properties of FormControls; a kind without one throws std::logic_error.
    virtual int value() const;
    virtual void setValue(int value);
    virtual std::string text() const;
    virtual void setText(std::string_view text);
    virtual void addItem(std::string_view item);
    virtual void removeItem(int index);
    virtual int listIndex() const;
    virtual void setListIndex(int index);
    virtual void setMaximum(int maximum);
    /// Pictures: an image shows it stretched over itself, a picture box at its natural size
    /// from the top left (and takes its size when `resize`), a tile strip repeats it.
    virtual void setPicture(Bitmap picture, bool resize);
    /// The picture shown; null for none.
    virtual const Bitmap* picture() const { return nullptr; }
    /// Lets go of the picture shown, handing it over.
    virtual Bitmap takePicture();
    /// A tile strip: the part of it that its tiles cover, in pixels from its top left.
    virtual void setTileArea(SIZE) {}
    /// A help line: the tool tip's fuller text, and how the text is fitted.
    virtual void setWholeText(std::string_view text);
    virtual std::optional<TextFit> fit() const { return std::nullopt; }
    void setBackColor(COLORREF color);
    void setForeColor(COLORREF color);
    void move(Twips place);
    /// The mouse pointer over the control; null for the class's own.
    void setCursor(HCURSOR cursor) { cursor_ = cursor; }

    // Called by the window procedure of the control's parent.
    /// A notification from WM_COMMAND.
    virtual void command(WORD) {}
    /// WM_HSCROLL from a scroll bar.
    virtual void scroll(WORD, int) {}
    /// WM_CTLCOLOR...: the brush to paint the background with, or null for the system's.
    HBRUSH colors(HDC dc);

    /// For the kinds' classes; create() makes a control.
    Control(Form& form, const forms::ControlSpec& row, forms::ControlRef ref, Twips place);

protected:
    virtual const wchar_t* windowClass() const = 0;
    virtual DWORD style() const = 0;
    virtual DWORD exStyle() const { return 0; }
    /// The caption as the window shows it: "&" doubled where it is no access key.
    virtual std::wstring windowText(std::string_view caption) const;
    /// Whether the control paints itself (paint()) rather than its window class.
    virtual bool drawsItself() const { return false; }
    virtual bool paint(HDC, const RECT&) { return false; }
    /// The window's height for a designed height in pixels (a drop-down list's includes its
    /// list).
    virtual int windowHeight(int designed) const { return designed; }
    /// After the window exists: the first state beyond its styles.
    virtual void created() {}
    /// After the window has moved or changed its size.
    virtual void resized() {}
    /// The width in pixels its caption has on one line; negative for a kind whose caption is
    /// not fitted.
    virtual int captionRoom() const { return -1; }
    /// A caption wider than its room takes its font a pixel smaller at a time, down to 8
    /// pixels: the twip layout assumes narrower glyphs than some systems' fonts have.
    void fitCaption();
    /// The brush when no colour of the control's own applies; null for the system's.
    virtual HBRUSH defaultBrush(HDC dc) const;

    void raise(forms::Event event) const;
    /// The window's own procedure, under the control's.
    LRESULT original(UINT message, WPARAM wParam, LPARAM lParam) const;
    std::wstring windowTextNow() const;
    /// Paints what lies under a control that lets it show through: its container, then the
    /// controls behind it.
    void paintUnder(HDC dc) const;
    /// Repaints what lies under a control that lets it show through.
    void invalidate() const;
    int dpi() const;
    int clientWidth() const;

    Form& form_;
    const forms::ControlSpec& row_;
    forms::ControlRef ref_;
    HWND hwnd_ = nullptr;
    Twips place_;

private:
    friend LRESULT CALLBACK controlProc(HWND, UINT, WPARAM, LPARAM);
    void make(HWND parent, bool visible);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC original_ = nullptr;
    HCURSOR cursor_ = nullptr;
    std::optional<COLORREF> back_;
    std::optional<COLORREF> fore_;
    Brush backBrush_;
    bool rightDown_ = false;
};

} // namespace lumivane::win32
