#pragma once

#include "app/browser.h"

#include <QPointer>
#include <QStringList>
#include <vector>

namespace lumivane::test {

/// A browser that records what the main window asks of it and raises its events on demand.
class FakeBrowser : public app::Browser {
    Q_OBJECT
public:
    QStringList navigated;
    bool visible = false;
    bool menuBar = true;
    int toolBar = 1;
    bool offline = true;
    int quitCalls = 0;
    bool pageFound = true;
    /// Whether Quit raises OnQuit at once, as the real window does.
    bool quitRaisesOnQuit = true;

    bool Navigate(const QString& path) override {
        navigated << path;
        return pageFound;
    }
    void setVisible(bool v) override { visible = v; }
    void setMenuBar(bool shown) override { menuBar = shown; }
    void setToolBar(int t) override { toolBar = t; }
    void setOffline(bool o) override { offline = o; }
    void Quit() override {
        ++quitCalls;
        visible = false;
        if (quitRaisesOnQuit)
            Q_EMIT OnQuit();
    }

    void showStatus(const QString& text) { Q_EMIT StatusTextChange(text); }
    /// The user closes the window by hand.
    void closeByHand() {
        visible = false;
        Q_EMIT OnQuit();
    }
};

/// Hands out fake browsers and keeps track of them (they are deleted by the window).
struct FakeBrowserFactory {
    std::vector<QPointer<FakeBrowser>> created;
    bool fails = false;
    bool pageFound = true;

    app::BrowserFactory factory() {
        return [this]() -> std::unique_ptr<app::Browser> {
            if (fails)
                return nullptr;
            auto browser = std::make_unique<FakeBrowser>();
            browser->pageFound = pageFound;
            created.emplace_back(browser.get());
            return browser;
        };
    }
    FakeBrowser* last() const { return created.empty() ? nullptr : created.back().data(); }
};

} // namespace lumivane::test
