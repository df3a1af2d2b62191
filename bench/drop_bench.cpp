// Drop benchmark: 200 JPEG photos of 3000 x 2000 pixels dropped onto an empty stock.
// Prints, from one run, the time until every thumbnail is shown as a ratio to a loop that
// only reads the same files and decodes them at thumbnail size, one after another, and the
// peak resident memory growth during the drop as a ratio to the files' total size.
//
//   drop_bench [--count N] [--folder DIR]   (DIR keeps the generated photos between runs)
#include "app/qt/fmain.h"
#include "figure.h"
#include "platform/emulated/emulated_platform.h"
#include "support/process_memory.h"
#include "template/template_text.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

using lumivane::testing::statusKb;

constexpr QSize kPhotoSize(3000, 2000);
constexpr QSize kThumbnailSize(61, 57);
// The drop decodes ahead on every core while the window places the thumbnails, so it must
// finish well inside the time one thread needs to read and decode the photos.
constexpr double kTimeTarget = 0.8;

/// A photo-like picture: smooth shapes with fine noise, so the JPEG is of a photo's size.
QImage photo(int seed) {
    QImage image(kPhotoSize, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, 0, kPhotoSize.height());
    sky.setColorAt(0, QColor::fromHsv((seed * 23) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 23 + 140) % 360, 160, 90));
    QPainter painter(&image);
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(static_cast<quint32>(seed) + 1);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 150, 200, 140));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(random.bounded(3000), random.bounded(2000)),
                            random.bounded(50, 600), random.bounded(50, 400));
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = static_cast<int>(random.generate() & 15) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255),
                           qBound(0, qBlue(p) + n, 255));
        }
    }
    return image;
}

QStringList preparePhotos(const QString& folder, int count, qint64& totalBytes) {
    QStringList paths;
    totalBytes = 0;
    for (int i = 0; i < count; ++i) {
        const QString path =
            QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        if (!QFile::exists(path))
            photo(i).save(path, "JPG", 90);
        totalBytes += QFileInfo(path).size();
        paths << path;
    }
    return paths;
}

/// The least a drop must do: read each file and decode it at thumbnail size.
qint64 baselineNs(const QStringList& paths) {
    QElapsedTimer timer;
    timer.start();
    qint64 pixels = 0;
    for (const QString& path : paths) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        reader.setScaledSize(kThumbnailSize);
        pixels += reader.read().width();
    }
    const qint64 elapsed = timer.nsecsElapsed();
    if (pixels != kThumbnailSize.width() * paths.size())
        std::fprintf(stderr, "baseline: a photo did not decode\n");
    return elapsed;
}

/// CPU time this thread has used so far, in nanoseconds.
qint64 threadCpuNs() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    const auto ns = [](const timeval& t) {
        return qint64{t.tv_sec} * 1000000000 + t.tv_usec * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

void resetPeakRss() {
    // Writing 5 resets the peak resident size (VmHWM) to the present one.
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    int count = 200;
    QString folder;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--count"))
            count = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--folder"))
            folder = args[i + 1];
    }
    QTemporaryDir temporary;
    if (folder.isEmpty())
        folder = temporary.path();
    QDir().mkpath(folder);

    qint64 totalBytes = 0;
    std::fprintf(stderr, "preparing %d photos of %dx%d in %s ...\n", count, kPhotoSize.width(),
                 kPhotoSize.height(), qPrintable(folder));
    const QStringList paths = preparePhotos(folder, count, totalBytes);

    // Warm the file cache and the decoder before anything is timed.
    baselineNs(paths);
    const qint64 baseline1 = baselineNs(paths);

    lumivane::platform::EmulatedPlatform platform(
        QDir(temporary.path()).filePath(QStringLiteral("root")).toStdString(),
        lumivane::standardTemplateBytes());
    lumivane::app::Fmain window(platform);
    window.show();
    QCoreApplication::processEvents();

    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);

    resetPeakRss();
    const long rssBeforeKb = statusKb("VmRSS");
    QElapsedTimer timer;
    timer.start();
    const qint64 cpuBefore = threadCpuNs();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Frame1, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Frame1, &drop);
    QCoreApplication::processEvents();
    const qint64 dropNs = timer.nsecsElapsed();
    const qint64 windowCpuNs = threadCpuNs() - cpuBefore;
    const long peakKb = statusKb("VmHWM");

    int shown = 0;
    for (const QLabel* element : window.thumnail())
        shown += element->isVisible() && !element->pixmap().isNull() ? 1 : 0;

    const qint64 baseline2 = baselineNs(paths);
    const double baseline = (baseline1 + baseline2) / 2.0;
    const double timeRatio = dropNs / baseline;
    const double growth = (peakKb - rssBeforeKb) * 1024.0;
    const double memoryRatio = growth / static_cast<double>(totalBytes);
    const double allowance = 64.0 * 1024 * 1024;
    const bool memoryOk = growth <= 1.5 * static_cast<double>(totalBytes) + allowance;

    std::printf("photos dropped:        %d (%d shown), %.1f MiB in all\n", count, shown,
                totalBytes / 1048576.0);
    std::printf("baseline read+decode:  %.3f s (mean of %.3f and %.3f)\n", baseline / 1e9,
                baseline1 / 1e9, baseline2 / 1e9);
    std::printf("drop until shown:      %.3f s\n", dropNs / 1e9);
    // What the window's own thread spends: placing thumbnails, the progress bar, repaints.
    std::printf("window thread's CPU:   %.3f s (%.2f ms a photo)\n", windowCpuNs / 1e9,
                windowCpuNs / 1e6 / count);
    std::printf("time ratio:            %.3f (target <= %.1f) %s\n", timeRatio, kTimeTarget,
                timeRatio <= kTimeTarget ? "ok" : "OVER");
    std::printf("peak RSS growth:       %.1f MiB\n", growth / 1048576.0);
    std::printf("memory ratio:          %.3f of the files' size (target <= 1.5 + 64 MiB) %s\n",
                memoryRatio, memoryOk ? "ok" : "OVER");
    lumivane::bench::printFigure("drop: photos until shown vs read + thumbnail decode",
                                 dropNs / 1e6, baseline / 1e6, "ms", kTimeTarget);
    // The memory target is 1.5 times the files' size plus a fixed 64 MiB, as one ratio.
    const double files = static_cast<double>(totalBytes);
    lumivane::bench::printFigure("drop: peak memory growth vs the files' size", growth / 1048576.0,
                                 files / 1048576.0, "MiB", (1.5 * files + allowance) / files);
    return shown == count ? 0 : 1;
}
