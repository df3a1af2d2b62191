#include "strip_fixture.h"
#include "windows/qt/click_label.h"
#include "windows/qt/fgraph.h"
#include "windows/qt/fview.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace lumivane::stock {
namespace {

using testing::StripFixture;

const QString kBadFormat = QStringLiteral("ファイル形式が不正です");
const QString kWarn30 = QStringLiteral("一覧表示できるのは30枚までです。");

QStringList listed(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

/// No progress window is left on screen after a drop.
bool progressWindowOpen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<windows::Fgraph*>(w) && w->isVisible())
            return true;
    return false;
}

QColor thumbnailColour(const QLabel* element) {
    return element->pixmap().toImage().pixelColor(30, 28);
}

TEST(PictureStrip, DropAddsPicturesInOrderAsThumbnails) {
    StripFixture f;
    const QString jpg = f.picture(QStringLiteral("a.JPG"), Qt::red, {40, 30}, "JPG");
    const QString bmp = f.picture(QStringLiteral("b.Bmp"), Qt::green, {40, 30}, "BMP");
    ASSERT_TRUE(f.dropFiles({jpg, bmp, jpg}));

    EXPECT_EQ(f.count(), 3);
    const std::vector<std::string> expected{f.windowsPath(jpg), f.windowsPath(bmp),
                                            f.windowsPath(jpg)};
    EXPECT_EQ(f.rules().stock().paths(), expected);
    EXPECT_TRUE(expected[0].starts_with("Z:\\"));
    EXPECT_EQ(listed(f.lstImagePath).size(), 3);
    EXPECT_EQ(listed(f.lstImagePath)[1], QString::fromStdString(expected[1]));
    ASSERT_EQ(f.thumnail().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(f.thumnail()[i]->isVisible()) << i;
        EXPECT_EQ(f.thumnail()[i]->geometry(), QRect(12 + 80 * i, 16, 61, 57)) << i;
        EXPECT_EQ(f.thumnail()[i]->pixmap().size(), QSize(61, 57)) << i;
        EXPECT_EQ(f.strip().picture(i).thumbnail.size(), QSize(61, 57));
    }
    EXPECT_GT(thumbnailColour(f.thumnail()[1]).green(), 200);
    // The file's bytes are kept as read, for the preview.
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.strip().picture(1).bytes, file.readAll());
    EXPECT_TRUE(f.cmdMake->isEnabled());
    EXPECT_TRUE(f.cmdAbout->isEnabled());
    EXPECT_TRUE(f.cmdReturn->isEnabled());
    EXPECT_FALSE(progressWindowOpen());
}

TEST(PictureStrip, JapaneseFileNamesAreReadBackThroughTheirWindowsPath) {
    StripFixture f;
    const QString path = f.picture(QStringLiteral("海の写真.jpg"), Qt::blue, {20, 20}, "JPG");
    ASSERT_TRUE(f.dropFiles({path}));
    ASSERT_EQ(f.count(), 1);
    EXPECT_EQ(f.rules().stock().path(0), f.windowsPath(path));
    EXPECT_TRUE(QString::fromStdString(f.rules().stock().path(0))
                    .endsWith(QStringLiteral("\\海の写真.jpg")));
    EXPECT_GT(thumbnailColour(f.thumnail()[0]).blue(), 200);
}

TEST(PictureStrip, GifAndOddNamesPassTheNameTest) {
    StripFixture f;
    // A 1 x 1 GIF; Qt writes no GIFs.
    const QByteArray gif = QByteArray::fromHex(
        "47494638396101000100800000ff000000000021f90401000000002c00000000010001000002024401003b");
    const QString a = f.file(QStringLiteral("a.gif"), gif);
    // The name decides the test, the content the decoder: BMPs under odd names.
    const QString b = f.picture(QStringLiteral("b.jif"), Qt::blue, {10, 10}, "BMP");
    const QString c = f.picture(QStringLiteral("c_gmg"), Qt::blue, {10, 10}, "BMP");
    const QString d = f.picture(QStringLiteral("dbip"), Qt::blue, {10, 10}, "BMP");
    ASSERT_TRUE(f.dropFiles({a, b, c, d}));
    EXPECT_EQ(f.count(), 4);
    EXPECT_FALSE(f.thumnail()[0]->pixmap().isNull());
}

