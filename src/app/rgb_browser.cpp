#include "app/rgb_browser.h"

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

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        onClose_();
    }

private:
    std::function<void()> onClose_;
};

} // namespace

RgbBrowser::RgbBrowser() : window_(std::make_unique<ClosingWindow>([this] { windowClosed(); })) {
    window_->setWindowTitle(QStringLiteral("色の選択"));
    window_->resize(420, 520);
    page_ = new QTextBrowser(window_.get());
    page_->setObjectName(QStringLiteral("page"));
    // Links name colours; following them would leave the page.
    page_->setOpenLinks(false);
    page_->setOpenExternalLinks(false);
    window_->setCentralWidget(page_);
    window_->menuBar()
        ->addMenu(QStringLiteral("ファイル(&F)"))
        ->addAction(QStringLiteral("閉じる(&C)"), window_.get(), &QWidget::close);
    connect(page_, &QTextBrowser::anchorClicked, this, &RgbBrowser::chooseColour);
    connect(window_->statusBar(), &QStatusBar::messageChanged, this, &RgbBrowser::StatusTextChange);
}

RgbBrowser::~RgbBrowser() = default;

QMainWindow* RgbBrowser::window() const {
    return window_.get();
}

bool RgbBrowser::Navigate(const QString& path) {
    const QFileInfo file(path);
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
    window_->close();
    // A window that was never shown may not see a close event.
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
    Q_EMIT OnQuit();
}

BrowserFactory rgbBrowserFactory() {
    return [] { return std::make_unique<RgbBrowser>(); };
}

} // namespace lumivane::app
