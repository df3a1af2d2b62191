#include "appearance/qt/system_palette.h"
#include "appearance/recording_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace lumivane {
namespace {

class SystemPaletteTest : public ::testing::Test {
protected:
    SystemPaletteTest()
        : saved_(QApplication::palette()), savedMenu_(QApplication::palette("QMenu")) {
        platform.colors = {{platform::syscolor::Window, 0x00FFFF},     // yellow
                           {platform::syscolor::WindowText, 0x800000}, // navy
                           {platform::syscolor::MenuText, 0x008000},   // green
                           {platform::syscolor::BtnText, 0x0000FF}};   // red
    }
    ~SystemPaletteTest() override {
        platform.setSysColorListener({});
        QApplication::setPalette(saved_);
        QApplication::setPalette(savedMenu_, "QMenu");
        QApplication::setPalette(saved_, "QMenuBar");
    }

    testing::RecordingPlatform platform;

private:
    QPalette saved_;
    QPalette savedMenu_;
};

TEST_F(SystemPaletteTest, StartsFromThePlatformsColours) {
    FollowSystemColors(platform);
    QLineEdit edit;
    QPushButton button;
    QMenu menu;
    menu.ensurePolished(); // a menu takes its class's palette when polished, before it shows
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(QApplication::palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(button.palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_EQ(menu.palette().color(QPalette::Text), QColor(0, 128, 0));
}

TEST_F(SystemPaletteTest, FollowsEveryChangeAtOnceAndKeepsTheOthers) {
    FollowSystemColors(platform);
    QLineEdit edit;
    QMenu menu;
    menu.ensurePolished();
    // Widgets that exist take the new palette with the next turn of the event loop.
    platform.setSysColor(platform::syscolor::Window, 0x000000);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(Qt::black));
    platform.setSysColor(platform::syscolor::MenuText, 0xFFFFFF);
    platform.setSysColor(platform::syscolor::BtnText, 0x00FF00);
    QCoreApplication::processEvents();
    EXPECT_EQ(menu.palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(QApplication::palette().color(QPalette::ButtonText), QColor(Qt::green));
    // A later change of another colour keeps the menus' own.
    EXPECT_EQ(QApplication::palette("QMenu").color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(Qt::black));
    // Colours that are not among the four are left to the style.
    const QColor face = QApplication::palette().color(QPalette::Button);
    platform.setSysColor(platform::syscolor::BtnFace, 0x0000FF);
    EXPECT_EQ(QApplication::palette().color(QPalette::Button), face);
}

} // namespace
} // namespace lumivane
