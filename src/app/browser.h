#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lumivane::app {

/// The browser window in which the user chooses a colour name from the colour page. The main
/// window drives it through these operations and listens to its two events. On Windows it is
/// Internet Explorer's application object; elsewhere a small window of the program's own.
class Browser {
public:
    /// What the browser reports. The program may destroy the browser from inside either
    /// event, so an implementation touches nothing of itself after raising one.
    struct Events {
        /// The status bar's text has changed (UTF-8).
        std::function<void(const std::string& text)> StatusTextChange;
        /// The browser is closing, whether by Quit or by the user.
        std::function<void()> OnQuit;
    };

    virtual ~Browser() = default;

    /// Starts loading a page from a file path of this host; false when it cannot be loaded.
    virtual bool Navigate(std::string_view path) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setMenuBar(bool shown) = 0;
    /// 0 hides every tool bar.
    virtual void setToolBar(int toolBar) = 0;
    virtual void setOffline(bool offline) = 0;
    /// Closes the window; OnQuit follows.
    virtual void Quit() = 0;
};

/// Creates a new, not yet visible browser that reports to `events`; null when none can be
/// created (no such browser on the system).
using BrowserFactory = std::function<std::unique_ptr<Browser>(Browser::Events events)>;

} // namespace lumivane::app
