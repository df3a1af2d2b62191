// The main window's toolbar strip: bitmaps dropped on it tiled and stored, a double-click
// clearing it, and the colour changer's sample toolbar showing what is stored.
#include "app/fmain_form.h"
#include "app/qt/fmain.h"
#include "appearance/pictures.h"
#include "appearance/qt/fcolor.h"
#include "appearance/qt/tile_strip.h"
#include "appearance/recording_platform.h"
#include "appearance/toolbar_background.h"
#include "windows/qt/help_line.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace lumivane {
namespace {

using testing::fileBytes;
using testing::patternImage;
using testing::solidImage;

class ToolbarStripTest : public ::testing::Test {
protected:
    ToolbarStripTest() {
        window.rules().cmdDetail_Click(); // the strip lies in the detail part
        window.show();
    }

    /// Puts a file where the platform sees it as Z:<host path>, as a dropped file arrives.
    void addFile(const QString& hostPath, const std::string& bytes) {
        platform.files[platform.windowsPath(hostPath.toStdString())] = bytes;
    }

    void drop(const QStringList& hostPaths) {
        QList<QUrl> urls;
        for (const QString& path : hostPaths)
            urls << QUrl::fromLocalFile(path);
        auto* data = new QMimeData;
        data->setUrls(urls);
        dropData(data);
    }

    /// A drag that enters the strip and is let go over it, as the shell delivers it.
    void dropData(QMimeData* data) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &drop);
        delete data;
    }

    std::string stored() { return ToolbarBackBitmap(platform); }
    QImage shown() { return strip->grab().toImage(); }

    testing::RecordingPlatform platform;
    // A browser is never asked for here.
    app::Fmain window{platform, [](app::Browser::Events) { return nullptr; }};
    TileStrip* strip = window.PToolBarBackImage;
    QWidget& owner = window;
};

TEST_F(ToolbarStripTest, UpperCaseBmpIsTiledAndItsPathStoredAsDropped) {
    const QImage picture = patternImage(16, 16);
    addFile("/home/me/Pics/Sky.BMP", fileBytes(picture, "BMP"));
    drop({"/home/me/Pics/Sky.BMP"});

    EXPECT_EQ(stored(), "Z:\\home\\me\\Pics\\Sky.BMP");
    EXPECT_EQ(strip->tileCount(), 66);
    const QImage image = shown();
    ASSERT_EQ(image.size(), window.Picture1->contentsRect().size());
    for (QPoint p : {QPoint(0, 0), QPoint(17, 3), QPoint(200, 20),
                     QPoint(image.width() - 1, image.height() - 1)})
        EXPECT_EQ(image.pixelColor(p), picture.pixelColor(p.x() % 16, p.y() % 16))
            << p.x() << "," << p.y();
}

TEST_F(ToolbarStripTest, SmallOddSizedBitmapRepeatsPixelForPixel) {
    const QImage picture = patternImage(3, 7);
    addFile("/p/odd.bmp", fileBytes(picture, "BMP"));
    drop({"/p/odd.bmp"});
    EXPECT_EQ(strip->tileCount(), 116 * 5); // 5175 / 45 + 1 a row, 495 / 105 + 1 rows
    const QImage image = shown();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixelColor(x, y), picture.pixelColor(x % 3, y % 7)) << x << "," << y;
}

TEST_F(ToolbarStripTest, JpegIsStoredButNotTiledAndTheColourChangerIgnoresIt) {
    addFile("/p/first.bmp", fileBytes(solidImage(8, 8, Qt::blue), "BMP"));
    addFile("/p/photo.jpg", fileBytes(solidImage(8, 8, Qt::red), "JPG"));
    drop({"/p/first.bmp"});
    drop({"/p/photo.jpg"});

    EXPECT_EQ(stored(), "Z:\\p\\photo.jpg");
    EXPECT_EQ(shown().pixelColor(5, 5), QColor(Qt::blue));

    Fcolor form(platform, &owner);
    EXPECT_FALSE(form.PToolBarBackImage->hasPicture());
}

TEST_F(ToolbarStripTest, OnlyTheFirstOfSeveralDroppedFilesCounts) {
    addFile("/p/a.bmp", fileBytes(solidImage(4, 4, Qt::blue), "BMP"));
    addFile("/p/b.bmp", fileBytes(solidImage(4, 4, Qt::red), "BMP"));
    addFile("/p/c.bmp", fileBytes(solidImage(4, 4, Qt::green), "BMP"));
    drop({"/p/a.bmp", "/p/b.bmp", "/p/c.bmp"});

    EXPECT_EQ(stored(), "Z:\\p\\a.bmp");
    EXPECT_EQ(shown().pixelColor(100, 10), QColor(Qt::blue));
}

