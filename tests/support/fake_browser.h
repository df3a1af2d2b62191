#pragma once

#include "app/browser.h"

#include <memory>
#include <string>
#include <vector>

namespace lumivane::test {

class FakeBrowser;

/// What a fake browser was asked, kept beyond its life (the window deletes it when it quits).
struct FakeBrowserRecord {
    std::vector<std::string> navigated;
    bool visible = false;
    bool menuBar = true;
    int toolBar = 1;
    bool offline = true;
    int quitCalls = 0;
    /// Whether Quit raises OnQuit at once, as the real window does.
    bool quitRaisesOnQuit = true;
    /// The browser while it exists.
    FakeBrowser* browser = nullptr;
};

/// A browser that records what the main window asks of it and raises its events on demand.
class FakeBrowser : public app::Browser {
public:
    FakeBrowser(Events events, std::shared_ptr<FakeBrowserRecord> record, bool pageFound)
        : events_(std::move(events)), record_(std::move(record)), pageFound_(pageFound) {
        record_->browser = this;
    }
    ~FakeBrowser() override { record_->browser = nullptr; }

    bool Navigate(std::string_view path) override {
        record_->navigated.emplace_back(path);
        return pageFound_;
    }
    void setVisible(bool v) override { record_->visible = v; }
    void setMenuBar(bool shown) override { record_->menuBar = shown; }
    void setToolBar(int t) override { record_->toolBar = t; }
    void setOffline(bool o) override { record_->offline = o; }
    void Quit() override {
        ++record_->quitCalls;
        record_->visible = false;
        if (record_->quitRaisesOnQuit)
            events_.OnQuit(); // may delete this browser
    }

    /// The page sets the status bar's text.
    void showStatus(const std::string& text) { events_.StatusTextChange(text); }
    /// The user closes the window by hand.
    void closeByHand() {
        record_->visible = false;
        events_.OnQuit();
    }

private:
    Events events_;
    std::shared_ptr<FakeBrowserRecord> record_;
    bool pageFound_;
};

/// Hands out fake browsers and keeps their records; the window owns and deletes them.
struct FakeBrowserFactory {
    std::vector<std::shared_ptr<FakeBrowserRecord>> created;
    bool fails = false;
    bool pageFound = true;

    app::BrowserFactory factory() {
        return [this](app::Browser::Events events) -> std::unique_ptr<app::Browser> {
            if (fails)
                return nullptr;
            created.push_back(std::make_shared<FakeBrowserRecord>());
            return std::make_unique<FakeBrowser>(std::move(events), created.back(), pageFound);
        };
    }
    /// The record of the browser made last.
    std::shared_ptr<FakeBrowserRecord> lastRecord() const {
        return created.empty() ? nullptr : created.back();
    }
    /// The browser made last, while it exists.
    FakeBrowser* last() const { return created.empty() ? nullptr : created.back()->browser; }
};

} // namespace lumivane::test
