#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace lumivane::app {

/// The browser window in which the user chooses a colour name from the colour page. The
/// main window drives it through these operations and listens to its two events.
class Browser : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Starts loading a page from a host file path; false when it cannot be loaded.
    virtual bool Navigate(const QString& path) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setMenuBar(bool shown) = 0;
    /// 0 hides every tool bar.
    virtual void setToolBar(int toolBar) = 0;
    virtual void setOffline(bool offline) = 0;
    /// Closes the window; OnQuit follows.
    virtual void Quit() = 0;

Q_SIGNALS:
    /// The status bar's text has changed.
    void StatusTextChange(const QString& text);
    /// The browser is closing, whether by Quit or by the user.
    void OnQuit();
};

/// Creates a new, not yet visible browser; null when none can be created.
using BrowserFactory = std::function<std::unique_ptr<Browser>()>;

} // namespace lumivane::app
