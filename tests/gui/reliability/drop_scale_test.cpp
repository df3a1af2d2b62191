// A drop of 2,000 pictures onto the main window: every one arrives, memory grows with the
// files' size rather than their decoded size, and the window keeps handling events.
#include "app/qt/fmain.h"
#include "stock/qt/picture_strip.h"
#include "stock/strip_fixture.h"
#include "support/emulated_root.h"
#include "support/process_memory.h"
#include "template/template_text.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace {

using lumivane::testing::statusKb;

using lumivane::testing::EmulatedRoot;
using lumivane::testing::StripFixture;

TEST(DropScale, TwoThousandPicturesArriveWithBoundedMemoryAndEventsFlowing) {
    constexpr int kCount = 2000;
    EmulatedRoot sys;
    lumivane::platform::EmulatedPlatform platform(sys.root(), lumivane::standardTemplateBytes());
    lumivane::app::Fmain window(platform);
    window.show();

    // A 1200 x 1200 JPEG of one colour: a few kilobytes on disk, 5.5 MB once decoded, so a
    // stock that kept decoded pictures would need some 11 GB for the drop.
    QImage image(1200, 1200, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 200));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "JPG"));
    QStringList files;
    qint64 totalBytes = 0;
    for (int i = 0; i < kCount; ++i) {
        files << QString::fromStdString(sys.outside().string()) + QStringLiteral("/p%1.jpg").arg(i);
        QFile out(files.last());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(jpeg);
        out.write(QByteArray::number(i)); // distinct files; JPEG readers stop at the end marker
        totalBytes += out.size();
    }

    // A timer that fires whenever events are dispatched notes how far the drop has come.
    std::set<int> countsSeenByTimer;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { countsSeenByTimer.insert(window.imageCount()); });
    ticker.start();

    std::ofstream("/proc/self/clear_refs") << "5"; // peak resident size from here on
    const long before = statusKb("VmRSS");
    ASSERT_TRUE(StripFixture::drop(window.Frame1, StripFixture::filesData(files).get()));
    const long growthKb = statusKb("VmHWM") - before;
    ticker.stop();

    ASSERT_EQ(window.imageCount(), kCount);
    EXPECT_EQ(window.imagePaths().size(), static_cast<size_t>(kCount));
    EXPECT_EQ(window.imagePaths().back(), platform.windowsPath(files.last().toStdString()));
    EXPECT_TRUE(window.cmdMake->isEnabled());
    const lumivane::stock::StockPicture& last = window.pictureStrip().picture(kCount - 1);
    EXPECT_FALSE(last.thumbnail.isNull());
    EXPECT_LE(last.thumbnail.width(), 200) << "thumbnails are decoded small";

    // Events were dispatched between the files, not once at the end.
    EXPECT_GE(countsSeenByTimer.size(), static_cast<size_t>(kCount / 2));
    // The kept bytes, the thumbnails and the 2,000 thumbnail labels, with room for the
    // allocator and, in the sanitizer build, its quarantine of freed memory (about 440 MiB
    // there); still far below the 11 GB that decoded pictures would take.
    const long boundKb = totalBytes / 1024 + 768 * 1024;
    EXPECT_LT(growthKb, boundKb) << "files: " << totalBytes / 1024 << " KiB";
}

} // namespace
