#include "webview/folder_window.h"

#include "appearance/qt/system_palette.h"
#include "appearance/qt/tile_strip.h"
#include "appearance/tile_layout.h"
#include "appearance/toolbar_background.h"
#include "webview/folder_address.h"
#include "webview/folder_listing.h"
#include "webview/folder_view.h"
#include "webview/raw_text.h"
#include "webview/system_watch.h"
#include "windows/version_text.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumivane::webview {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

/// The band of the toolbar and the address bar, tiled with the stored toolbar bitmap the way
/// the main window's strip tiles it, over the whole band however wide the window is.
class ToolbarBand : public TileStrip {
public:
    ToolbarBand(platform::Platform& platform, QWidget* parent)
        : TileStrip(platform, 0, 0, parent) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        TileStrip::resizeEvent(event);
        setContainerTwips(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
    }
};

FolderWindow::FolderWindow(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), view_(new FolderView(platform, this)),
      watch_(new SystemWatch(platform, this)) {
    buildMenus();
    buildBand();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(band_);
    column->addWidget(view_, 1);
    setCentralWidget(central);

    // The status bar shows names and what the page says: text, never mark-up.
    objects_ = new QLabel(this);
    size_ = new QLabel(this);
    notice_ = new QLabel(this);
    for (QLabel* label : {objects_, size_, notice_})
        label->setTextFormat(Qt::PlainText);
    objects_->setMinimumWidth(160);
    size_->setMinimumWidth(90);
    statusBar()->addWidget(objects_);
    statusBar()->addWidget(size_);
    statusBar()->addWidget(notice_, 1);

    connect(view_, &FolderView::folderShown, this, &FolderWindow::folderShown);
    connect(view_, &FolderView::selectionChanged, this, &FolderWindow::updateStatus);
    connect(view_, &FolderView::entriesDetailed, this, &FolderWindow::updateStatus);
    connect(view_, &QWebEngineView::loadFinished, this, &FolderWindow::updateStatus);
    connect(view_, &FolderView::navigate, this, [this](const QString& path) { goTo(path); });
    connect(view_, &FolderView::propertiesRequested, this, &FolderWindow::showProperties);
    connect(view_, &FolderView::notice, this, &FolderWindow::setNotice);
    connect(view_, &FolderView::pictureFailed, this, [this](const QString& path) {
        pictureNotice_ = QStringLiteral("画像を表示できません: ") + path;
        updateStatus();
    });
    connect(view_, &FolderView::pageSaid, this, &FolderWindow::showPageMessage);
    connect(view_, &FolderView::pageEnded, this, &FolderWindow::showPageEnded);
    connect(view_, &FolderView::scriptError, this, [this](const QString& message, int line) {
        scriptNotice_ = scriptErrorText(message, line);
        updateStatus();
        Q_EMIT scriptError(message, line);
    });
    connect(watch_, &SystemWatch::templateChanged, view_, &FolderView::reloadPage);
    connect(watch_, &SystemWatch::folderChanged, view_, &FolderView::refreshEntries);
    connect(watch_, &SystemWatch::lookChanged, this, &FolderWindow::applyLook);

    applyLook();
    resize(800, 600);
}

FolderWindow::~FolderWindow() = default;

QString FolderWindow::scriptErrorText(const QString& message, int line) {
    return QStringLiteral("ページのスクリプトのエラー (%1 行): %2").arg(line).arg(message);
}

QString FolderWindow::pageEndedText(const QString& reason) {
    return QStringLiteral("ページを表示するプロセスが終わりました (%1)。").arg(reason);
}

void FolderWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* close = file->addAction(QStringLiteral("閉じる(&C)"), this, &QWidget::close);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    QAction* all =
        edit->addAction(QStringLiteral("すべて選択(&A)"), this, [this] { view_->selectAll(); });
    all->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    QMenu* show = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    QAction* hidden = show->addAction(QStringLiteral("隠しファイルを表示(&H)"));
    hidden->setCheckable(true);
    connect(hidden, &QAction::toggled, this, [this](bool on) {
        view_->setShowHidden(on);
        view_->reloadPage();
    });
    show->addSeparator();
    QAction* refresh =
        show->addAction(QStringLiteral("最新の情報に更新(&R)"), view_, &FolderView::reloadPage);
    refresh->setShortcut(QKeySequence(Qt::Key_F5));

    QMenu* go = menuBar()->addMenu(QStringLiteral("移動(&G)"));
    backAction_ = go->addAction(QIcon::fromTheme(QStringLiteral("go-previous")),
                                QStringLiteral("戻る(&B)"), this, &FolderWindow::goBack);
    backAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    forwardAction_ = go->addAction(QIcon::fromTheme(QStringLiteral("go-next")),
                                   QStringLiteral("進む(&F)"), this, &FolderWindow::goForward);
    forwardAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    upAction_ = go->addAction(QIcon::fromTheme(QStringLiteral("go-up")),
                              QStringLiteral("上のフォルダへ(&U)"), this, &FolderWindow::goUp);
    upAction_->setShortcut(QKeySequence(Qt::Key_Backspace));
    go->addSeparator();
    QAction* home = go->addAction(QStringLiteral("ホーム フォルダ(&H)"), this, [this] {
        goTo(fromUtf8(platform_.windowsPath(QDir::homePath().toStdString())));
    });
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));

    QMenu* favourites = menuBar()->addMenu(QStringLiteral("お気に入り(&A)"));
    favourites->addAction(QStringLiteral("ホーム フォルダ"), home, &QAction::trigger);
    const QString windows = fromUtf8(platform_.windowsDirectory());
    favourites->addAction(QStringLiteral("Windows フォルダ"), this,
                          [this, windows] { goTo(windows); });
    favourites->addAction(QStringLiteral("Web フォルダ"), this,
                          [this, windows] { goTo(windows + QStringLiteral("\\Web")); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addAction(QStringLiteral("バージョン情報(&A)"), this, [this] {
        setNotice(QStringLiteral("lumivane-webview %1: Lumivane が書いたフォルダの表示を、"
                                 "模擬の Windows システムのファイルマネージャとして見せます。")
                      .arg(QString::fromStdString(windows::versionNumber())));
    });
}

void FolderWindow::buildBand() {
    band_ = new ToolbarBand(platform_, this);
    auto* layout = new QGridLayout(band_);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);

    const auto button = [this](QAction* action, const QString& text) {
        auto* tool = new QToolButton(band_);
        action->setIconText(text);
        tool->setDefaultAction(action);
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tool->setAutoRaise(true);
        return tool;
    };
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(button(backAction_, QStringLiteral("戻る")));
    buttons->addWidget(button(forwardAction_, QStringLiteral("進む")));
    buttons->addWidget(button(upAction_, QStringLiteral("上へ")));
    buttons->addStretch(1);
    layout->addLayout(buttons, 0, 0, 1, 2);

    auto* label = new QLabel(QStringLiteral("アドレス(&D)"), band_);
    address_ = new QLineEdit(band_);
    label->setBuddy(address_);
    connect(address_, &QLineEdit::returnPressed, this, &FolderWindow::goToAddress);
    layout->addWidget(label, 1, 0);
    layout->addWidget(address_, 1, 1);
}

void FolderWindow::goTo(const QString& windowsPath, const QStringList& selectNames) {
    const std::optional<std::string> plain = normalWindowsPath(toRaw(windowsPath));
    if (!plain)
        return;
    const QString path = fromRaw(*plain);
    if (!view_->folder().isEmpty() && view_->folder() != path) {
        back_.append(view_->folder());
        forward_.clear();
    }
    enter(path, selectNames);
}

void FolderWindow::enter(const QString& windowsPath, const QStringList& selectNames) {
    watch_->setFolder(windowsPath);
    view_->showFolder(windowsPath, selectNames);
}

void FolderWindow::goBack() {
    if (back_.isEmpty())
        return;
    forward_.prepend(view_->folder());
    enter(back_.takeLast());
}

void FolderWindow::goForward() {
    if (forward_.isEmpty())
        return;
    back_.append(view_->folder());
    enter(forward_.takeFirst());
}

void FolderWindow::goUp() {
    if (const std::optional<std::string> parent = parentFolder(toRaw(view_->folder())))
        goTo(fromRaw(*parent));
}

void FolderWindow::goToAddress() {
    const std::optional<std::string> path = folderAddress(toRaw(address_->text()), platform_);
    if (!path || !platform_.folderExists(*path)) {
        setNotice(QStringLiteral("フォルダが見つかりません: ") + shownText(address_->text()));
        address_->selectAll();
        return;
    }
    goTo(fromRaw(*path));
}

void FolderWindow::folderShown(const QString& windowsPath) {
    setWindowTitle(shownText(fromRaw(folderDisplayName(toRaw(windowsPath)))));
    address_->setText(windowsPath);
    backAction_->setEnabled(!back_.isEmpty());
    forwardAction_->setEnabled(!forward_.isEmpty());
    upAction_->setEnabled(parentFolder(toRaw(windowsPath)).has_value());
    // A page laid out anew: what the last one said goes with it.
    scriptNotice_.clear();
    pictureNotice_.clear();
    actionNotice_.clear();
    updateStatus();
}

QString FolderWindow::objectsText() const {
    return objects_->text();
}

QString FolderWindow::sizeText() const {
    return size_->text();
}

