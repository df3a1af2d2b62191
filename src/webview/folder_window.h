#pragma once

#include "platform/platform.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QLineEdit;
class QMessageBox;

namespace lumivane::webview {

class FolderView;
class SystemWatch;
class ToolbarBand;

/// The file manager's folder window on the emulated system: menus, the toolbar band with
/// the stored background bitmap, the address bar, the folder's Web View and a status bar.
/// It follows every change of the template, the picture copies, the colours and the
/// toolbar bitmap at once, keeping the folder and the selection.
class FolderWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FolderWindow(platform::Platform& platform, QWidget* parent = nullptr);
    ~FolderWindow() override;

    /// Goes to a folder (a plain Windows path) and selects these entries.
    void goTo(const QString& windowsPath, const QStringList& selectNames = {});

    FolderView& view() const { return *view_; }
    /// The status bar's texts: objects, size, notice.
    QString objectsText() const;
    QString sizeText() const;
    QString noticeText() const;
    /// True while the toolbar band shows the stored bitmap.
    bool toolbarTiled() const;

    /// How a script error of the page is told: "ページのスクリプトのエラー (N 行): ...".
    static QString scriptErrorText(const QString& message, int line);
    /// How the end of the page's process is told.
    static QString pageEndedText(const QString& reason);
    /// Without a screen: what the page says and the end of its process are left to the
    /// caller (the view's pageSaid and pageEnded) instead of shown in boxes.
    void setHeadless(bool headless);

Q_SIGNALS:
    /// The script error of the page, for those who report it elsewhere.
    void scriptError(const QString& message, int line);

private:
    void buildMenus();
    void buildBand();
    void enter(const QString& windowsPath, const QStringList& selectNames = {});
    void goBack();
    void goForward();
    void goUp();
    void goToAddress();
    void folderShown(const QString& windowsPath);
    void updateStatus();
    void setNotice(const QString& text);
    void applyLook();
    void showProperties(int index);
    void showPageMessage(const QString& text);
    void showPageEnded(const QString& reason);

    platform::Platform& platform_;
    FolderView* view_;
    SystemWatch* watch_;
    ToolbarBand* band_;
    QLineEdit* address_;
    QAction* backAction_;
    QAction* forwardAction_;
    QAction* upAction_;
    QLabel* objects_;
    QLabel* size_;
    QLabel* notice_;
    QStringList back_;
    QStringList forward_;
    QString scriptNotice_;
    QString pictureNotice_;
    QString actionNotice_;
    QMessageBox* pageMessages_ = nullptr;
    bool headless_ = false;
};

} // namespace lumivane::webview
