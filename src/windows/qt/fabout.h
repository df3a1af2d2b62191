#pragma once

#include "windows/qt/qt_form.h"
#include "windows/small_rules.h"

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

/// The about box: name, version, maker and two addresses handed to the desktop.
/// Modal, owned by the main window; "OK" or the close box destroys it.
class FAbout : public QDialog, private FAboutHost {
    Q_OBJECT
public:
    /// Hands an address to the desktop's default program.
    using UrlOpener = std::function<void(const QUrl&)>;

    /// `openUrl` defaults to QDesktopServices::openUrl; tests pass their own.
    FAbout(platform::Platform& platform, QWidget* owner, UrlOpener openUrl = {});

    FAboutRules& rules() { return rules_; }

    QLabel* Label2;
    QLabel* lblVer;
    QLabel* Label1;
    ClickLabel* lblURL;
    QLabel* Label4;
    ClickLabel* lblMail;
    QPushButton* cmdOK;

private:
    void openAddress(const std::string& address) override;
    void closeWindow() override;

    UrlOpener openUrl_;
    QtForm form_;
    FAboutRules rules_;
};

} // namespace lumivane::windows
