#pragma once

#include "app/browser.h"

#include <memory>

class QMainWindow;
class QTextBrowser;

namespace lumivane::app {

/// The colour-choosing browser: a small window that shows the colour page with a status
/// bar. Clicking a colour's name or swatch puts the name into the status bar; hovering a
/// link puts nothing there, so no text matches a colour name before the user has chosen.
class RgbBrowser : public Browser {
    Q_OBJECT
public:
    RgbBrowser();
    ~RgbBrowser() override;

    bool Navigate(const QString& path) override;
    void setVisible(bool visible) override;
    void setMenuBar(bool shown) override;
    void setToolBar(int toolBar) override;
    void setOffline(bool offline) override;
    void Quit() override;

    /// The window, for tests that click on the page.
    QMainWindow* window() const;
    QTextBrowser* page() const { return page_; }

private:
    void chooseColour(const QUrl& link);
    void windowClosed();

    std::unique_ptr<QMainWindow> window_;
    QTextBrowser* page_ = nullptr;
    bool quit_ = false;
};

/// The factory of the real browser.
BrowserFactory rgbBrowserFactory();

} // namespace lumivane::app
