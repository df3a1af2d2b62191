// Draws the main window expanded, the colour changer, and Lumivane beside the folder viewer
// after a "変更", on a fresh emulated system, and saves them as PNG files for the README.
// scripts/screenshots.sh runs it under Xvfb.
// Usage: lumivane_screenshots OUTPUT_FOLDER
#include "app/qt/fmain.h"
#include "app/qt/ui_look.h"
#include "appearance/qt/fcolor.h"
#include "appearance/qt/system_palette.h"
#include "platform/emulated/emulated_platform.h"
#include "stock/qt/picture_strip.h"
#include "template/template_text.h"
#include "webview/drive_scheme.h"
#include "webview/folder_view.h"
#include "webview/folder_window.h"
#include "webview/headless.h"
#include "webview/viewer_main.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <string>
#include <vector>

namespace {

// A few pictures for the stock: gradients in the colours of a sky, a field and a sunset.
std::vector<std::string> makePictures(const QString& folder,
                                      lumivane::platform::Platform& platform) {
    const std::pair<QColor, QColor> colours[] = {{QColor(70, 130, 200), QColor(220, 235, 250)},
                                                 {QColor(60, 140, 60), QColor(230, 220, 120)},
                                                 {QColor(200, 80, 40), QColor(250, 210, 120)},
                                                 {QColor(90, 60, 140), QColor(240, 180, 200)}};
    std::vector<std::string> paths;
    int n = 0;
    for (const auto& [top, bottom] : colours) {
        QImage image(320, 240, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 0, image.height());
        gradient.setColorAt(0, top);
        gradient.setColorAt(1, bottom);
        painter.fillRect(image.rect(), gradient);
        painter.end();
        const QString file = QDir(folder).filePath(QStringLiteral("picture%1.jpg").arg(++n));
        if (!image.save(file, "JPEG"))
            return {};
        paths.push_back(platform.windowsPath(file.toStdString()));
    }
    return paths;
}

bool save(const QPixmap& picture, const QString& file) {
    QTextStream err(stderr);
    if (picture.isNull() || !picture.save(file, "PNG")) {
        err << "cannot write " << file << "\n";
        return false;
    }
    QTextStream(stdout) << file << ": " << picture.width() << "x" << picture.height() << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    lumivane::webview::prepareEngine();
    QApplication app(argc, argv);
    lumivane::webview::DriveSchemeHandler::useDesktopIcons();
    if (argc != 2) {
        QTextStream(stderr) << "usage: lumivane_screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir temporary;
    if (!temporary.isValid() || !QDir().mkpath(output))
        return 1;

    QApplication::setStyle(lumivane::app::makeUiStyle());
    QApplication::setFont(lumivane::app::uiFont());
    lumivane::platform::EmulatedPlatform platform(
        QDir(temporary.path()).filePath("root").toStdString(), lumivane::standardTemplateBytes());
    lumivane::FollowSystemColors(platform);

    lumivane::app::Fmain window(platform);
    window.show();
    window.rules()
        .cmdDetail_Click(); // expanded: the detailed settings are the point of the picture
    const QString folder = QDir(temporary.path()).filePath(QStringLiteral("Pictures"));
    QDir().mkpath(folder);
    const std::vector<std::string> pictures = makePictures(folder, platform);
    if (pictures.empty())
        return 1;
    window.rules().strip().Frame1_OLEDragDrop(pictures);
    QApplication::processEvents();
    if (!save(window.grab(), QDir(output).filePath("main-window.png")))
        return 1;

    {
        lumivane::Fcolor changer(platform, &window);
        changer.show();
        QApplication::processEvents();
        if (!save(changer.grab(), QDir(output).filePath("colour-changer.png")))
            return 1;
    }

    // The recommended settings applied, and the folder of the pictures in the viewer beside.
    window.rules().cmdTovraMode_Click();
    window.rules().cmdMake_Click();
    lumivane::platform::EmulatedPlatform reader(
        platform.root(), {}, lumivane::platform::EmulatedPlatform::Access::ReadOnly);
    lumivane::webview::FolderWindow viewer(reader);
    viewer.resize(800, 600);
    viewer.view().setSecond(2);
    viewer.show();
    QEventLoop loop;
    QObject::connect(&viewer.view(), &lumivane::webview::FolderView::laidOut, &loop,
                     &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    viewer.goTo(QString::fromStdString(platform.windowsPath(folder.toStdString())),
                {QStringLiteral("picture1.jpg")});
    loop.exec();
    const QImage lumivane = window.grab().toImage();
    const QImage view = lumivane::webview::settledShot(viewer);
    constexpr int margin = 12;
    QPixmap both(lumivane.width() + view.width() + 3 * margin,
                 std::max(lumivane.height(), view.height()) + 2 * margin);
    both.fill(QColor(58, 110, 165)); // a desktop's background
    QPainter painter(&both);
    painter.drawImage(margin, margin, lumivane);
    painter.drawImage(2 * margin + lumivane.width(), margin, view);
    painter.end();
    return save(both, QDir(output).filePath("side-by-side.png")) ? 0 : 1;
}
