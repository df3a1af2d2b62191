#include "webview/system_watch.h"

#include "appearance/qt/system_palette.h"
#include "appearance/toolbar_background.h"
#include "webview/raw_text.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace lumivane::webview {
namespace {

constexpr int kSettleMs = 250;

QString hostOf(platform::Platform& platform, const std::string& windowsPath) {
    const std::optional<std::string> host = platform.hostPath(windowsPath);
    return host ? QString::fromStdString(*host) : QString();
}

QString fileFingerprint(const QFileInfo& info) {
    if (!info.exists())
        return QStringLiteral("-");
    return QString::number(info.size()) + QLatin1Char('@') +
           QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('#') +
           QString::number(info.metadataChangeTime().toMSecsSinceEpoch());
}

/// The nearest folder at or above `path` that exists, to learn when `path` appears.
QString existingAncestor(QString path) {
    while (!path.isEmpty() && !QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return {};
        path = parent;
    }
    return path;
}

} // namespace

SystemWatch::SystemWatch(platform::Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {
    webFolder_ = hostOf(platform_, platform_.windowsDirectory() + "\\Web");
    // The registry of the emulated system lies beside drive C:; SQLite's journal comes and
    // goes there with every write.
    const QString driveC = hostOf(platform_, "C:\\");
    systemRoot_ = driveC.isEmpty() ? QString() : QFileInfo(QDir::cleanPath(driveC)).path();
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &SystemWatch::settle);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SystemWatch::somethingChanged);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &SystemWatch::somethingChanged);
    template_ = templateFingerprint();
    look_ = lookFingerprint();
    rearm();
}

void SystemWatch::setFolder(const QString& windowsPath) {
    folder_ = hostOf(platform_, toRaw(windowsPath));
    folderTouched_ = false;
    rearm();
}

void SystemWatch::somethingChanged(const QString& path) {
    if (!folder_.isEmpty() && QDir::cleanPath(path) == QDir::cleanPath(folder_))
        folderTouched_ = true;
    settle_.start();
}

void SystemWatch::settle() {
    rearm();
    const QString templateNow = templateFingerprint();
    if (templateNow != template_) {
        template_ = templateNow;
        Q_EMIT templateChanged();
    }
    const QString lookNow = lookFingerprint();
    if (lookNow != look_) {
        look_ = lookNow;
        Q_EMIT lookChanged();
    }
    if (folderTouched_) {
        folderTouched_ = false;
        Q_EMIT folderChanged();
    }
}

void SystemWatch::rearm() {
    QStringList folders{systemRoot_, folder_};
    if (!webFolder_.isEmpty())
        folders << webFolder_ << webFolder_ + QStringLiteral("/leftimage");
    QStringList wanted;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString existing = existingAncestor(folder);
        if (!existing.isEmpty())
            wanted.append(existing);
    }
    if (QFileInfo(systemRoot_).isDir()) {
        for (const QFileInfo& file : QDir(systemRoot_).entryInfoList(QDir::Files))
            wanted.append(file.filePath());
    }
    wanted.append(webFolder_ + QStringLiteral("/folder.htt"));
    const QStringList watched = watcher_.files() + watcher_.directories();
    QStringList missing;
    for (const QString& path : wanted) {
        if (!watched.contains(path) && QFileInfo::exists(path) && !missing.contains(path))
            missing.append(path);
    }
    if (!missing.isEmpty())
        watcher_.addPaths(missing);
}

QString SystemWatch::templateFingerprint() const {
    QString print = fileFingerprint(QFileInfo(webFolder_ + QStringLiteral("/folder.htt")));
    const QDir copies(webFolder_ + QStringLiteral("/leftimage"));
    for (const QFileInfo& copy : copies.entryInfoList(QDir::Files, QDir::Name))
        print += QLatin1Char('|') + copy.fileName() + QLatin1Char(':') + fileFingerprint(copy);
    return print;
}

QString SystemWatch::lookFingerprint() {
    platform_.refreshSysColors();
    QString print;
    for (int index : kShownSystemColors)
        print += QString::number(platform_.sysColor(index)) + QLatin1Char(' ');
    const std::string bitmap = ToolbarBackBitmap(platform_);
    print += QString::fromStdString(bitmap);
    if (const std::optional<std::string> host = platform_.hostPath(bitmap))
        print += QLatin1Char(' ') + fileFingerprint(QFileInfo(QString::fromStdString(*host)));
    return print;
}

} // namespace lumivane::webview
