#pragma once

#include "app/browser.h"
#include "windows/win32/handles.h"
#include "windows/win32/system.h"

#include <exdisp.h>
#include <memory>
#include <string_view>

namespace lumivane::win32 {

/// The colour-choosing browser on Windows: Internet Explorer's application object (COM
/// InternetExplorer.Application, IWebBrowser2), a browser process of its own. Null from the
/// factory where the system has none that can be started. COM must be initialised on the
/// calling thread (OleInitialize), whose message loop carries the events.
app::BrowserFactory internetExplorerFactory();

/// Receives the browser's events (DWebBrowserEvents2) and hands StatusTextChange and OnQuit
/// on. It owns the handlers and keeps itself alive while one runs, so a handler may destroy
/// the browser; after OnQuit it reports nothing more.
class BrowserEventSink final : public IDispatch {
public:
    explicit BrowserEventSink(app::Browser::Events events) : events_(std::move(events)) {}

    /// OnQuit, once: from the browser's event, or in its stead where Quit cannot close it.
    void quit();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params,
                                     VARIANT*, EXCEPINFO*, UINT*) override;

private:
    ~BrowserEventSink() = default;

    LONG references_ = 1;
    app::Browser::Events events_;
    bool quit_ = false;
};

} // namespace lumivane::win32
