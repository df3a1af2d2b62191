#include "windows/win32/form.h"

#include "platform/win32/wide.h"
#include "windows/win32/drop.h"
#include "windows/win32/metrics.h"
#include "windows/win32/resources.h"
#include "windows/win32/system.h"

#include <stdexcept>

namespace lumivane::win32 {

using forms::ControlRef;
using forms::Event;
using platform::win32::toWide;

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

constexpr wchar_t kFormClass[] = L"LumivaneForm";
// Posted to itself by a form that has unloaded controls: their objects go once no handler
// of theirs can still be running.
constexpr UINT kReapUnloaded = WM_APP + 1;

HICON programIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
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

Form::Form(const forms::FormSpec& design, HWND owner, WindowEvents window)
    : design_(design), owner_(owner), window_(std::move(window)) {
    registerClassOnce();
    const int dpi = screenDpi();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
    const DWORD exStyle = WS_EX_CONTROLPARENT |
                          (design.style == forms::WindowStyle::ToolWindow ? WS_EX_TOOLWINDOW : 0);
    RECT outer{0, 0, twipsToPixels(design.client.width, dpi),
               twipsToPixels(design.client.height, dpi)};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    if (design.client.left != 0 || design.client.top != 0) {
        // The form gives the client area's place; the frame lies around it.
        x = twipsToPixels(design.client.left, dpi) + outer.left;
        y = twipsToPixels(design.client.top, dpi) + outer.top;
    }
    if (!CreateWindowExW(exStyle, kFormClass, toWide(design.caption).c_str(), style, x, y,
                         outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                         GetModuleHandleW(nullptr), this))
        throw std::runtime_error("cannot create the window " + std::string(design.name));

    // Rows may name containers further down: make each once its container exists.
    std::vector<const forms::ControlSpec*> pending;
    for (const forms::ControlSpec& row : design.controls)
        pending.push_back(&row);
    while (!pending.empty()) {
        const std::size_t before = pending.size();
        std::erase_if(pending, [&](const forms::ControlSpec* row) {
            if (row->container != design.name &&
                !controls_.count({std::string(row->container), -1}))
                return false;
            make(*row, row->ref, row->place, !row->has(forms::Hidden));
            return true;
        });
        if (pending.size() == before)
            throw std::logic_error(std::string(design.name) + ": " +
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
    if (dropTargets_.count({std::string(ref.name), ref.index}))
        DragAcceptFiles(control.hwnd(), TRUE);
    return control;
}

HWND Form::containerOf(const forms::ControlSpec& row) const {
    if (row.container == design_.name)
        return hwnd_;
    return control({row.container, -1}).hwnd();
}

Control& Form::control(ControlRef ref) const {
    const auto found = controls_.find({std::string(ref.name), ref.index});
    if (found == controls_.end())
        throw std::logic_error(std::string(design_.name) + " has no control " +
                               forms::fullName(ref));
    return *found->second;
}

HWND Form::hwnd(ControlRef ref) const {
    if (ref.name == design_.name && ref.index < 0)
        return hwnd_;
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

void Form::on(ControlRef control, Event event, Handler handler) {
    this->control(control); // a control the window has
    handlers_[{std::string(control.name), control.index}].emplace_back(event, std::move(handler));
}

void Form::on(forms::ControlArray array, Event event, IndexHandler handler) {
    arrayHandlers_[std::string(array.name)].emplace_back(event, std::move(handler));
}

void Form::onFilesDropped(ControlRef target, FilesHandler handler) {
    dropTargets_[{std::string(target.name), target.index}].files = std::move(handler);
    DragAcceptFiles(hwnd(target), TRUE);
}

void Form::onDragDrop(ControlRef target, forms::ControlArray source, IndexHandler handler) {
    this->control(target);
    DropTarget& drop = dropTargets_[{std::string(target.name), target.index}];
    drop.source = source.name;
    drop.dropped = std::move(handler);
}

void Form::setDropGate(ControlRef target, std::function<bool()> open) {
    dropTargets_[{std::string(target.name), target.index}].open = std::move(open);
}

void Form::onPointerOver(std::function<void(ControlRef over)> handler) {
    pointerOver_ = std::move(handler);
}

void Form::raise(ControlRef ref, Event event) {
    // Copies: a handler may register others, or unload the control it was raised for.
    std::vector<Handler> run;
    if (const auto found = handlers_.find({std::string(ref.name), ref.index});
        found != handlers_.end())
        for (const auto& [kind, handler] : found->second)
            if (kind == event)
                run.push_back(handler);
    std::vector<IndexHandler> runIndexed;
    if (ref.index >= 0)
        if (const auto found = arrayHandlers_.find(ref.name); found != arrayHandlers_.end())
            for (const auto& [kind, handler] : found->second)
                if (kind == event)
                    runIndexed.push_back(handler);
    for (const Handler& handler : run)
        handler();
    for (const IndexHandler& handler : runIndexed)
        handler(ref.index);
}

void Form::pointerMoved(ControlRef ref) {
    // A container hears the pointer only over its own background; its controls hear their own.
    if (pointerOver_ && !design_.helpText(ref).empty())
        pointerOver_(ref);
}

void Form::filesDropped(ControlRef ref, std::vector<std::string> paths) {
    const auto found = dropTargets_.find({std::string(ref.name), ref.index});
    if (found == dropTargets_.end() || !found->second.files || !found->second.isOpen())
        return;
    const FilesHandler handler = found->second.files;
    handler(paths);
}

const Form::DropTarget* Form::dropTargetTaking(std::string_view sourceArray) const {
    for (const auto& [key, drop] : dropTargets_)
        if (drop.dropped && drop.source == sourceArray)
            return &drop;
    return nullptr;
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
    if (const auto handled = childMessage(message, wParam, lParam))
        return *handled;
    switch (message) {
    case WM_MOUSEMOVE:
        if (!dragging())
            pointerMoved({design_.name, -1});
        return 0;
    case WM_PRINTCLIENT: {
        // What lies under a transparent control standing on the window.
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 0;
    }
    case WM_SYSCOLORCHANGE:
        if (window_.systemColorsChanged)
            window_.systemColorsChanged();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_CLOSE:
        if (window_.closing)
            window_.closing();
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        // The owner of a modal window takes input again before this one goes, so that it is
        // the window activated next.
        if (std::exchange(modal_, false))
            EnableWindow(owner_, TRUE);
        break;
    case WM_NCDESTROY: {
        const HWND window = std::exchange(hwnd_, nullptr);
        toolTip_ = nullptr;
        byWindow_.clear();
        return DefWindowProcW(window, message, wParam, lParam);
    }
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

void Form::showModal() {
    if (owner_) {
        EnableWindow(owner_, FALSE);
        modal_ = true;
    }
    ShowWindow(hwnd_, SW_SHOW);
    MSG message;
    while (open()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: the loop that waits for this message has it again.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0)
            break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (std::exchange(modal_, false))
        EnableWindow(owner_, TRUE);
}

void Form::close() {
    if (hwnd_)
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

Twips Form::outerSize() const {
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    return {pixelsToTwips(outer.left, screenDpi()), pixelsToTwips(outer.top, screenDpi()),
            pixelsToTwips(outer.right - outer.left, screenDpi()),
            pixelsToTwips(outer.bottom - outer.top, screenDpi())};
}

void Form::setOuterSize(int widthTwips, int heightTwips) {
    SetWindowPos(hwnd_, nullptr, 0, 0, twipsToPixels(widthTwips, screenDpi()),
                 twipsToPixels(heightTwips, screenDpi()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::repaintNow() const {
    // A window the user has closed has nothing to repaint (no window would be the desktop).
    if (hwnd_)
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Form::setPicture(ControlRef ref, Bitmap picture, bool resize) {
    control(ref).setPicture(std::move(picture), resize);
}

const Bitmap* Form::picture(ControlRef ref) const {
    return control(ref).picture();
}

Bitmap Form::takePicture(ControlRef ref) {
    return control(ref).takePicture();
}

void Form::setTileArea(ControlRef ref, SIZE area) {
    control(ref).setTileArea(area);
}

void Form::setCursor(ControlRef ref, HCURSOR cursor) {
    control(ref).setCursor(cursor);
}

std::optional<TextFit> Form::textFit(ControlRef ref) const {
    return control(ref).fit();
}

// ---- Dragging a control within the window ---------------------------------------------------

bool Form::canDrag(const Control& control) const {
    if (!control.row().has(forms::DragSource) || control.ref().index < 0)
        return false;
    const DropTarget* target = dropTargetTaking(control.ref().name);
    return target && target->isOpen();
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
    // The target is whatever control of this window lies under the pointer.
    const HWND under = WindowFromPoint(screen);
    if (under != hwnd_ && !IsChild(hwnd_, under))
        return;
    const Control* target = controlOf(under);
    if (!target)
        return;
    const auto found = dropTargets_.find({std::string(target->ref().name), target->ref().index});
    if (found == dropTargets_.end() || !found->second.dropped ||
        found->second.source != drag.source->ref().name || !found->second.isOpen())
        return;
    const IndexHandler handler = found->second.dropped;
    handler(drag.source->ref().index);
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
void Form::removeItem(ControlRef ref, int index) {
    control(ref).removeItem(index);
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
    control(ref).setWholeText(text);
}

void Form::showToolTip(HWND control, std::string_view text) {
    if (!hwnd_)
        return;
    const HWND tips = toolTip();
    std::wstring wide = toWide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
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
        throw std::logic_error(std::string(design_.name) + ": " + forms::fullName(element) +
                               " is loaded already");
    const Control& first = control({element.name, 0});
    make(first.row(), element, first.place(), false);
}

void Form::unload(ControlRef element) {
    const auto found = controls_.find({std::string(element.name), element.index});
    if (found == controls_.end() || design_.find(element)->ref.index == element.index)
        throw std::logic_error(std::string(design_.name) + ": " + forms::fullName(element) +
                               " is no element loaded at run time");
    // The window goes now; the object once its handlers can no longer be running.
    DestroyWindow(found->second->hwnd());
    unloaded_.push_back(std::move(found->second));
    controls_.erase(found);
    PostMessageW(hwnd_, kReapUnloaded, 0, 0);
}

} // namespace lumivane::win32
