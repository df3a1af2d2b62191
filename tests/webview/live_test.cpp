// The window follows the system: a "変更", the toolbar bitmap, the colours; and its own
// address bar and history.
#include "appearance/toolbar_background.h"
#include "viewer_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QTest>

namespace {

using lumivane::TemplateOptions;
using lumivane::platform::RootKey;
using lumivane::testing::near;
using lumivane::testing::ViewerTest;

class Live : public ViewerTest {
protected:
    Live() { folder = userFolder("Live", {"one.txt", "two.txt"}); }
    std::string folder;
};

TEST_F(Live, AChangeInLumivaneReachesTheOpenViewKeepingTheSelection) {
    TemplateOptions options;
    options.lblColor[2] = "white";
    apply(options, {picture("a.bmp", Qt::red)});
    ASSERT_TRUE(open(folder, {"two.txt"}));
    const QPoint panel(30, view().height() - 40);
    ASSERT_TRUE(near(pagePixel(panel), Qt::white, 8));

    options.lblColor[2] = "lime";
    ASSERT_TRUE(laidOutAfter([&] { apply(options, {picture("b.bmp", Qt::green)}); }));
    ASSERT_TRUE(quiet());
    EXPECT_TRUE(near(pagePixel(panel), QColor(0, 255, 0), 8));
    EXPECT_EQ(view().selectedNames(), QStringList{"two.txt"});
    EXPECT_TRUE(
        js("document.all.Info.innerHTML").toString().contains(QStringLiteral("<b>two.txt</b>")));

    ASSERT_TRUE(laidOutAfter([&] { restore(); }));
    ASSERT_TRUE(quiet());
    EXPECT_TRUE(js("getComputedStyle(document.all.Panel).backgroundImage")
                    .toString()
                    .contains(QStringLiteral("wvleft.bmp")));
}

TEST_F(Live, TheToolbarBandIsTiledWithTheStoredBitmapAndFollowsIt) {
    ASSERT_TRUE(open(folder));
    EXPECT_FALSE(window().toolbarTiled());
    QImage tile(7, 5, QImage::Format_RGB32);
    tile.fill(QColor(200, 0, 200));
    const std::filesystem::path bitmap = system.outside() / "Tile.BMP";
    tile.save(QString::fromStdString(bitmap.string()), "BMP");
    lumivane::SetToolbarBackBitmap(writer, writer.windowsPath(bitmap.string()));
    ASSERT_TRUE(waitUntil([&] { return window().toolbarTiled(); }));
    const QImage shot = lumivane::webview::settledShot(window());
    const QPoint band = view().mapTo(&window(), QPoint(view().width() - 5, -3));
    EXPECT_EQ(shot.pixelColor(band), QColor(200, 0, 200));

    lumivane::SetToolbarBackBitmap(writer, "");
    EXPECT_TRUE(waitUntil([&] { return !window().toolbarTiled(); }));
    lumivane::SetToolbarBackBitmap(writer, writer.windowsPath(bitmap.string()) + ".jpg");
    EXPECT_FALSE(waitUntil([&] { return window().toolbarTiled(); }, 1500))
        << "only a name ending in bmp is tiled";
}

TEST_F(Live, AColourChangeReachesTheWindowAndThePage) {
    ASSERT_TRUE(open(folder));
    writer.regSetString(RootKey::CurrentUser, "Control Panel\\Colors", "Window", "255 255 0");
    writer.regSetString(RootKey::CurrentUser, "Control Panel\\Colors", "WindowText", "0 0 128");
    EXPECT_TRUE(waitUntil([&] {
        return js("getComputedStyle(document.documentElement).backgroundColor").toString() ==
               QStringLiteral("rgb(255, 255, 0)");
    }));
    EXPECT_EQ(js("getComputedStyle(document.querySelector('.lumivane-list')).color").toString(),
              QStringLiteral("rgb(0, 0, 128)"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(QApplication::palette().color(QPalette::Text), QColor(0, 0, 128));
    // A page laid out afterwards starts with them.
    ASSERT_TRUE(laidOutAfter([&] { view().reloadPage(); }));
    EXPECT_EQ(js("getComputedStyle(document.all.MiniBanner).backgroundColor").toString(),
              QStringLiteral("rgb(255, 255, 0)"));
}

TEST_F(Live, TheAddressBarAndTheHistoryGoWhereTheyAreTold) {
    ASSERT_TRUE(open(folder));
    auto* address = window().findChild<QLineEdit*>();
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->text().toStdString(), folder);
    ASSERT_TRUE(laidOutAfter([&] {
        address->setText(QStringLiteral("c:/windows/web"));
        QTest::keyClick(address, Qt::Key_Return);
    }));
    EXPECT_EQ(view().folder(), QStringLiteral("C:\\windows\\web"));
    EXPECT_TRUE(
        js("document.querySelector('.lumivane-body').innerText").toString().contains("wvleft.bmp"));

    address->setText(QStringLiteral("C:\\nowhere"));
    QTest::keyClick(address, Qt::Key_Return);
    EXPECT_EQ(window().noticeText(), QStringLiteral("フォルダが見つかりません: C:\\nowhere"));
    EXPECT_EQ(view().folder(), QStringLiteral("C:\\windows\\web"));

    const auto trigger = [&](const QString& text) {
        for (QAction* action : window().findChildren<QAction*>()) {
            if (action->text() == text)
                return laidOutAfter([&] { action->trigger(); });
        }
        return false;
    };
    ASSERT_TRUE(trigger(QStringLiteral("上のフォルダへ(&U)")));
    EXPECT_EQ(view().folder(), QStringLiteral("C:\\windows"));
    ASSERT_TRUE(trigger(QStringLiteral("戻る(&B)")));
    EXPECT_EQ(view().folder(), QStringLiteral("C:\\windows\\web"));
    ASSERT_TRUE(trigger(QStringLiteral("戻る(&B)")));
    EXPECT_EQ(view().folder().toStdString(), folder);
    ASSERT_TRUE(trigger(QStringLiteral("進む(&F)")));
    EXPECT_EQ(view().folder(), QStringLiteral("C:\\windows\\web"));
}

} // namespace