TEST(PictureStrip, ATextFileSecondStopsTheDropAfterTheFirst) {
    StripFixture f;
    const QStringList pics = f.pictures(2);
    const QString text = f.file(QStringLiteral("notes.txt"), "hello");
    f.dropFiles({pics[0], text, pics[1]});
    EXPECT_EQ(f.count(), 1);
    EXPECT_EQ(f.lblMessage->text(), kBadFormat);
    EXPECT_EQ(f.thumnail().size(), 1u);
    EXPECT_FALSE(progressWindowOpen());
    EXPECT_TRUE(f.cmdMake->isEnabled());
    EXPECT_TRUE(f.cmdAbout->isEnabled());
    EXPECT_TRUE(f.cmdReturn->isEnabled());
}

TEST(PictureStrip, ARejectedFirstFileOnAnEmptyStockAddsNothing) {
    StripFixture f;
    f.dropFiles({f.picture(QStringLiteral("a.png"), Qt::red, {8, 8}, "PNG"), f.pictures(1)[0]});
    EXPECT_EQ(f.count(), 0);
    EXPECT_EQ(f.lblMessage->text(), kBadFormat);
    EXPECT_FALSE(f.thumnail()[0]->isVisible());
    EXPECT_FALSE(f.cmdMake->isEnabled());
    EXPECT_TRUE(f.cmdReturn->isEnabled());
    EXPECT_FALSE(progressWindowOpen());
}

TEST(PictureStrip, ProgressBarGrowsByThirdsForThreeFiles) {
    StripFixture f;
    const QStringList pics = f.pictures(3);
    // The bar repaints after every file; watch its width as it is painted.
    struct Watch : QObject {
        QList<int> widths;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && o->objectName() == QLatin1String("lblBar") &&
                (widths.isEmpty() || widths.last() != static_cast<QWidget*>(o)->width()))
                widths << static_cast<QWidget*>(o)->width();
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    f.dropFiles(pics);
    qApp->removeEventFilter(&watch);
    watch.widths.removeAll(0);
    EXPECT_EQ(watch.widths, (QList<int>{76, 153, 229}));
}

TEST(PictureStrip, FortyFilesAreAllAddedButTheStripCannotScroll) {
    StripFixture f;
    f.dropFiles(f.pictures(40));
    EXPECT_EQ(f.count(), 40);
    EXPECT_EQ(f.thumnail().size(), 40u);
    EXPECT_EQ(f.ListScroll->maximum(), 0);
    EXPECT_EQ(f.thumnail()[39]->x(), 12 + 80 * 39);
}

TEST(PictureStrip, ADropThatWouldOverfillTheStockStopsAtItsLimitAndSaysSo) {
    // The handling is the same at the 16-bit limit; a small stock keeps the test quick.
    StripFixture f(5);
    const QStringList pics = f.pictures(4);
    f.dropFiles({pics[0], pics[1], pics[2]});
    ASSERT_EQ(f.count(), 3);
    f.dropFiles(pics);
    EXPECT_EQ(f.count(), 5);
    EXPECT_EQ(f.rules().stock().path(4), f.windowsPath(pics[1]));
    EXPECT_EQ(f.lblMessage->text(), QStringLiteral("登録できる画像は5枚までです。"));
    EXPECT_EQ(f.thumnail().size(), 5u);
    EXPECT_EQ(f.lstImagePath->count(), 5);
    EXPECT_TRUE(f.cmdMake->isEnabled());
    EXPECT_TRUE(f.cmdAbout->isEnabled());
    EXPECT_FALSE(progressWindowOpen());
    // Room made by a removal is taken again.
    f.dropThumbnail(0);
    f.dropFiles({pics[3]});
    EXPECT_EQ(f.count(), 5);
    EXPECT_EQ(f.rules().stock().path(4), f.windowsPath(pics[3]));
}

