#pragma once

#include "windows/form.h"
#include "windows/form_controls.h"
#include "windows/win32/controls.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace lumivane::win32 {

/// An open window built from its form: the window of the form's style and every control of
/// its rows, made with the platform's own window classes, with the form's controls behind
/// FormControls and their events behind FormEvents, for the window's rules. Containers
/// (frames, picture boxes) are the real parents of what lies in them, so hiding one hides its
/// contents; a control made later lies in front of one made earlier. A handler must not
/// destroy the form (close() it instead).
class Form : public forms::FormControls, public forms::FormEvents {
public:
    /// What the window itself reports, beyond its controls' events.
    struct WindowEvents {
        /// The window is closing (its close box, or close()); it cannot be kept open.
        std::function<void()> closing;
        /// The system colours have changed.
        std::function<void()> systemColorsChanged;
    };

    /// Makes the window, hidden, owned by `owner` (a modal or owned window) or by no one.
    explicit Form(const forms::FormSpec& design, HWND owner = nullptr, WindowEvents window = {});
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const forms::FormSpec& design() const { return design_; }
    HWND hwnd() const { return hwnd_; }
    /// The window of a control, or the form's own for its name; throws std::logic_error for a
    /// control the window does not have.
    HWND hwnd(forms::ControlRef ref) const;
    /// Whether the window still exists (the user may have closed it).
    bool open() const { return hwnd_ != nullptr; }

    void show(int command = SW_SHOW);
    /// Shows the window modal: its owner takes no input until it has closed, and the call
    /// returns then, having dispatched the thread's messages meanwhile.
    void showModal();
    /// Asks the window to close, as its close box does.
    void close();
    /// The window's outer size in twips (title bar and borders included).
    Twips outerSize() const;
    void setOuterSize(int widthTwips, int heightTwips);
    /// Paints what has changed at once, without waiting for the message loop.
    void repaintNow() const;
    /// A picture for an image, picture box or tile strip (see Control::setPicture).
    void setPicture(forms::ControlRef ref, Bitmap picture, bool resize = false);
    /// The picture a control shows, or null.
    const Bitmap* picture(forms::ControlRef ref) const;
    /// The control lets go of its picture and hands it over.
    Bitmap takePicture(forms::ControlRef ref);
    /// Limits a tile strip's tiles to a part of it, in pixels from its top left.
    void setTileArea(forms::ControlRef ref, SIZE area);
    void setCursor(forms::ControlRef ref, HCURSOR cursor);
    /// How a help line fits its present text.
    std::optional<TextFit> textFit(forms::ControlRef ref) const;
    /// The control of this window that a window belongs to (itself or an ancestor), or null.
    Control* controlOf(HWND window) const;

    // FormControls
    int value(forms::ControlRef ref) const override;
    void setValue(forms::ControlRef ref, int value) override;
    std::string text(forms::ControlRef ref) const override;
    void setText(forms::ControlRef ref, std::string_view text) override;
    void setToolTip(forms::ControlRef ref, std::string_view text) override;
    void addItem(forms::ControlRef ref, std::string_view item) override;
    void removeItem(forms::ControlRef ref, int index) override;
    int listIndex(forms::ControlRef ref) const override;
    void setListIndex(forms::ControlRef ref, int index) override;
    void setMaximum(forms::ControlRef ref, int maximum) override;
    bool enabled(forms::ControlRef ref) const override;
    void setEnabled(forms::ControlRef ref, bool enabled) override;
    void setVisible(forms::ControlRef ref, bool visible) override;
    void setBackColor(forms::ControlRef ref, std::uint32_t color) override;
    void setForeColor(forms::ControlRef ref, std::uint32_t color) override;
    void move(forms::ControlRef ref, Twips place) override;
    void load(forms::ControlRef element) override;
    void unload(forms::ControlRef element) override;

    // FormEvents
    void on(forms::ControlRef control, forms::Event event, Handler handler) override;
    void on(forms::ControlArray array, forms::Event event, IndexHandler handler) override;
    void onFilesDropped(forms::ControlRef target, FilesHandler handler) override;
    void onDragDrop(forms::ControlRef target, forms::ControlArray source,
                    IndexHandler handler) override;
    void setDropGate(forms::ControlRef target, std::function<bool()> open) override;
    void onPointerOver(std::function<void(forms::ControlRef over)> handler) override;

    // What the controls report.
    void raise(forms::ControlRef ref, forms::Event event);
    void pointerMoved(forms::ControlRef ref);
    void filesDropped(forms::ControlRef ref, std::vector<std::string> paths);
    /// Whether a left press on the control starts dragging it: an element of an array that
    /// a drop target takes, while that target's gate is open.
    bool canDrag(const Control& control) const;
    void beginDrag(Control& source, POINT grab);
    /// Drag in progress: the pointer moved (screen coordinates) or the button came up.
    bool dragging() const { return drag_.has_value(); }
    void dragTo(POINT screen);
    void endDrag(POINT screen);
    void cancelDrag();
    /// The parent's share of the window procedure: WM_COMMAND, WM_HSCROLL, WM_CTLCOLOR...
    /// sent by a child, for the form and for every container. Null when not one of these.
    std::optional<LRESULT> childMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void forget(HWND window);
    /// Shows a text in the tool tip of a control; empty for none.
    void showToolTip(HWND control, std::string_view text);

private:
    using Key = std::pair<std::string, int>;
    struct DropTarget {
        FilesHandler files;
        std::string source; ///< the array whose elements may be dropped here
        IndexHandler dropped;
        std::function<bool()> open;
        bool isOpen() const { return !open || open(); }
    };

    friend LRESULT CALLBACK formProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    Control& control(forms::ControlRef ref) const;
    Control& make(const forms::ControlSpec& row, forms::ControlRef ref, Twips place, bool visible);
    HWND containerOf(const forms::ControlSpec& row) const;
    const DropTarget* dropTargetTaking(std::string_view sourceArray) const;
    void drawOutline() const;
    HWND toolTip();

    const forms::FormSpec& design_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    bool modal_ = false; ///< the owner is disabled while this window is up
    WindowEvents window_;
    HWND toolTip_ = nullptr;
    std::map<Key, std::unique_ptr<Control>> controls_;
    std::unordered_map<HWND, Control*> byWindow_;
    std::vector<std::unique_ptr<Control>> unloaded_;
    std::map<Key, std::vector<std::pair<forms::Event, Handler>>> handlers_;
    std::map<std::string, std::vector<std::pair<forms::Event, IndexHandler>>, std::less<>>
        arrayHandlers_;
    std::map<Key, DropTarget> dropTargets_;
    std::function<void(forms::ControlRef)> pointerOver_;
    struct Drag {
        Control* source;
        POINT grab;   ///< where in the source the button went down, in pixels
        RECT outline; ///< where the outline stands, in the window's coordinates
    };
    std::optional<Drag> drag_;
};

} // namespace lumivane::win32