TEST_F(ToolbarStripTest, BitmapWiderThanTheStripGivesOneTilePerRow) {
    const QImage picture = patternImage(400, 10);
    addFile("/p/wide.bmp", fileBytes(picture, "BMP"));
    drop({"/p/wide.bmp"});

    const std::vector<TileRect> expected{
        {0, 0, 6000, 150}, {0, 150, 6000, 150}, {0, 300, 6000, 150}, {0, 450, 6000, 150}};
    EXPECT_EQ(strip->tiles(), expected);
    const QImage image = shown();
    EXPECT_EQ(image.pixelColor(image.width() - 1, 25), picture.pixelColor(image.width() - 1, 5));
}

TEST_F(ToolbarStripTest, SecondBitmapReplacesEveryTileOfTheFirst) {
    addFile("/p/big.bmp", fileBytes(patternImage(16, 16), "BMP"));
    addFile("/p/dot.bmp", fileBytes(solidImage(1, 1, Qt::green), "BMP"));
    drop({"/p/big.bmp"});
    drop({"/p/dot.bmp"});

    EXPECT_EQ(strip->tileCount(), 346 * 34);
    const QImage image = shown();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::green)) << x << "," << y;
}

TEST_F(ToolbarStripTest, BitmapThatCannotBeLoadedClearsTheStripAndIsStored) {
    addFile("/p/good.bmp", fileBytes(solidImage(4, 4, Qt::blue), "BMP"));
    addFile("/p/broken.bmp", "BM this is not a bitmap");
    drop({"/p/good.bmp"});
    ASSERT_EQ(shown().pixelColor(50, 10), QColor(Qt::blue));
    drop({"/p/broken.bmp"});
    EXPECT_EQ(stored(), "Z:\\p\\broken.bmp");
    EXPECT_FALSE(strip->hasPicture());
    EXPECT_NE(shown().pixelColor(50, 10), QColor(Qt::blue));
    EXPECT_EQ(strip->tiles(), (std::vector<TileRect>{{0, 0, 5175, 495}}));

    drop({"/p/good.bmp"});
    drop({"/p/missing.bmp"});
    EXPECT_EQ(stored(), "Z:\\p\\missing.bmp");
    EXPECT_FALSE(strip->hasPicture());
    EXPECT_EQ(strip->tileCount(), 1);
}

TEST_F(ToolbarStripTest, DataWithoutAFileIsIgnored) {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("/p/a.bmp"));
    dropData(data);
    EXPECT_FALSE(platform.hasValue(kToolbarKey, kBackBitmapValue));
    EXPECT_FALSE(strip->hasPicture());
}

TEST_F(ToolbarStripTest, DoubleClickClearsTheStripAndStoresTheEmptyText) {
    QTest::mouseDClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_TRUE(platform.hasValue(kToolbarKey, kBackBitmapValue)); // stored even with nothing set
    EXPECT_EQ(stored(), "");

    addFile("/p/a.bmp", fileBytes(solidImage(4, 4, Qt::blue), "BMP"));
    drop({"/p/a.bmp"});
    ASSERT_TRUE(strip->hasPicture());
    QTest::mouseDClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(stored(), "");
    EXPECT_FALSE(strip->hasPicture());
    EXPECT_EQ(strip->tiles(), (std::vector<TileRect>{{0, 0, 5175, 495}}));
    EXPECT_NE(shown().pixelColor(20, 10), QColor(Qt::blue));

    Fcolor form(platform, &owner);
    EXPECT_FALSE(form.PToolBarBackImage->hasPicture());
}

TEST_F(ToolbarStripTest, StartsEmptyWhileTheColourChangerShowsTheStoredBitmap) {
    addFile("/p/stored.bmp", fileBytes(solidImage(2, 2, Qt::red), "BMP"));
    SetToolbarBackBitmap(platform, "Z:\\p\\stored.bmp");
    app::Fmain fresh(platform, [](app::Browser::Events) { return nullptr; });
    EXPECT_FALSE(fresh.PToolBarBackImage->hasPicture());

    Fcolor form(platform, &owner);
    form.show();
    ASSERT_TRUE(form.PToolBarBackImage->hasPicture());
    EXPECT_EQ(form.PToolBarBackImage->tileCount(), 129 * 26); // 3855 × 755 twips, 30-twip tiles
    // The tiles lie under the sample toolbar's captions, at its top-left corner.
    EXPECT_EQ(form.Picture1->grab().toImage().pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(ToolbarStripTest, PointerOverTheStripShowsItsHelpText) {
    window.setMessage(QStringLiteral("before"));
    QTest::mouseMove(strip, QPoint(30, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.lblMessage->text(),
              QStringLiteral("BMPファイルをドロップすると、ツールバーの背景画像を設定できます。"
                             "ダブルクリックで背景画像をクリアします。"));
}

} // namespace
} // namespace lumivane
