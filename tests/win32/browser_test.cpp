// The colour-choosing browser: the event sink turns DWebBrowserEvents2 into StatusTextChange
// and OnQuit; the Internet Explorer object as Wine has it; the shell's "open".
#include "platform/win32/wide.h"
#include "test_form.h"
#include "windows/win32/browser.h"
#include "windows/win32/shell.h"

#include <exdispid.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace lumivane::win32::testing {
namespace {

/// Calls the sink as the browser does: one event with its arguments (last first).
void invoke(IDispatch* sink, DISPID event, std::vector<VARIANT> arguments = {}) {
    DISPPARAMS params{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    ASSERT_HRESULT_SUCCEEDED(
        sink->Invoke(event, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr));
}

VARIANT text(const wchar_t* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(value);
    return v;
}

TEST(BrowserEventSink, HandsOnStatusTextsAndOneQuit) {
    std::vector<std::string> texts;
    int quits = 0;
    auto* sink =
        new BrowserEventSink({.StatusTextChange = [&](const std::string& t) { texts.push_back(t); },
                              .OnQuit = [&] { ++quits; }});
    VARIANT blue = text(L"lightblue");
    VARIANT japanese = text(L"読み込み中");
    invoke(sink, DISPID_STATUSTEXTCHANGE, {blue});
    invoke(sink, DISPID_STATUSTEXTCHANGE, {japanese});
    invoke(sink, DISPID_TITLECHANGE, {blue}); // not one it reports
    EXPECT_EQ(texts, (std::vector<std::string>{"lightblue", "読み込み中"}));
    invoke(sink, DISPID_ONQUIT);
    invoke(sink, DISPID_ONQUIT);
    sink->quit(); // the stand-in for a browser that could not quit
    EXPECT_EQ(quits, 1);
    invoke(sink, DISPID_STATUSTEXTCHANGE, {blue});
    EXPECT_EQ(texts.size(), 2u) << "nothing after the browser has quit";
    VariantClear(&blue);
    VariantClear(&japanese);

    IDispatch* events = nullptr;
    EXPECT_HRESULT_SUCCEEDED(
        sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&events)));
    EXPECT_EQ(events, sink);
    events->Release();
    sink->Release();
}

TEST(BrowserEventSink, AHandlerMayLetGoOfTheLastReference) {
    // The browser holds the sink; its OnQuit handler destroys the browser, and the sink with
    // it, while the sink is still raising the event.
    IDispatch* sink = nullptr;
    bool ran = false;
    sink = new BrowserEventSink({.StatusTextChange = {}, .OnQuit = [&] {
                                     ran = true;
                                     sink->Release();
                                 }});
    invoke(sink, DISPID_ONQUIT);
    EXPECT_TRUE(ran);
}

/// The colour page beside the test program, as the program finds rgb.htm in its folder.
std::string colourPage() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return platform::win32::fromWide(folder + L"rgb.htm");
}

// Wine (8) has an InternetExplorer.Application (iexplore.exe as a local server; pages are not
// shown, mshtml being switched off here): it is created, navigates, shows and reports status
// texts; it has no Quit, ToolBar or Offline (E_NOTIMPL), so OnQuit comes from the stand-in.
TEST(InternetExplorer, DrivesTheBrowserAndHearsItsEvents) {
    std::vector<std::string> texts;
    int quits = 0;
    std::unique_ptr<app::Browser> ie;
    ie = internetExplorerFactory()({
        .StatusTextChange = [&](const std::string& t) { texts.push_back(t); },
        .OnQuit =
            [&] {
                ++quits;
                ie.reset(); // the program lets go of the browser in this very event
            },
    });
    ASSERT_NE(ie, nullptr) << "no InternetExplorer.Application to create";
    ie->setMenuBar(false);
    ie->setToolBar(0);
    ie->setOffline(false);
    EXPECT_TRUE(ie->Navigate(colourPage()));
    ie->setVisible(true);
    EXPECT_TRUE(pumpUntil([&] { return !texts.empty(); })) << "no status text from the browser";

    ie->Quit();
    EXPECT_TRUE(pumpUntil([&] { return quits > 0; })) << "no OnQuit after Quit";
    EXPECT_EQ(ie, nullptr);
    pump();
    EXPECT_EQ(quits, 1);
}

TEST(Shell, SaysWhenNothingCanOpenTheTarget) {
    EXPECT_FALSE(openWithShell("C:\\lumivane\\no such folder\\no such file.txt"));
}

} // namespace
} // namespace lumivane::win32::testing