TEST(PictureStrip, WarnsWhenTheStockHoldsThirtyButNotTwentyNine) {
    StripFixture f;
    f.dropFiles(f.pictures(29));
    EXPECT_EQ(f.ListScroll->maximum(), 23);
    f.lblMessage->setText(QStringLiteral("before"));
    f.dropFiles(f.pictures(2, QStringLiteral("q")));
    EXPECT_EQ(f.lblMessage->text(), QStringLiteral("before"));
    EXPECT_EQ(f.count(), 31);
    EXPECT_EQ(f.ListScroll->maximum(), 23);

    f.rules().Frame1_DragDrop(0);
    EXPECT_EQ(f.ListScroll->maximum(), 24);
    f.lblMessage->setText(QStringLiteral("before"));
    f.dropFiles(f.pictures(1, QStringLiteral("r")));
    EXPECT_EQ(f.lblMessage->text(), kWarn30);
    EXPECT_EQ(f.count(), 31);
}

TEST(PictureStrip, RemovingPictureZeroOfThreeShiftsPicturesAndPaths) {
    StripFixture f;
    const QString red = f.picture(QStringLiteral("red.jpg"), Qt::red, {20, 20}, "JPG");
    const QString green = f.picture(QStringLiteral("green.jpg"), Qt::green, {20, 20}, "JPG");
    const QString blue = f.picture(QStringLiteral("blue.jpg"), Qt::blue, {20, 20}, "JPG");
    f.dropFiles({red, green, blue});
    QLabel* element0 = f.thumnail()[0];
    QLabel* element1 = f.thumnail()[1];
    const QByteArray greenBytes = f.strip().picture(1).bytes;

    ASSERT_TRUE(f.dropThumbnail(0));
    EXPECT_EQ(f.count(), 2);
    EXPECT_EQ(f.rules().stock().paths(),
              (std::vector<std::string>{f.windowsPath(green), f.windowsPath(blue)}));
    EXPECT_EQ(listed(f.lstImagePath), (QStringList{QString::fromStdString(f.windowsPath(green)),
                                                   QString::fromStdString(f.windowsPath(blue))}));
    ASSERT_EQ(f.thumnail().size(), 2u);
    // No element moves; the pictures do.
    EXPECT_EQ(f.thumnail()[0], element0);
    EXPECT_EQ(f.thumnail()[1], element1);
    EXPECT_EQ(element0->x(), 12);
    EXPECT_GT(thumbnailColour(element0).green(), 200);
    EXPECT_GT(thumbnailColour(element1).blue(), 200);
    EXPECT_EQ(f.strip().picture(0).bytes, greenBytes);
    EXPECT_TRUE(f.cmdMake->isEnabled());
}

TEST(PictureStrip, RemovingTheOnlyPictureHidesElementZeroAndDisablesApply) {
    StripFixture f;
    f.dropFiles(f.pictures(1));
    ASSERT_TRUE(f.cmdMake->isEnabled());
    ASSERT_TRUE(f.dropThumbnail(0));
    EXPECT_EQ(f.count(), 0);
    ASSERT_EQ(f.thumnail().size(), 1u);
    EXPECT_FALSE(f.thumnail()[0]->isVisible());
    EXPECT_FALSE(f.cmdMake->isEnabled());
    EXPECT_EQ(f.lstImagePath->count(), 0);
    // A thumbnail that holds nothing cannot be removed.
    f.dropThumbnail(0);
    EXPECT_EQ(f.count(), 0);
}

