#include "app/qt/rgb_browser.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QUrl>

namespace lumivane::app {

namespace {

/// A main window that reports its closing, whoever closes it.
class ClosingWindow : public QMainWindow {
public:
    explicit ClosingWindow(std::function<void()> onClose) : onClose_(std::move(onClose)) {}

    void forget() { onClose_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        if (onClose_)
            onClose_();
    }

private:
    std::function<void()> onClose_;
};

} // namespace

RgbBrowser::RgbBrowser(Events events)
    : events_(std::move(events)), window_(new ClosingWindow([this] { windowClosed(); })) {
    window_->setWindowTitle(QStringLiteral("色の選択"));
    window_->resize(420, 520);
    page_ = new QTextBrowser(window_);
    page_->setObjectName(QStringLiteral("page"));
    // Links name colours; following them would leave the page.
    page_->setOpenLinks(false);
    page_->setOpenExternalLinks(false);
    window_->setCentralWidget(page_);
    window_->menuBar()
        ->addMenu(QStringLiteral("ファイル(&F)"))
        ->addAction(QStringLiteral("閉じる(&C)"), window_, &QWidget::close);
    QObject::connect(page_, &QTextBrowser::anchorClicked, window_,
                     [this](const QUrl& link) { chooseColour(link); });
    QObject::connect(window_->statusBar(), &QStatusBar::messageChanged, window_,
                     [this](const QString& text) {
                         if (events_.StatusTextChange)
                             events_.StatusTextChange(text.toStdString());
                     });
}

RgbBrowser::~RgbBrowser() {
    static_cast<ClosingWindow*>(window_)->forget();
    QObject::disconnect(page_, nullptr, window_, nullptr);
    QObject::disconnect(window_->statusBar(), nullptr, window_, nullptr);
    window_->hide();
    window_->deleteLater();
}

bool RgbBrowser::Navigate(std::string_view path) {
    const QFileInfo file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.isFile() || !file.isReadable())
        return false;
    page_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    if (page_->document()->isEmpty())
        return false;
    const QString title = page_->documentTitle();
    if (!title.isEmpty())
        window_->setWindowTitle(title);
    window_->statusBar()->showMessage(QStringLiteral("色の名前か色見本をクリックしてください。"));
    return true;
}

void RgbBrowser::setVisible(bool visible) {
    window_->setVisible(visible);
}

void RgbBrowser::setMenuBar(bool shown) {
    window_->menuBar()->setVisible(shown);
}

// The window has no tool bars and shows only a local file, so there is nothing to hide and
// nothing to take online.
void RgbBrowser::setToolBar(int) {}
void RgbBrowser::setOffline(bool) {}

void RgbBrowser::Quit() {
    // A window that was never shown sees no close event. Either way OnQuit may destroy this
    // browser, so nothing of it is touched afterwards.
    if (window_->isVisible())
        window_->close();
    else
        windowClosed();
}

void RgbBrowser::chooseColour(const QUrl& link) {
    // A colour's name and swatch link to "#name".
    const QString name = link.fragment();
    if (!name.isEmpty())
        window_->statusBar()->showMessage(name);
}

void RgbBrowser::windowClosed() {
    if (quit_)
        return;
    quit_ = true;
    if (events_.OnQuit)
        events_.OnQuit();
}

BrowserFactory rgbBrowserFactory() {
    return [](Browser::Events events) { return std::make_unique<RgbBrowser>(std::move(events)); };
}

} // namespace lumivane::app
