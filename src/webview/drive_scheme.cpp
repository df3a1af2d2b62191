#include "webview/drive_scheme.h"

#include "webview/folder_address.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStyle>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumivane::webview {
namespace {

const QByteArray kScheme = QByteArray::fromStdString(std::string(kDriveScheme));

void reply(QWebEngineUrlRequestJob* job, const QByteArray& type, const QByteArray& bytes) {
    auto* buffer = new QBuffer(job);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    job->reply(type, buffer);
}

/// The host file open for reading, owned by `owner`; nullptr unless it is a regular file (a
/// page may name a device or a pipe, which would never end). The path is taken as the bytes
/// it is, so a name that is not UTF-8 opens too.
QFile* openRegularFile(const std::string& hostPath, QObject* owner) {
    // Without blocking: opening a pipe for reading would wait for a writer.
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto* file = new QFile(owner);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        delete file;
        return nullptr;
    }
    return file;
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

QString DriveSchemeHandler::iconUrl(const QStringList& names) {
    QStringList encoded;
    for (const QString& name : names)
        encoded.append(QString::fromLatin1(QUrl::toPercentEncoding(name)));
    return QString::fromLatin1(kScheme) + QStringLiteral("://icon/") +
           encoded.join(QLatin1Char(','));
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
        const QString key = url.toString();
        auto found = icons_.constFind(key);
        if (found == icons_.constEnd())
            found = icons_.insert(key, iconPng(url));
        reply(job, "image/png", *found);
        return;
    }
    const std::optional<std::string> path =
        windowsPathOfDriveUrl(url.toString(QUrl::FullyEncoded).toStdString());
    const std::optional<std::string> onHost = path ? platform_.hostPath(*path) : std::nullopt;
    QFile* file = onHost ? openRegularFile(*onHost, job) : nullptr;
    if (!file) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The picture copies carry a name of their own (.lmv): the type comes from the bytes.
    const QMimeType type =
        QMimeDatabase().mimeTypeForFileNameAndData(QString::fromUtf8(path->c_str()), file);
    // The engine reads the file as it needs it, on a thread of its own: a file of any size
    // takes neither the window's time nor memory of its size.
    job->reply(type.name().toLatin1(), file);
}

QByteArray DriveSchemeHandler::iconPng(const QUrl& address) {
    const int asked = QUrlQuery(address).queryItemValue(QStringLiteral("size")).toInt();
    const int size = asked > 0 ? std::min(asked, 256) : 16;
    QStringList candidates = address.path().mid(1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    const QString first = candidates.value(0);
    const bool folder =
        first.startsWith(QLatin1String("folder")) || first.startsWith(QLatin1String("user-"));
    if (!folder)
        candidates.append(QStringLiteral("text-x-generic"));
    QIcon icon;
    for (const QString& name : candidates) {
        if (QIcon::hasThemeIcon(name)) {
            icon = QIcon::fromTheme(name);
            break;
        }
    }
    if (icon.isNull())
        icon =
            QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    icon.pixmap(size, size).save(&buffer, "PNG");
    return png;
}

} // namespace lumivane::webview