TEST(PictureStrip, RemovingFromSevenLeavesTheMaximumAtOne) {
    StripFixture f;
    f.dropFiles(f.pictures(8));
    EXPECT_EQ(f.ListScroll->maximum(), 2);
    f.dropThumbnail(7);
    EXPECT_EQ(f.ListScroll->maximum(), 1);
    f.dropThumbnail(6);
    EXPECT_EQ(f.count(), 6);
    EXPECT_EQ(f.ListScroll->maximum(), 1);
    // Element 6 went with picture 6; the strip still moves by one slot.
    EXPECT_EQ(f.thumnail().size(), 6u);
    f.ListScroll->setValue(1);
    EXPECT_EQ(f.thumnail()[1]->x(), 12);
}

TEST(PictureStrip, ARemovalBelowTheScrollValueBringsTheStripIntoRange) {
    StripFixture f;
    f.dropFiles(f.pictures(10));
    f.ListScroll->setValue(4);
    EXPECT_EQ(f.thumnail()[4]->x(), 12);
    f.dropThumbnail(2);
    EXPECT_EQ(f.ListScroll->maximum(), 3);
    EXPECT_EQ(f.ListScroll->value(), 3);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(f.thumnail()[i]->x(), (i - 3) * 80 + 12) << i;
}

TEST(PictureStrip, ScrollingThirtyBackToZeroShowsTheFirstSix) {
    StripFixture f;
    f.dropFiles(f.pictures(30));
    EXPECT_EQ(f.ListScroll->maximum(), 24);
    EXPECT_EQ(f.ListScroll->singleStep(), 1);
    EXPECT_EQ(f.ListScroll->pageStep(), 1);
    f.ListScroll->setValue(24);
    EXPECT_EQ(f.thumnail()[24]->x(), 12);
    EXPECT_EQ(f.lblMessage->text(),
              QStringLiteral("一覧表示をスクロールします。登録できる画像は100枚ですが、"
                             "一覧表示できる画像は30枚です。"));
    f.ListScroll->setValue(0);
    for (int i = 0; i < 30; ++i) {
        const bool inFrame = f.Frame2->rect().intersects(f.thumnail()[i]->geometry());
        EXPECT_EQ(inFrame, i < 6) << i;
    }
    // A click on the right arrow and one in the track each move by one slot.
    const int middle = f.ListScroll->height() / 2;
    QTest::mouseClick(f.ListScroll, Qt::LeftButton, {}, QPoint(f.ListScroll->width() - 3, middle));
    EXPECT_EQ(f.ListScroll->value(), 1);
    EXPECT_EQ(f.thumnail()[1]->x(), 12);
    QTest::mouseClick(f.ListScroll, Qt::LeftButton, {}, QPoint(f.ListScroll->width() - 40, middle));
    EXPECT_EQ(f.ListScroll->value(), 2);
    EXPECT_EQ(f.thumnail()[2]->x(), 12);
}

