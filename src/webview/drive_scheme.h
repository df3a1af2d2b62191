#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QHash>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>
#include <functional>

namespace lumivane::webview {

/// Serves the viewer's page and everything it names, read-only, through one scheme:
/// `lumivane://view/folder.htt` is the page made ready for the folder shown,
/// `lumivane://c/...` and `lumivane://z/...` are files on the drives (mapped by the
/// platform, so nothing outside the drives is reached; only regular files, streamed), and
/// `lumivane://icon/NAME,NAME...?size=N` is the first of these icons that the desktop's theme
/// has (a file that is nothing the theme knows has the theme's plain file icon). Only GET is
/// answered; nothing is ever written. The page is served as UTF-8.
class DriveSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using PageSource = std::function<QByteArray()>;

    DriveSchemeHandler(platform::Platform& platform, PageSource page, QObject* parent = nullptr);

    /// Makes the scheme known to the engine; before the QApplication is created.
    static void registerScheme();
    /// The address of the page.
    static QUrl pageUrl();
    /// The address of an icon of the theme: the first of these names that the theme has
    /// ("image-jpeg", "image-x-generic").
    static QString iconUrl(const QStringList& names);
    /// The desktop's icon theme, or Adwaita where no desktop names one (offscreen, bare X).
    static void useDesktopIcons();
    /// The PNG that an icon's address (iconUrl, with its size) is answered with.
    static QByteArray iconPng(const QUrl& address);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    platform::Platform& platform_;
    PageSource page_;
    QHash<QString, QByteArray> icons_; ///< by address
};

} // namespace lumivane::webview
