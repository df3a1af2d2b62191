#include "fake_platform.h"
#include "windows/qt/click_label.h"
#include "windows/qt/fabout.h"
#include "windows/qt/fgraph.h"
#include "windows/qt/fview.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <vector>

namespace lumivane::windows {
namespace {

void processDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Fgraph, ToolWindowWithEmptyBarAtItsPlace) {
    QWidget owner;
    Fgraph graph(&owner);
    EXPECT_EQ(graph.windowTitle(), QStringLiteral("処理中だ！！"));
    EXPECT_EQ(graph.parentWidget(), &owner);
    EXPECT_TRUE(graph.windowFlags() & Qt::Tool);
    EXPECT_FALSE(graph.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(graph.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(graph.geometry(), QRect(156, 123, 275, 87));
    EXPECT_EQ(graph.minimumSize(), graph.maximumSize());
    EXPECT_EQ(graph.lblBar->width(), 0);
    EXPECT_EQ(graph.lblBar->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(graph.Label3->text(), QStringLiteral("しばらく、そのままでお待ちください"));
}

TEST(Fgraph, BarGrowsForThreeItemsAndFillsItsFrameAtTheEnd) {
    QWidget owner;
    Fgraph graph(&owner);
    graph.show();
    const std::vector<double> expected{1145.0, 2290.0, 3435.0};
    for (int done = 1; done <= 3; ++done) {
        graph.setProgress(done, 3);
        EXPECT_DOUBLE_EQ(graph.barWidth(), expected[done - 1]);
    }
    EXPECT_EQ(graph.lblBar->width(), 229);
    // Full, the bar fills the inside of its frame: 30 twips (2 pixels) on every side.
    EXPECT_EQ(graph.lblBar->geometry(), graph.Label2->geometry().adjusted(2, 2, -2, -2));
    EXPECT_EQ(graph.lblBar->geometry().left(), 26);
}

TEST(Fgraph, TheEndOfTheWorkClosesTheWindowAndANewOneStartsEmpty) {
    QWidget owner;
    auto graph = std::make_unique<Fgraph>(&owner);
    const QPointer<Fgraph> watched = graph.get();
    graph->show();
    graph->setProgress(5, 5);
    graph.reset();
    EXPECT_TRUE(watched.isNull());
    EXPECT_TRUE(owner.findChildren<Fgraph*>().isEmpty());

    Fgraph next(&owner);
    EXPECT_DOUBLE_EQ(next.barWidth(), 0.0);
    EXPECT_EQ(next.lblBar->width(), 0);
}

TEST(Fgraph, UserClosingItMidWayLeavesItUsableForTheCaller) {
    QWidget owner;
    auto graph = std::make_unique<Fgraph>(&owner);
    const QPointer<Fgraph> watched = graph.get();
    graph->show();
    graph->close();
    processDeferredDeletes();
    ASSERT_FALSE(watched.isNull());
    graph->setProgress(2, 2);
    EXPECT_EQ(graph->lblBar->width(), 229);
}

QPixmap pictureOf(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::red);
    return pixmap;
}

TEST(SmallWindows, EveryOneLineTextFitsItsLabel) {
    // A big face, as on a desktop with large fonts: the texts must still fit their boxes.
    QWidget owner;
    QFont big = owner.font();
    big.setPointSizeF(12);
    owner.setFont(big);
    testing::FakePlatform platform;
    Fgraph graph(&owner);
    FAbout about(platform, &owner, [](const QUrl&) {});
    for (QLabel* label : {graph.Label3, about.Label1, static_cast<QLabel*>(about.lblURL),
                          about.Label4, static_cast<QLabel*>(about.lblMail)}) {
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
    }
}

TEST(Fview, SizedToItsPictureAndReusedForTheNext) {
    QPointer<Fview> view = new Fview;
    EXPECT_EQ(view->parentWidget(), nullptr);
    EXPECT_TRUE(view->windowTitle().isEmpty());
    view->showPicture(pictureOf(120, 90));
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->Pview->geometry(), QRect(0, 0, 120, 90));
    EXPECT_EQ(view->geometry().topLeft(), QPoint(438, 381));
    EXPECT_GE(view->width(), 120);
    EXPECT_GE(view->height(), 90);
    EXPECT_LE(view->width(), 120 + 6);
    EXPECT_LE(view->height(), 90 + 20);

    view->move(200, 150);
    const QPoint place = view->pos();
    view->showPicture(pictureOf(300, 40));
    EXPECT_EQ(view->Pview->size(), QSize(300, 40));
    EXPECT_GE(view->width(), 300);
    EXPECT_LE(view->width(), 300 + 6);
    EXPECT_LE(view->height(), 40 + 20);
    EXPECT_EQ(view->pos(), place);
    EXPECT_EQ(view->Pview->pixmap().size(), QSize(300, 40));
    view->close();
    processDeferredDeletes();
    EXPECT_TRUE(view.isNull());
}

TEST(Fview, AClickOnThePictureClosesAndDestroysIt) {
    QPointer<Fview> view = new Fview;
    view->showPicture(pictureOf(50, 50));
    QTest::mouseClick(view->Pview, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(view->isVisible());
    QTest::mouseClick(view->Pview, Qt::LeftButton, {}, QPoint(10, 10));
    processDeferredDeletes();
    EXPECT_TRUE(view.isNull());
}

TEST(FAbout, ShowsNameVersionAndLinksAtTheirPlaces) {
    testing::FakePlatform platform;
    platform.colors[platform::syscolor::Highlight] = 0x00FF8040; // red 0x40, blue 0xFF
    QWidget owner;
    FAbout about(platform, &owner, [](const QUrl&) {});
    EXPECT_EQ(about.windowTitle(), QStringLiteral("ABOUT"));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.parentWidget(), &owner);
    EXPECT_EQ(about.geometry(), QRect(325, 123, 312, 150));
    EXPECT_EQ(about.Label2->text(), QStringLiteral("Lumivane"));
    EXPECT_DOUBLE_EQ(about.Label2->font().pointSizeF(), 21.75);
    EXPECT_EQ(about.lblVer->text(), QStringLiteral("Ver. 1.40"));
    EXPECT_EQ(about.lblVer->geometry(), QRect(204, 56, 81, 21));
    EXPECT_EQ(about.Label4->text(), QStringLiteral("Mail me, Please!!"));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(about.cmdOK->geometry(), QRect(252, 124, 57, 25));
    for (QLabel* link : {static_cast<QLabel*>(about.lblURL), static_cast<QLabel*>(about.lblMail)}) {
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0x40, 0x80, 0xFF));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_TRUE(about.lblURL->text().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(about.lblMail->text().contains(QLatin1Char('@')));
}

TEST(FAbout, LinkClicksHandTheAddressesToTheDesktopAndOkCloses) {
    testing::FakePlatform platform;
    QWidget owner;
    std::vector<QUrl> opened;
    QPointer<FAbout> about =
        new FAbout(platform, &owner, [&opened](const QUrl& url) { opened.push_back(url); });
    about->show();
    about->lblMail->setText(QStringLiteral("someone@example.org"));
    QTest::mouseClick(about->lblMail, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(about->lblURL, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:someone@example.org")));
    EXPECT_EQ(opened[1], QUrl(about->lblURL->text()));
    EXPECT_TRUE(about->isVisible());

    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    processDeferredDeletes();
    EXPECT_TRUE(about.isNull());
}

} // namespace
} // namespace lumivane::windows
