// The preset, the link rows and choosing a colour name in the browser.
#include "app/fmain.h"
#include "app/fmain_rules.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace lumivane::app {

namespace {

QColor fromColorRef(std::uint32_t c) {
    return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

void setBackground(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

} // namespace

void Fmain::cmdTovraMode_Click() {
    chkShowMsg->setChecked(false);
    for (QCheckBox* box :
         {chkFitImageWidth, chkFitImageHeight, chkFolderNameItalic, chkFolderNamePosition,
          chkSetLink[0], chkSetLink[1], chkShowDetail, chkShowFolderName, chkShowIcon, chkShowLine,
          chkReload, chkThumbnail, chkThumnailPosition})
        box->setChecked(true);
    cmbFolderNameSize->setCurrentIndex(8);
    cmbInfoSize->setCurrentIndex(3);
    cmbLinkSize->setCurrentIndex(4);
    txtLink[0]->setText(QStringLiteral("file://c:\\temp"));
    txtLink[1]->setText(QStringLiteral("file://c:\\My Documents"));
    txtLinkTitle[0]->setText(QStringLiteral("Temp Directory"));
    txtLinkTitle[1]->setText(QStringLiteral("My Documents"));
    lblColor[0]->setText(QStringLiteral("blue"));
    lblColor[1]->setText(QStringLiteral("darkblue"));
    lblColor[2]->setText(QStringLiteral("lightblue"));
    lblColor[3]->setText(QStringLiteral("white"));
}

void Fmain::chkSetLink_Click(int Index) {
    if (Index < 0 || Index > 1)
        return;
    // Checked or greyed both switch the row on; the boxes' text is left as it is.
    const bool on = chkSetLink[Index]->checkState() != Qt::Unchecked;
    txtLink[Index]->setEnabled(on);
    txtLinkTitle[Index]->setEnabled(on);
    const QColor background = fromColorRef(
        platform_.sysColor(on ? platform::syscolor::Window : platform::syscolor::BtnFace));
    setBackground(txtLink[Index], background);
    setBackground(txtLinkTitle[Index], background);
}

void Fmain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        chkSetLink_Click(0);
        chkSetLink_Click(1);
    }
    QWidget::changeEvent(event);
}

void Fmain::cmdSetLink_Click(int Index) {
    if (ieOpen || Index < 0 || Index > 3)
        return;
    colorIndex = static_cast<std::int16_t>(Index);
    std::unique_ptr<Browser> browser = browserFactory_();
    if (!browser) {
        setMessage(QStringLiteral("色を選ぶためのブラウザを開けませんでした。"));
        return;
    }
    // The page's path is the program's folder followed directly by "\rgb.htm".
    const std::string page = platform_.programFolder() + "\\rgb.htm";
    const std::optional<std::string> hostPage = platform_.hostPath(page);
    if (!hostPage || !browser->Navigate(QString::fromStdString(*hostPage))) {
        setMessage(QStringLiteral("色見本のページが見つかりません。\n%1")
                       .arg(QString::fromStdString(page)));
        return;
    }
    ie = browser.release();
    ie->setParent(this);
    Browser* opened = ie;
    // Events of a browser that has already quit are no longer ours.
    connect(opened, &Browser::StatusTextChange, this, [this, opened](const QString& text) {
        if (opened == ie)
            ie_StatusTextChange(text);
    });
    connect(opened, &Browser::OnQuit, this, [this, opened] {
        if (opened == ie)
            ie_OnQuit();
    });
    ie->setVisible(true);
    ie->setMenuBar(false);
    ie->setToolBar(0);
    ie->setOffline(false);
    ieOpen = true;
}

void Fmain::ie_StatusTextChange(const QString& Text) {
    if (!isColourStatusText(Text.toStdString()))
        return;
    lblColor[colorIndex]->setText(Text);
    if (ie)
        ie->Quit();
}

void Fmain::ie_OnQuit() {
    if (ie) {
        // The browser may still be inside its own signal; delete it once that returns.
        ie->deleteLater();
        ie = nullptr;
    }
    ieOpen = false;
}

} // namespace lumivane::app
