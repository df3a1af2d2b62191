#include "windows/win32/form.h"

#include "platform/win32/wide.h"
#include "windows/win32/drop.h"
#include "windows/win32/metrics.h"
#include "windows/win32/system.h"

#include <stdexcept>

namespace lumivane::win32 {

using forms::ControlRef;
using platform::win32::toWide;

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

constexpr wchar_t kFormClass[] = L"LumivaneForm";
// Posted to itself by a form that has unloaded controls: their objects go once no handler
// of theirs can still be running.
constexpr UINT kReapUnloaded = WM_APP + 1;

HICON programIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

void registerClassOnce() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &formProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kFormClass;
        windowClass.hIcon = programIcon(GetSystemMetrics(SM_CXICON));
        windowClass.hIconSm = programIcon(GetSystemMetrics(SM_CXSMICON));
        if (!windowClass.hIcon)
            windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered)
        throw std::runtime_error("cannot register the window class of the forms");
}

} // namespace

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form ? form->message(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

Form::Form(const forms::FormSpec& spec, HWND owner) : spec_(spec) {
    registerClassOnce();
    const int dpi = screenDpi();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    const DWORD exStyle =
        WS_EX_CONTROLPARENT | (spec.style == forms::WindowStyle::ToolWindow ? WS_EX_TOOLWINDOW : 0);
    RECT outer{0, 0, twipsToPixels(spec.client.width, dpi), twipsToPixels(spec.client.height, dpi)};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    if (spec.client.left != 0 || spec.client.top != 0) {
        // The form gives the client area's place; the frame lies around it.
        x = twipsToPixels(spec.client.left, dpi) + outer.left;
        y = twipsToPixels(spec.client.top, dpi) + outer.top;
    }
    if (!CreateWindowExW(exStyle, kFormClass, toWide(spec.caption).c_str(), style, x, y,
                         outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                         GetModuleHandleW(nullptr), this))
        throw std::runtime_error("cannot create the window " + std::string(spec.name));

    // Rows may name containers further down: make each once its container exists.
    std::vector<const forms::ControlSpec*> pending;
    for (const forms::ControlSpec& row : spec.controls)
        pending.push_back(&row);
    while (!pending.empty()) {
        const std::size_t before = pending.size();
        std::erase_if(pending, [&](const forms::ControlSpec* row) {
            if (row->container != spec.name && !controls_.count({std::string(row->container), -1}))
                return false;
            make(*row, row->ref, row->place, !row->has(forms::Hidden));
            return true;
        });
        if (pending.size() == before)
            throw std::logic_error(std::string(spec.name) + ": " +
                                   forms::fullName(pending.front()->ref) +
                                   " lies in a container the form does not have");
    }
}

Form::~Form() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

Control& Form::make(const forms::ControlSpec& row, ControlRef ref, Twips place, bool visible) {
    const HWND parent = containerOf(row);
    if (row.has(forms::FillsContainer) && parent != hwnd_) {
        RECT inside;
        GetClientRect(parent, &inside);
        place = {0, 0, pixelsToTwips(inside.right, screenDpi()),
                 pixelsToTwips(inside.bottom, screenDpi())};
    }
    auto made = Control::create(*this, row, ref, parent, place, visible);
    Control& control = *made;
    byWindow_[control.hwnd()] = &control;
    controls_[{std::string(ref.name), ref.index}] = std::move(made);
    if (hasHandler(ref.name, Event::FilesDropped))
        DragAcceptFiles(control.hwnd(), TRUE);
    return control;
}

HWND Form::containerOf(const forms::ControlSpec& row) const {
    if (row.container == spec_.name)
        return hwnd_;
    return control({row.container, -1}).hwnd();
}

Control& Form::control(ControlRef ref) const {
    const auto found = controls_.find({std::string(ref.name), ref.index});
    if (found == controls_.end())
        throw std::logic_error(std::string(spec_.name) + " has no control " + forms::fullName(ref));
    return *found->second;
}

HWND Form::hwnd(ControlRef ref) const {
    return control(ref).hwnd();
}

Control* Form::controlOf(HWND window) const {
    for (; window && window != hwnd_; window = GetParent(window)) {
        const auto found = byWindow_.find(window);
        if (found != byWindow_.end())
            return found->second;
    }
    return nullptr;
}

void Form::forget(HWND window) {
    byWindow_.erase(window);
}

// ---- Events --------------------------------------------------------------------------------

void Form::on(std::string_view name, Event event, Handler handler) {
    handlers_[{std::string(name), event}] = std::move(handler);
    if (event == Event::FilesDropped)
        acceptFiles(name);
}

bool Form::hasHandler(std::string_view name, Event event) const {
    return handlers_.count({std::string(name), event}) != 0;
}

void Form::raise(ControlRef ref, Event event, const EventArgs& args) const {
    const auto found = handlers_.find({std::string(ref.name), event});
    if (found == handlers_.end())
        return;
    // A copy: the handler may register another in its place.
    const Handler handler = found->second;
    handler(args);
}

void Form::acceptFiles(std::string_view name) {
    if (name == spec_.name) {
        DragAcceptFiles(hwnd_, TRUE);
        return;
    }
    for (const auto& [key, control] : controls_)
        if (key.first == name)
            DragAcceptFiles(control->hwnd(), TRUE);
}

std::optional<LRESULT> Form::childMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND && message != WM_HSCROLL &&
        (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC))
        return std::nullopt;
    const auto found = byWindow_.find(reinterpret_cast<HWND>(lParam));
    if (found == byWindow_.end())
        return std::nullopt;
    Control& child = *found->second;
    switch (message) {
    case WM_COMMAND:
        child.command(HIWORD(wParam));
        return 0;
    case WM_HSCROLL:
        child.scroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        if (const HBRUSH brush = child.colors(reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

LRESULT Form::message(UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlRef self{spec_.name, -1};
    auto mouse = [&](int button) {
        EventArgs args;
        args.button = button;
        args.x = pixelsToTwips(static_cast<short>(LOWORD(lParam)), screenDpi());
        args.y = pixelsToTwips(static_cast<short>(HIWORD(lParam)), screenDpi());
        return args;
    };
    if (const auto handled = childMessage(message, wParam, lParam))
        return *handled;
    switch (message) {
    case WM_MOUSEMOVE:
        raise(self, Event::MouseMove,
              mouse((wParam & MK_LBUTTON ? LeftButton : 0) |
                    (wParam & MK_RBUTTON ? RightButton : 0)));
        return 0;
    case WM_LBUTTONDOWN:
        raise(self, Event::MouseDown, mouse(LeftButton));
        return 0;
    case WM_LBUTTONUP:
        raise(self, Event::MouseUp, mouse(LeftButton));
        return 0;
    case WM_LBUTTONDBLCLK:
        raise(self, Event::DblClick, mouse(LeftButton));
        return 0;
    case WM_DROPFILES: {
        DropHandle drop(reinterpret_cast<HDROP>(wParam));
        EventArgs args;
        args.files = droppedFiles(drop.get());
        raise(self, Event::FilesDropped, args);
        return 0;
    }
    case WM_CLOSE:
        raise(self, Event::Unload, {});
        DestroyWindow(hwnd_);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        toolTip_ = nullptr;
        byWindow_.clear();
        break;
    case kReapUnloaded:
        unloaded_.clear();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// ---- The window ----------------------------------------------------------------------------

void Form::show(int command) {
    ShowWindow(hwnd_, command);
}

void Form::close() {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Form::setOuterSize(int widthTwips, int heightTwips) {
    SetWindowPos(hwnd_, nullptr, 0, 0, twipsToPixels(widthTwips, screenDpi()),
                 twipsToPixels(heightTwips, screenDpi()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::setPicture(ControlRef ref, Bitmap picture, bool resize) {
    control(ref).setPicture(std::move(picture), resize);
}

void Form::setCursor(ControlRef ref, HCURSOR cursor) {
    control(ref).setCursor(cursor);
}

// ---- Dragging a control within the window ---------------------------------------------------

void Form::setDragSource(std::string_view name) {
    dragSources_.emplace_back(name);
}

bool Form::isDragSource(const Control& control) const {
    for (const std::string& name : dragSources_)
        if (name == control.ref().name)
            return true;
    return false;
}

void Form::beginDrag(Control& source, POINT grab) {
    RECT outline;
    GetWindowRect(source.hwnd(), &outline);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&outline), 2);
    drag_ = Drag{&source, grab, outline};
    SetCapture(source.hwnd());
    drawOutline();
}

void Form::drawOutline() const {
    // Drawn twice in the same place it is gone again: the window is left as it was.
    WindowDc dc(hwnd_);
    DrawFocusRect(dc.get(), &drag_->outline);
}

void Form::dragTo(POINT screen) {
    drawOutline();
    ScreenToClient(hwnd_, &screen);
    RECT& outline = drag_->outline;
    OffsetRect(&outline, screen.x - drag_->grab.x - outline.left,
               screen.y - drag_->grab.y - outline.top);
    drawOutline();
}

void Form::endDrag(POINT screen) {
    drawOutline();
    const Drag drag = *drag_;
    drag_.reset();
    ReleaseCapture();
    // The target is whatever control of this window lies under the pointer, else the window.
    const HWND under = WindowFromPoint(screen);
    if (under != hwnd_ && !IsChild(hwnd_, under))
        return;
    Control* target = controlOf(under);
    EventArgs args;
    args.source = drag.source->ref();
    ScreenToClient(target ? target->hwnd() : hwnd_, &screen);
    args.x = pixelsToTwips(screen.x, screenDpi());
    args.y = pixelsToTwips(screen.y, screenDpi());
    if (target) {
        args.index = target->ref().index;
        raise(target->ref(), Event::DragDrop, args);
    } else {
        raise({spec_.name, -1}, Event::DragDrop, args);
    }
}

void Form::cancelDrag() {
    drawOutline();
    drag_.reset();
}

// ---- FormControls ----------------------------------------------------------------------------

int Form::value(ControlRef ref) const {
    return control(ref).value();
}
void Form::setValue(ControlRef ref, int value) {
    control(ref).setValue(value);
}
std::string Form::text(ControlRef ref) const {
    return control(ref).text();
}
void Form::setText(ControlRef ref, std::string_view text) {
    control(ref).setText(text);
}
void Form::addItem(ControlRef ref, std::string_view item) {
    control(ref).addItem(item);
}
int Form::listIndex(ControlRef ref) const {
    return control(ref).listIndex();
}
void Form::setListIndex(ControlRef ref, int index) {
    control(ref).setListIndex(index);
}
void Form::setMaximum(ControlRef ref, int maximum) {
    control(ref).setMaximum(maximum);
}
bool Form::enabled(ControlRef ref) const {
    return IsWindowEnabled(hwnd(ref)) != FALSE;
}
void Form::setEnabled(ControlRef ref, bool enabled) {
    EnableWindow(hwnd(ref), enabled);
}
void Form::setVisible(ControlRef ref, bool visible) {
    ShowWindow(hwnd(ref), visible ? SW_SHOWNA : SW_HIDE);
}
void Form::setBackColor(ControlRef ref, std::uint32_t color) {
    control(ref).setBackColor(color);
}
void Form::setForeColor(ControlRef ref, std::uint32_t color) {
    control(ref).setForeColor(color);
}
void Form::move(ControlRef ref, Twips place) {
    control(ref).move(place);
}

HWND Form::toolTip() {
    if (!toolTip_) {
        toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        // Long texts wrap (a path in full, say) instead of running off the screen.
        SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, twipsToPixels(6000, screenDpi()));
    }
    return toolTip_;
}

void Form::setToolTip(ControlRef ref, std::string_view text) {
    const HWND tips = toolTip();
    std::wstring wide = toWide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd(ref));
    const bool present = SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = wide.data();
    if (wide.empty()) {
        if (present)
            SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (present) {
        SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Form::load(ControlRef element) {
    if (element.index <= 0 || controls_.count({std::string(element.name), element.index}))
        throw std::logic_error(std::string(spec_.name) + ": " + forms::fullName(element) +
                               " is loaded already");
    const Control& first = control({element.name, 0});
    make(first.row(), element, first.place(), false);
}

void Form::unload(ControlRef element) {
    const auto found = controls_.find({std::string(element.name), element.index});
    if (found == controls_.end() || spec_.find(element)->ref.index == element.index)
        throw std::logic_error(std::string(spec_.name) + ": " + forms::fullName(element) +
                               " is no element loaded at run time");
    // The window goes now; the object once its handlers can no longer be running.
    DestroyWindow(found->second->hwnd());
    unloaded_.push_back(std::move(found->second));
    controls_.erase(found);
    PostMessageW(hwnd_, kReapUnloaded, 0, 0);
}

} // namespace lumivane::win32