TEST(PictureStrip, UnreadablePicturesAreTakenBackAndNamed) {
    StripFixture f;
    const QString good = f.picture(QStringLiteral("good.jpg"), Qt::red, {20, 20}, "JPG");
    const QString damaged = f.file(QStringLiteral("damaged.jpg"),
                                   QByteArray::fromHex("ffd8ffe0") + QByteArray(64, 'x'));
    const QString png = f.picture(QStringLiteral("png-inside.jpg"), Qt::red, {8, 8}, "PNG");
    QDir(f.dir.path()).mkdir(QStringLiteral("folder.jpg"));
    const QString folder = f.dir.filePath(QStringLiteral("folder.jpg"));
    const QString last = f.picture(QStringLiteral("last.bmp"), Qt::blue, {20, 20}, "BMP");

    f.dropFiles({damaged});
    EXPECT_EQ(f.count(), 0);
    EXPECT_FALSE(f.thumnail()[0]->isVisible());
    EXPECT_EQ(f.lblMessage->text(),
              QStringLiteral("画像として読み込めないファイルです: damaged.jpg"));
    EXPECT_EQ(f.messageWhole(), QStringLiteral("画像として読み込めないファイルです: ") +
                                    QString::fromStdString(f.windowsPath(damaged)));
    EXPECT_FALSE(f.cmdMake->isEnabled());

    f.dropFiles({good, png, folder, last});
    EXPECT_EQ(f.rules().stock().paths(),
              (std::vector<std::string>{f.windowsPath(good), f.windowsPath(last)}));
    EXPECT_EQ(f.thumnail().size(), 2u);
    EXPECT_EQ(f.lstImagePath->count(), 2);
    EXPECT_GT(thumbnailColour(f.thumnail()[1]).blue(), 200);
    EXPECT_EQ(f.thumnail()[1]->x(), 92);
    EXPECT_EQ(f.lblMessage->text(),
              QStringLiteral("画像として読み込めないファイルです: folder.jpg"));
    EXPECT_TRUE(f.messageWhole().endsWith(QString::fromStdString(f.windowsPath(folder))));
}

TEST(PictureStrip, DropsArriveOnlyOnTheDropFrame) {
    StripFixture f;
    const auto data = StripFixture::filesData(f.pictures(2));
    EXPECT_FALSE(f.Frame2->acceptDrops());
    EXPECT_FALSE(f.window.acceptDrops());
    EXPECT_TRUE(f.Frame1->acceptDrops());
    EXPECT_FALSE(StripFixture::drop(f.Frame2, data.get()));
    EXPECT_EQ(f.count(), 0);

    QMimeData text;
    text.setText(QStringLiteral("just words"));
    EXPECT_FALSE(StripFixture::drop(f.Frame1, &text));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
    EXPECT_FALSE(StripFixture::drop(f.Frame1, &web));
    EXPECT_EQ(f.count(), 0);
    EXPECT_EQ(f.lblMessage->text(), QStringLiteral("start"));

    // A thumbnail's drag from another process is not ours.
    QMimeData foreign;
    const auto own = StripFixture::thumbnailData(0);
    const QString format = own->formats().front();
    const QByteArray ownData = own->data(format);
    foreign.setData(format, "1" + ownData.mid(ownData.indexOf(' ')));
    f.dropFiles(f.pictures(1));
    EXPECT_FALSE(StripFixture::drop(f.Frame1, &foreign));
    EXPECT_EQ(f.count(), 1);
}

TEST(PictureStrip, FilesAreTakenAsACopySoTheFileManagerKeepsThem) {
    StripFixture f;
    const auto data = StripFixture::filesData(f.pictures(2));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                          Qt::ShiftModifier);
    enter.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(f.Frame1, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                    Qt::ShiftModifier);
    drop.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(f.Frame1, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(f.count(), 2);

    // A source that only offers to move its files is refused.
    QDragEnterEvent moveOnly(QPoint(5, 5), Qt::MoveAction, data.get(), Qt::LeftButton,
                             Qt::NoModifier);
    QCoreApplication::sendEvent(f.Frame1, &moveOnly);
    EXPECT_FALSE(moveOnly.isAccepted());
    QDropEvent moveDrop(QPointF(5, 5), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.Frame1, &moveDrop);
    EXPECT_EQ(f.count(), 2);
}

