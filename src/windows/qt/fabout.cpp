#include "windows/qt/fabout.h"

#include "windows/qt/click_label.h"
#include "windows/small_forms.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

namespace lumivane::windows {

FAbout::FAbout(platform::Platform& platform, QWidget* owner, UrlOpener openUrl)
    : QDialog(owner), openUrl_(std::move(openUrl)), form_(FAboutForm(), this, &platform),
      rules_(form_, form_, *this) {
    if (!openUrl_)
        openUrl_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    Label2 = form_.get<QLabel>(fabout::Label2);
    lblVer = form_.get<QLabel>(fabout::lblVer);
    Label1 = form_.get<QLabel>(fabout::Label1);
    lblURL = form_.get<ClickLabel>(fabout::lblURL);
    Label4 = form_.get<QLabel>(fabout::Label4);
    lblMail = form_.get<ClickLabel>(fabout::lblMail);
    cmdOK = form_.get<QPushButton>(fabout::cmdOK);
    rules_.Form_Load();
}

void FAbout::openAddress(const std::string& address) {
    // A failing hand-over (no mail program) is not reported; the box stays as it is.
    openUrl_(QUrl(QString::fromStdString(address)));
}

void FAbout::closeWindow() {
    QDialog::close();
}

} // namespace lumivane::windows
