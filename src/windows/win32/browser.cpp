#include "windows/win32/browser.h"

#include "platform/win32/wide.h"

#include <exdispid.h>

namespace lumivane::win32 {

using platform::win32::fromWide;
using platform::win32::toWide;

// ---- The event sink -----------------------------------------------------------------------

HRESULT BrowserEventSink::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG BrowserEventSink::AddRef() {
    return InterlockedIncrement(&references_);
}

ULONG BrowserEventSink::Release() {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return left;
}

HRESULT BrowserEventSink::GetTypeInfoCount(UINT* count) {
    if (count)
        *count = 0;
    return S_OK;
}

HRESULT BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT BrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT BrowserEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                 EXCEPINFO*, UINT*) {
    // Alive until the handler has returned, even if it lets the browser go.
    AddRef();
    ComPtr<BrowserEventSink> alive(this);
    if (member == DISPID_STATUSTEXTCHANGE && !quit_ && params && params->cArgs >= 1 &&
        events_.StatusTextChange) {
        const VARIANT& text = params->rgvarg[0];
        const BSTR value = text.vt == VT_BSTR                ? text.bstrVal
                           : text.vt == (VT_BSTR | VT_BYREF) ? *text.pbstrVal
                                                             : nullptr;
        events_.StatusTextChange(
            fromWide(value ? std::wstring_view(value, SysStringLen(value)) : std::wstring_view()));
    } else if (member == DISPID_ONQUIT) {
        quit();
    }
    return S_OK;
}

void BrowserEventSink::quit() {
    if (quit_)
        return;
    quit_ = true;
    AddRef();
    ComPtr<BrowserEventSink> alive(this);
    if (events_.OnQuit)
        events_.OnQuit();
}

// ---- The browser ----------------------------------------------------------------------------

namespace {

constexpr wchar_t kEventWindowClass[] = L"LumivaneBrowserEvents";
constexpr UINT kQuitInstead = WM_APP + 1;

/// Raises OnQuit from the message loop for a browser whose Quit could not close it, so the
/// event follows Quit as the browser's own would, and never from inside Quit.
LRESULT CALLBACK eventWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kQuitInstead) {
        if (auto* sink =
                reinterpret_cast<BrowserEventSink*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            sink->quit();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeEventWindow(BrowserEventSink* sink) {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &eventWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kEventWindowClass;
        return RegisterClassW(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    // A message-only window: no place on the screen, only a queue.
    const HWND window = CreateWindowExW(0, kEventWindowClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(sink));
    return window;
}

VARIANT_BOOL variantBool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

class InternetExplorer final : public app::Browser {
public:
    static std::unique_ptr<app::Browser> create(Events events) {
        ComPtr<IWebBrowser2> browser;
        if (FAILED(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER,
                                    IID_IWebBrowser2, browser.outVoid())) ||
            !browser)
            return nullptr;
        std::unique_ptr<InternetExplorer> made(new InternetExplorer(std::move(browser)));
        made->sink_ = ComPtr<BrowserEventSink>(new BrowserEventSink(std::move(events)));
        ComPtr<IConnectionPointContainer> points;
        if (FAILED(
                made->browser_->QueryInterface(IID_IConnectionPointContainer, points.outVoid())) ||
            FAILED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, made->point_.out())) ||
            FAILED(made->point_->Advise(made->sink_.get(), &made->cookie_)) ||
            !(made->events_ = WindowHandle(makeEventWindow(made->sink_.get())))) {
            // A browser that cannot tell what the user chose is of no use.
            made->browser_->Quit();
            return nullptr;
        }
        return made;
    }

    ~InternetExplorer() override {
        events_.reset(); // no OnQuit of ours after this
        if (point_ && cookie_)
            point_->Unadvise(cookie_);
    }

    bool Navigate(std::string_view path) override {
        const std::wstring wide = toWide(path);
        BSTR url = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        VARIANT none;
        VariantInit(&none);
        const HRESULT result = browser_->Navigate(url, &none, &none, &none, &none);
        SysFreeString(url);
        return SUCCEEDED(result);
    }
    void setVisible(bool visible) override { browser_->put_Visible(variantBool(visible)); }
    void setMenuBar(bool shown) override { browser_->put_MenuBar(variantBool(shown)); }
    void setToolBar(int toolBar) override { browser_->put_ToolBar(toolBar); }
    void setOffline(bool offline) override { browser_->put_Offline(variantBool(offline)); }

    void Quit() override {
        if (SUCCEEDED(browser_->Quit()))
            return; // the browser reports OnQuit itself
        // A browser that cannot quit (Wine's has no Quit): close its window and report OnQuit
        // in its stead, once back in the message loop.
        SHANDLE_PTR window = 0;
        if (SUCCEEDED(browser_->get_HWND(&window)) && window)
            PostMessageW(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0);
        PostMessageW(events_.get(), kQuitInstead, 0, 0);
    }

private:
    explicit InternetExplorer(ComPtr<IWebBrowser2> browser) : browser_(std::move(browser)) {}

    ComPtr<IWebBrowser2> browser_;
    ComPtr<BrowserEventSink> sink_;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
    WindowHandle events_;
};

} // namespace

app::BrowserFactory internetExplorerFactory() {
    return [](app::Browser::Events events) { return InternetExplorer::create(std::move(events)); };
}

} // namespace lumivane::win32