TEST(PictureStrip, SecondDropAndRemovalDuringADropAreRefused) {
    StripFixture f;
    f.dropFiles(f.pictures(2, QStringLiteral("first")));
    const QStringList second = f.pictures(3, QStringLiteral("second"));
    const auto secondData = StripFixture::filesData(f.pictures(4, QStringLiteral("third")));
    const std::unique_ptr<QMimeData> removal = testing::StripFixture::thumbnailData(0);

    // Both arrive while the files of `second` are being added.
    bool enterAccepted = true;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(f.rules().dropping());
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, secondData.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(f.Frame1, &enter);
        enterAccepted = enter.isAccepted();
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, secondData.get(), Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(f.Frame1, &drop);
        QDropEvent remove(QPointF(5, 5), Qt::MoveAction, removal.get(), Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(f.Frame1, &remove);
    });
    f.dropFiles(second);
    EXPECT_FALSE(enterAccepted);
    EXPECT_EQ(f.count(), 5);
    EXPECT_EQ(f.thumnail().size(), 5u);
    EXPECT_EQ(f.lstImagePath->count(), 5);
    EXPECT_EQ(f.rules().stock().path(4), f.windowsPath(second[2]));
    EXPECT_FALSE(f.rules().dropping());
    // Afterwards drops are taken again.
    EXPECT_TRUE(StripFixture::drop(f.Frame1, secondData.get()));
    EXPECT_EQ(f.count(), 9);
}

TEST(PictureStrip, ButtonsAreDisabledWhileFilesAreAdded) {
    StripFixture f;
    bool seen = false;
    bool anyEnabled = true;
    bool progressShown = false;
    QTimer::singleShot(0, [&] {
        seen = true;
        anyEnabled = f.cmdAbout->isEnabled() || f.cmdMake->isEnabled() || f.cmdReturn->isEnabled();
        progressShown = progressWindowOpen();
    });
    f.dropFiles(f.pictures(2));
    ASSERT_TRUE(seen);
    EXPECT_FALSE(anyEnabled);
    EXPECT_TRUE(progressShown);
}

TEST(PictureStrip, RightClickPreviewsAtNaturalSizeInOneReusedWindow) {
    StripFixture f;
    const QString wide = f.picture(QStringLiteral("wide.bmp"), Qt::red, {200, 50}, "BMP");
    const QString tall = f.picture(QStringLiteral("tall.jpg"), Qt::blue, {60, 150}, "JPG");
    f.dropFiles({wide, tall});
    ASSERT_EQ(f.strip().preview(), nullptr);

    QTest::mouseClick(f.thumnail()[0], Qt::RightButton, {}, QPoint(5, 5));
    windows::Fview* view = f.strip().preview();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->Pview->pixmap().size(), QSize(200, 50));

    QTest::mouseClick(f.thumnail()[1], Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.strip().preview(), view);
    EXPECT_EQ(view->Pview->pixmap().size(), QSize(60, 150));
    EXPECT_GE(view->height(), 150);
    EXPECT_LT(view->width(), 200);

    // Closing the preview leaves the stock alone.
    QTest::mouseClick(view->Pview, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.strip().preview(), nullptr);
    EXPECT_EQ(f.count(), 2);
    EXPECT_FALSE(f.thumnail()[1]->pixmap().isNull());
}

TEST(PictureStrip, ALeftClickOnAThumbnailChangesNothing) {
    StripFixture f;
    f.dropFiles(f.pictures(2));
    f.lblMessage->setText(QStringLiteral("before"));
    // The press starts a drag that ends where it began, on the thumbnail.
    QTest::mouseClick(f.thumnail()[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.count(), 2);
    EXPECT_EQ(f.thumnail().size(), 2u);
    EXPECT_EQ(f.strip().preview(), nullptr);
    EXPECT_EQ(f.lblMessage->text(), QStringLiteral("before"));
}

TEST(PictureStrip, PointingAtAThumbnailExplainsRemovalAndPreview) {
    StripFixture f;
    f.dropFiles(f.pictures(1));
    QTest::mouseMove(f.thumnail()[0], QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.thumnail()[0], &move);
    EXPECT_EQ(f.lblMessage->text(),
              QStringLiteral("サムネイルをドロップすると、一覧から消去されます。\r\n"
                             "右クリックすると、画像を表示します。"));
}

} // namespace
} // namespace lumivane::stock
