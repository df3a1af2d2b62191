#pragma once

#include "windows/form.h"
#include "windows/form_controls.h"
#include "windows/win32/controls.h"
#include "windows/win32/events.h"

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
/// FormControls for the window's rules. Containers (frames, picture boxes) are the real
/// parents of what lies in them, so hiding one hides its contents. Events reach the handlers
/// registered with on(); a handler must not destroy the form (close() it instead).
class Form : public forms::FormControls {
public:
    /// Makes the window, hidden, owned by `owner` (a modal or owned window) or by no one.
    explicit Form(const forms::FormSpec& spec, HWND owner = nullptr);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const forms::FormSpec& spec() const { return spec_; }
    HWND hwnd() const { return hwnd_; }
    /// The window of a control; throws std::logic_error for one the window does not have.
    HWND hwnd(forms::ControlRef ref) const;
    /// Whether the window still exists (the user may have closed it).
    bool open() const { return hwnd_ != nullptr; }

    /// Registers the handler of an event: of a single control by its name, of every element
    /// of a control array (present and future) by the array's name, of the window itself by
    /// the form's name. A handler of FilesDropped makes the control a drop target.
    void on(std::string_view name, Event event, Handler handler);
    /// Makes every element of a control (array) a drag source: a left press on it starts a
    /// drag, an outline of it follows the pointer, and letting go raises DragDrop on the
    /// control under the pointer.
    void setDragSource(std::string_view name);

    void show(int command = SW_SHOW);
    /// Asks the window to close, as its close box does; Unload follows.
    void close();
    /// The window's outer size in twips (title bar and borders included).
    void setOuterSize(int widthTwips, int heightTwips);
    /// A picture for an image, picture box or tile strip (see Control::setPicture).
    void setPicture(forms::ControlRef ref, Bitmap picture, bool resize = false);
    void setCursor(forms::ControlRef ref, HCURSOR cursor);
    /// The control of this window that a window belongs to (itself or an ancestor), or null.
    Control* controlOf(HWND window) const;

    // FormControls
    int value(forms::ControlRef ref) const override;
    void setValue(forms::ControlRef ref, int value) override;
    std::string text(forms::ControlRef ref) const override;
    void setText(forms::ControlRef ref, std::string_view text) override;
    void setToolTip(forms::ControlRef ref, std::string_view text) override;
    void addItem(forms::ControlRef ref, std::string_view item) override;
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

    // For the controls.
    void raise(forms::ControlRef ref, Event event, const EventArgs& args) const;
    bool hasHandler(std::string_view name, Event event) const;
    bool isDragSource(const Control& control) const;
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

private:
    friend LRESULT CALLBACK formProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    Control& control(forms::ControlRef ref) const;
    Control& make(const forms::ControlSpec& row, forms::ControlRef ref, Twips place, bool visible);
    HWND containerOf(const forms::ControlSpec& row) const;
    void acceptFiles(std::string_view name);
    void drawOutline() const;
    HWND toolTip();

    const forms::FormSpec& spec_;
    HWND hwnd_ = nullptr;
    HWND toolTip_ = nullptr;
    std::map<std::pair<std::string, int>, std::unique_ptr<Control>> controls_;
    std::unordered_map<HWND, Control*> byWindow_;
    std::vector<std::unique_ptr<Control>> unloaded_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    std::vector<std::string> dragSources_;
    struct Drag {
        Control* source;
        POINT grab;   ///< where in the source the button went down, in pixels
        RECT outline; ///< where the outline stands, in the window's coordinates
    };
    std::optional<Drag> drag_;
};

} // namespace lumivane::win32
