#pragma once

#include "platform/platform.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace lumivane::webview {

/// Watches what the folder window shows and tells which part changed: the template and the
/// picture copies in the Web folder, the stored look (colours and toolbar bitmap, kept in the
/// registry beside drive C:), and the shown folder's entries. Changes that come in a burst
/// (an apply writes the template, then every copy) are told once, when they have settled.
class SystemWatch : public QObject {
    Q_OBJECT
public:
    explicit SystemWatch(platform::Platform& platform, QObject* parent = nullptr);

    void setFolder(const QString& windowsPath);

Q_SIGNALS:
    void templateChanged();
    /// The platform's colours are already the stored ones when this is told.
    void lookChanged();
    void folderChanged();

private:
    void somethingChanged(const QString& path);
    void settle();
    void rearm();
    QString templateFingerprint() const;
    /// The look as it is stored now: the four colours (read afresh into the platform's table,
    /// so that those told of a change find them there) and the toolbar bitmap's path and file.
    QString lookFingerprint();

    platform::Platform& platform_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString webFolder_; ///< host paths
    QString systemRoot_;
    QString folder_;
    QString template_;
    QString look_;
    bool folderTouched_ = false;
};

} // namespace lumivane::webview
