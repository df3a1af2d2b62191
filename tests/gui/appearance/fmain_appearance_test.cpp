// The main window's toolbar strip and its colour changer button, wired into Fmain.
#include "app/fmain_form.h"
#include "app/qt/fmain.h"
#include "appearance/pictures.h"
#include "appearance/qt/fcolor.h"
#include "appearance/qt/system_palette.h"
#include "appearance/qt/tile_strip.h"
#include "appearance/recording_platform.h"
#include "appearance/toolbar_background.h"
#include "windows/qt/help_line.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace lumivane {
namespace {

class FmainAppearanceTest : public ::testing::Test {
protected:
    FmainAppearanceTest() {
        // A browser is never asked for here.
        window =
            std::make_unique<app::Fmain>(platform, [](app::Browser::Events) { return nullptr; });
        window->rules().cmdDetail_Click(); // the strip lies in the detail part
        window->show();
    }

    testing::RecordingPlatform platform;
    std::unique_ptr<app::Fmain> window;
};

TEST_F(FmainAppearanceTest, StripFillsPicture1AndSpeaksOnTheHelpLine) {
    TileStrip* strip = window->PToolBarBackImage;
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->parentWidget(), window->Picture1);
    EXPECT_EQ(strip->geometry(), window->Picture1->contentsRect());
    EXPECT_FALSE(strip->hasPicture());

    QTest::mouseMove(window->Picture1, window->Picture1->rect().center());
    QCoreApplication::processEvents();
    const std::string_view help = app::FmainForm().control(app::fmain::PToolBarBackImage(0)).help;
    EXPECT_EQ(window->lblMessage->text(), QString::fromUtf8(help.data(), qsizetype(help.size())));

    platform.files["Z:\\p\\tile.bmp"] =
        testing::fileBytes(testing::solidImage(3, 3, Qt::magenta), "BMP");
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(QStringLiteral("/p/tile.bmp"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &drop);
    delete data;
    EXPECT_EQ(ToolbarBackBitmap(platform), "Z:\\p\\tile.bmp");
    EXPECT_EQ(window->Picture1->grab().toImage().pixelColor(window->Picture1->rect().center()),
              QColor(Qt::magenta));
}

TEST_F(FmainAppearanceTest, ColourChangerOpensModalAndItsColoursReachTheMainWindow) {
    platform.colors[platform::syscolor::Window] = 0xFFFFFF;
    const QPalette saved = QApplication::palette();
    FollowSystemColors(platform);

    bool sawForm = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<Fcolor*>(QApplication::activeModalWidget());
        if (!form)
            return;
        sawForm = true;
        EXPECT_EQ(form->parentWidget(), window.get());
        form->hsRed->setValue(0);
        form->hsGreen->setValue(64);
        form->hsBlue->setValue(128);
        QTest::mouseClick(form->cmdChange, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdSetColors, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_TRUE(sawForm);
    EXPECT_EQ(platform.regGetString(platform::RootKey::CurrentUser, kColorsKey, "Window"),
              "0 64 128");
    EXPECT_EQ(window->chkShowIcon->palette().color(QPalette::Base), QColor(0, 64, 128));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // closed and gone

    platform.setSysColorListener({});
    QApplication::setPalette(saved);
}

} // namespace
} // namespace lumivane
