// Draws the main window expanded and the colour changer on a fresh emulated system and saves
// them as PNG files, for the README. scripts/screenshots.sh runs it under Xvfb.
// Usage: lumivane_screenshots OUTPUT_FOLDER
#include "app/fmain.h"
#include "app/ui_look.h"
#include "appearance/fcolor.h"
#include "appearance/system_palette.h"
#include "platform/emulated/emulated_platform.h"
#include "stock/picture_strip.h"
#include "template/template_text.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
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
    QApplication app(argc, argv);
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
    window.cmdDetail_Click(); // expanded: the detailed settings are the point of the picture
    const std::vector<std::string> pictures = makePictures(temporary.path(), platform);
    if (pictures.empty())
        return 1;
    window.pictureStrip()->Frame1_OLEDragDrop(pictures);
    QApplication::processEvents();
    if (!save(window.grab(), QDir(output).filePath("main-window.png")))
        return 1;

    lumivane::Fcolor changer(platform, &window);
    changer.show();
    QApplication::processEvents();
    if (!save(changer.grab(), QDir(output).filePath("colour-changer.png")))
        return 1;
    return 0;
}
