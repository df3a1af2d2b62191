#pragma once

#include "app/fmain_form.h"
#include "app/qt/fmain.h"
#include "platform/emulated/emulated_platform.h"
#include "stock/qt/picture_strip.h"
#include "template/template_text.h"
#include "windows/qt/help_line.h"
#include "windows/qt/qt_form.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>
#include <string>
#include <vector>

namespace lumivane::testing {

/// The main window on an emulated system of the test's own, with a folder of pictures to
/// drop onto its picture stock.
class StripFixture {
public:
    explicit StripFixture(int capacity = stock::kMaxPictures)
        : window(platform, {}, nullptr, capacity), Frame1(window.Frame1), Frame2(window.Frame2),
          ListScroll(window.ListScroll), lstImagePath(window.lstImagePath),
          lblMessage(window.lblMessage), cmdAbout(window.cmdAbout), cmdMake(window.cmdMake),
          cmdReturn(window.cmdReturn) {
        lblMessage->setText(QStringLiteral("start"));
        window.show();
    }

    /// Writes a picture of one colour and returns its host path.
    QString picture(const QString& name, const QColor& color = Qt::red, QSize size = {40, 30},
                    const char* format = nullptr) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(name);
        image.save(path, format);
        return path;
    }
    /// Writes `bytes` under `name` and returns its host path.
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }
    /// `count` distinct JPEG pictures.
    QStringList pictures(int count, const QString& stem = QStringLiteral("p")) {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << picture(QStringLiteral("%1%2.jpg").arg(stem).arg(i),
                             QColor::fromHsv((i * 37) % 360, 200, 200), {20, 20}, "JPG");
        return paths;
    }

    static std::unique_ptr<QMimeData> filesData(const QStringList& hostPaths) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : hostPaths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        return data;
    }

    /// Delivers a drop of `data` onto `target` as the window system does.
    static bool drop(QWidget* target, const QMimeData* data) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropEvent(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                             Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropEvent);
        return dropEvent.isAccepted();
    }

    /// The drag data of thumbnail `index` while it is dragged.
    static std::unique_ptr<QMimeData> thumbnailData(int index) {
        return std::unique_ptr<QMimeData>(windows::QtForm::dragData(app::fmain::thumnail(index)));
    }

    bool dropFiles(const QStringList& hostPaths) {
        const auto data = filesData(hostPaths);
        return drop(Frame1, data.get());
    }
    /// Drags thumbnail `index` onto the drop frame.
    bool dropThumbnail(int index) {
        const auto data = thumbnailData(index);
        return drop(Frame1, data.get());
    }

    std::string windowsPath(const QString& hostPath) {
        return platform.windowsPath(hostPath.toStdString());
    }
    int count() const { return window.imageCount(); }
    /// The stock's rules and its pictures.
    stock::PictureStripRules& rules() { return window.rules().strip(); }
    stock::PictureStrip& strip() { return window.pictureStrip(); }
    std::vector<QLabel*> thumnail() const { return window.thumnail(); }
    /// The fuller form of the last message, for the tooltip.
    QString messageWhole() const { return lblMessage->toolTip(); }

    QTemporaryDir dir;
    /// The emulated system, rooted in the test's own folder; dropped files come from Z:.
    platform::EmulatedPlatform platform{dir.filePath(QStringLiteral("root")).toStdString(),
                                        lumivane::standardTemplateBytes()};
    app::Fmain window;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QScrollBar* ListScroll;
    QListWidget* lstImagePath;
    windows::HelpLine* lblMessage; ///< shows the stock's messages
    QPushButton* cmdAbout;
    QPushButton* cmdMake;
    QPushButton* cmdReturn;
};

} // namespace lumivane::testing
