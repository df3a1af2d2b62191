#include "webview/drive_scheme.h"

#include "webview/folder_address.h"

#include <QApplication>
#include <QBuffer>
#include <QIcon>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStyle>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace lumivane::webview {
namespace {

const QByteArray kScheme = QByteArray::fromStdString(std::string(kDriveScheme));

void reply(QWebEngineUrlRequestJob* job, const QByteArray& type, const QByteArray& bytes) {
    auto* buffer = new QBuffer(job);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    job->reply(type, buffer);
}

} // namespace

DriveSchemeHandler::DriveSchemeHandler(platform::Platform& platform, PageSource page,
                                       QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), platform_(platform), page_(std::move(page)) {}

void DriveSchemeHandler::registerScheme() {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Like file: for the engine: the page may show what it names, but no other site's
    // page may reach in.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl DriveSchemeHandler::pageUrl() {
    return QUrl(QString::fromLatin1(kScheme) + QStringLiteral("://view/folder.htt"));
}

QString DriveSchemeHandler::iconUrl(const QString& name) {
    return QString::fromLatin1(kScheme) + QStringLiteral("://icon/") +
           QString::fromLatin1(QUrl::toPercentEncoding(name));
}

void DriveSchemeHandler::useDesktopIcons() {
    const QString theme = QIcon::themeName();
    if (!theme.isEmpty() && theme != QLatin1String("hicolor"))
        return;
    // No desktop tells the theme (offscreen, a bare X server): the freedesktop.org folders
    // and the theme that the package brings.
    QStringList paths = QIcon::themeSearchPaths();
    QStringList dataDirs =
        qEnvironmentVariable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"))
            .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    dataDirs.prepend(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    for (const QString& dir : dataDirs) {
        if (!paths.contains(dir + QStringLiteral("/icons")))
            paths.append(dir + QStringLiteral("/icons"));
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
}

void DriveSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    if (job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QUrl url = job->requestUrl();
    const QString host = url.host();
    if (host == QLatin1String("view") && url.path() == pageUrl().path()) {
        reply(job, "text/html;charset=utf-8", page_());
        return;
    }
    if (host == QLatin1String("icon")) {
        const int size = QUrlQuery(url).queryItemValue(QStringLiteral("size")).toInt();
        reply(job, "image/png", iconPng(url.path().mid(1), size > 0 ? std::min(size, 256) : 16));
        return;
    }
    const std::optional<std::string> path =
        windowsPathOfDriveUrl(url.toString(QUrl::FullyEncoded).toStdString());
    const std::optional<std::string> bytes = path ? platform_.readFile(*path) : std::nullopt;
    if (!bytes) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    QByteArray data = QByteArray::fromStdString(*bytes);
    // The picture copies carry a name of their own (.lmv): the type comes from the bytes.
    const QMimeType type =
        QMimeDatabase().mimeTypeForFileNameAndData(QString::fromStdString(*path), data);
    reply(job, type.name().toLatin1(), data);
}

QByteArray DriveSchemeHandler::iconPng(const QString& name, int size) {
    const QString key = name + QLatin1Char('@') + QString::number(size);
    if (const auto found = icons_.constFind(key); found != icons_.constEnd())
        return *found;
    QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull()) {
        const bool folder =
            name.startsWith(QLatin1String("folder")) || name.startsWith(QLatin1String("user-"));
        icon =
            QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    icon.pixmap(size, size).save(&buffer, "PNG");
    icons_.insert(key, png);
    return png;
}

} // namespace lumivane::webview
