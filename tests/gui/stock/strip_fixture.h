#pragma once

#include "platform/emulated/emulated_platform.h"
#include "stock/picture_strip.h"
#include "template/template_text.h"

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

/// The main window's part that the stock works with, laid out as the main window has it,
/// with a folder of pictures to drop.
class StripFixture {
public:
    explicit StripFixture(int capacity = stock::kMaxPictures) {
        window.resize(481, 445);
        Frame2 = new QGroupBox(QStringLiteral("サムネイル"), &window);
        Frame2->setGeometry(0, 4, 481, 105);
        auto* first = new QLabel(Frame2);
        first->setGeometry(12, 16, 61, 57);
        first->hide();
        thumnail.push_back(first);
        ListScroll = new QScrollBar(Qt::Horizontal, &window);
        ListScroll->setGeometry(4, 88, 473, 17);
        Frame1 = new QGroupBox(QStringLiteral("ドロップ！！"), &window);
        Frame1->setGeometry(0, 112, 77, 77);
        lstImagePath = new QListWidget(&window);
        lstImagePath->hide();
        lblMessage = new QLabel(QStringLiteral("start"), &window);
        cmdAbout = new QPushButton(QStringLiteral("あばうと"), &window);
        cmdMake = new QPushButton(QStringLiteral("変更"), &window);
        cmdMake->setEnabled(false);
        cmdReturn = new QPushButton(QStringLiteral("復元"), &window);
        strip = std::make_unique<stock::PictureStrip>(
            platform,
            stock::StripControls{&window, Frame1, Frame2, &thumnail, ListScroll, lstImagePath,
                                 cmdMake, cmdReturn, cmdAbout},
            nullptr, capacity);
        QObject::connect(strip.get(), &stock::PictureStrip::message,
                         [this](const QString& text, const QString& whole) {
                             lblMessage->setText(text);
                             messageWhole = whole;
                         });
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

    bool dropFiles(const QStringList& hostPaths) {
        const auto data = filesData(hostPaths);
        return drop(Frame1, data.get());
    }
    /// Drags thumbnail `index` onto the drop frame.
    bool dropThumbnail(int index) {
        const std::unique_ptr<QMimeData> data(stock::PictureStrip::thumbnailDragData(index));
        return drop(Frame1, data.get());
    }

    std::string windowsPath(const QString& hostPath) {
        return platform.windowsPath(hostPath.toStdString());
    }
    int count() const { return strip->imageCount(); }

    QTemporaryDir dir;
    /// The emulated system, rooted in the test's own folder; dropped files come from Z:.
    platform::EmulatedPlatform platform{dir.filePath(QStringLiteral("root")).toStdString(),
                                        lumivane::standardTemplateBytes()};
    QWidget window;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    std::vector<QLabel*> thumnail;
    QScrollBar* ListScroll;
    QListWidget* lstImagePath;
    QLabel* lblMessage;   ///< shows the stock's messages
    QString messageWhole; ///< the fuller form of the last message, for the tooltip
    QPushButton* cmdAbout;
    QPushButton* cmdMake;
    QPushButton* cmdReturn;
    std::unique_ptr<stock::PictureStrip> strip;
};

} // namespace lumivane::testing
