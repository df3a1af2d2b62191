#pragma once

#include "app/browser.h"

class QMainWindow;
class QTextBrowser;
class QUrl;

namespace lumivane::app {

/// The colour-choosing browser: a small window that shows the colour page with a status
/// bar. Clicking a colour's name or swatch puts the name into the status bar; hovering a
/// link puts nothing there, so no text matches a colour name before the user has chosen.
class RgbBrowser final : public Browser {
public:
    explicit RgbBrowser(Events events);
    /// The window goes once control returns to the event loop: the browser may be destroyed
    /// inside one of its own events, while the window is still at work.
    ~RgbBrowser() override;

    bool Navigate(std::string_view path) override;
    void setVisible(bool visible) override;
    void setMenuBar(bool shown) override;
    void setToolBar(int toolBar) override;
    void setOffline(bool offline) override;
    void Quit() override;

    /// The window, for tests that click on the page.
    QMainWindow* window() const { return window_; }
    QTextBrowser* page() const { return page_; }

private:
    void chooseColour(const QUrl& link);
    void windowClosed();

    Events events_;
    QMainWindow* window_;
    QTextBrowser* page_ = nullptr;
    bool quit_ = false;
};

/// The factory of the real browser.
BrowserFactory rgbBrowserFactory();

} // namespace lumivane::app