QString FolderWindow::noticeText() const {
    return notice_->text();
}

bool FolderWindow::toolbarTiled() const {
    return band_->hasPicture();
}

void FolderWindow::updateStatus() {
    const FolderListing& listing = view_->listing();
    const QStringList selected = view_->selectedNames();
    if (!listing.ok()) {
        objects_->setText(fromUtf8(listing.error));
        size_->clear();
    } else if (selected.isEmpty()) {
        objects_->setText(QStringLiteral("%1 個のオブジェクト").arg(listing.entries.size()));
        // A big folder's total as soon as all its sizes have been read.
        if (listing.detailed()) {
            std::uint64_t total = 0;
            for (const FolderEntry& entry : listing.entries)
                total += entry.size;
            size_->setText(fromUtf8(shortSizeText(total)));
        } else {
            size_->clear();
        }
    } else {
        objects_->setText(QStringLiteral("%1 個のオブジェクトを選択").arg(selected.size()));
        size_->setText(fromUtf8(shortSizeText(view_->selectedBytes())));
    }
    // A script error outweighs a missing template, which outweighs a picture that could not
    // be shown, which outweighs the last notice of the user's doing. Each goes when the page
    // is laid out anew, and comes again only if its cause is still there.
    QString text = actionNotice_;
    for (const QString& notice : {pictureNotice_, view_->templateProblem(), scriptNotice_}) {
        if (!notice.isEmpty())
            text = notice;
    }
    notice_->setText(text);
    notice_->setToolTip(text.isEmpty() ? QString()
                                       : QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()));
}

void FolderWindow::setNotice(const QString& text) {
    actionNotice_ = text;
    updateStatus();
}

void FolderWindow::setHeadless(bool headless) {
    headless_ = headless;
}

void FolderWindow::showPageMessage(const QString& text) {
    if (headless_)
        return;
    // One box, owned by the window, gathering what the page says; nobody has to answer it.
    if (!pageMessages_) {
        pageMessages_ =
            new QMessageBox(QMessageBox::Information, QStringLiteral("ページからのメッセージ"),
                            QString(), QMessageBox::Close, this);
        pageMessages_->setTextFormat(Qt::PlainText);
        pageMessages_->setWindowModality(Qt::NonModal);
        connect(pageMessages_, &QMessageBox::finished, pageMessages_,
                [this] { pageMessages_->setText(QString()); });
    }
    const QString before = pageMessages_->text();
    pageMessages_->setText(before.isEmpty() ? text : before + QLatin1Char('\n') + text);
    pageMessages_->show();
}

void FolderWindow::showPageEnded(const QString& reason) {
    if (headless_)
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("ページ"),
                                pageEndedText(reason), QMessageBox::Close, this);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QPushButton* reload = box->addButton(QStringLiteral("再読み込み"), QMessageBox::AcceptRole);
    connect(reload, &QPushButton::clicked, view_, &FolderView::reloadPage);
    box->show();
}

void FolderWindow::applyLook() {
    FollowSystemColors(platform_);
    view_->refreshColours();
    const std::string bitmap = ToolbarBackBitmap(platform_);
    if (!HasBmpEnding(bitmap) || !band_->TileBackImage(bitmap))
        band_->clearTiles();
}

void FolderWindow::showProperties(int index) {
    const FolderListing& listing = view_->listing();
    if (index < 0 || static_cast<std::size_t>(index) >= listing.entries.size())
        return;
    const FolderEntry& entry = listing.entries[static_cast<std::size_t>(index)];
    // Modeless, as a property sheet is: the folder window goes on while it is open.
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(shownText(fromRaw(entry.name)) + QStringLiteral("のプロパティ"));
    auto* form = new QFormLayout(dialog);
    const auto row = [&](const QString& title, const std::string& value) {
        auto* text = new QLabel(shownText(fromRaw(value)), dialog);
        text->setTextFormat(Qt::PlainText); // a name may look like mark-up
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(title, text);
    };
    row(QStringLiteral("名前:"), entry.name);
    row(QStringLiteral("種類:"), typeName(entry));
    row(QStringLiteral("場所:"), toRaw(view_->folder()));
    if (!entry.isFolder)
        row(QStringLiteral("サイズ:"),
            shortSizeText(entry.size) + " (" + groupedNumber(entry.size) + " バイト)");
    row(QStringLiteral("更新日時:"), detailOf(entry, Modified));
    std::string attributes;
    if (entry.readOnly)
        attributes = "読み取り専用";
    if (entry.hidden)
        attributes += attributes.empty() ? "隠しファイル" : ", 隠しファイル";
    row(QStringLiteral("属性:"), attributes.empty() ? "(標準)" : attributes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    form->addRow(buttons);
    dialog->show();
}

} // namespace lumivane::webview
