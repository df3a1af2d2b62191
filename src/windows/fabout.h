#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QUrl;

namespace lumivane::platform {
class Platform;
}

namespace lumivane::windows {

class ClickLabel;

/// The about box: name, version, maker and two link labels handed to the desktop.
/// Modal, owned by the main window; "OK" or the close box destroys it.
class FAbout : public QDialog {
    Q_OBJECT
public:
    /// Hands an address to the desktop's default program.
    using UrlOpener = std::function<void(const QUrl&)>;

    /// `openUrl` defaults to QDesktopServices::openUrl; tests pass their own.
    FAbout(platform::Platform& platform, QWidget* owner, UrlOpener openUrl = {});

    void lblMail_Click();
    void lblURL_Click();
    void cmdOK_Click();

    QLabel* Label2;
    QLabel* lblVer;
    QLabel* Label1;
    ClickLabel* lblURL;
    QLabel* Label4;
    ClickLabel* lblMail;
    QPushButton* cmdOK;

private:
    UrlOpener openUrl_;
};

} // namespace lumivane::windows
