#include "app/qt/ui_look.h"
#include "appearance/color_entry.h"
#include "appearance/qt/fcolor.h"
#include "appearance/qt/tile_strip.h"
#include "appearance/recording_platform.h"
#include "appearance/toolbar_background.h"
#include "platform/emulated/emulated_platform.h"
#include "template/template_text.h"
#include "windows/help_line_check.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace lumivane {
namespace {

QColor rgb(std::uint32_t c) {
    return QColor(int(c & 255), int((c >> 8) & 255), int((c >> 16) & 255));
}

QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}
QColor textColor(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

/// Where a part of a scroll bar is, as the style draws it.
QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class FcolorTest : public ::testing::Test {
protected:
    FcolorTest() {
        platform.colors = {{platform::syscolor::Window, 0xFFFFFF},
                           {platform::syscolor::WindowText, 0x000000},
                           {platform::syscolor::MenuText, 0x102030},
                           {platform::syscolor::BtnText, 0x00FF00},
                           {platform::syscolor::BtnFace, 0xC0C0C0}};
        owner.resize(300, 200);
        owner.show();
        form = std::make_unique<Fcolor>(platform, &owner);
        form->show();
        QCoreApplication::processEvents();
    }

    void select(int index) { form->cmbTarget->setCurrentIndex(index); }
    void setBars(int r, int g, int b) {
        form->hsRed->setValue(r);
        form->hsGreen->setValue(g);
        form->hsBlue->setValue(b);
    }
    std::string stored(std::string_view name) {
        return platform.regGetString(platform::RootKey::CurrentUser, kColorsKey, name);
    }

    testing::RecordingPlatform platform;
    QWidget owner;
    std::unique_ptr<Fcolor> form;
};

TEST_F(FcolorTest, OpensOnTheWindowBackgroundShowingThePresentSystemColours) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("色チェンジ"));
    EXPECT_TRUE(form->isModal());
    EXPECT_EQ(form->parentWidget(), &owner);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(form->size(), QSize(249, 300));
    EXPECT_EQ(form->hsRed->geometry(), QRect(20, 4, 165, 17));
    EXPECT_EQ(form->cmdChange->geometry(), QRect(208, 66, 41, 17));
    EXPECT_EQ(form->lblMessage->geometry(), QRect(0, 256, 249, 41));

    ASSERT_EQ(form->cmbTarget->count(), 4);
    EXPECT_EQ(form->cmbTarget->itemText(3), QStringLiteral("ボタンの文字"));
    EXPECT_EQ(form->cmbTarget->currentIndex(), 0);
    EXPECT_EQ(form->hsRed->value(), 255);
    EXPECT_EQ(form->hsBlue->value(), 255);
    EXPECT_EQ(background(form->picSample), QColor(Qt::white));
    EXPECT_TRUE(form->lblMessage->text().startsWith(QStringLiteral("ウインドウの背景の色を設定")));

    // The sample shows all four colours, the toolbar on the button face.
    EXPECT_EQ(background(form->lblWindowBack), QColor(Qt::white));
    EXPECT_EQ(background(form->lblAddress), QColor(Qt::white));
    EXPECT_EQ(textColor(form->lblAddress), QColor(Qt::black));
    EXPECT_EQ(textColor(form->lblIconString), QColor(Qt::black));
    for (QLabel* menu : form->lblMenuString)
        EXPECT_EQ(textColor(menu), rgb(0x102030));
    EXPECT_EQ(textColor(form->lblButtonString), rgb(0x00FF00));
    EXPECT_EQ(background(form->Picture1), rgb(0xC0C0C0));
    EXPECT_TRUE(platform.writes.empty());
}

TEST_F(FcolorTest, EveryHelpTextFitsTheHelpBoxInTheProgramsFont) {
    form->setFont(app::uiFont());
    for (int i = 0; i < 4; ++i) {
        select(i);
        EXPECT_EQ(form->lblMessage->text().toStdString(), kColorTargets[i].help);
        EXPECT_TRUE(testing::drawnWhole(*form->lblMessage)) << "target " << i;
    }
}

TEST_F(FcolorTest, ChangeAtOnceWritesTheFourUnchangedColoursAndCloses) {
    QTest::mouseClick(form->cmdChange, Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    const std::vector<std::string> expected{
        "color 5 16777215", "reg Control Panel\\Colors\\Window=255 255 255",
        "color 8 0",        "reg Control Panel\\Colors\\WindowText=0 0 0",
        "color 7 1056816",  "reg Control Panel\\Colors\\MenuText=48 32 16",
        "color 18 65280",   "reg Control Panel\\Colors\\ButtonText=0 255 0"};
    EXPECT_EQ(platform.writes, expected);
}

TEST_F(FcolorTest, DraggingABarRepaintsSwatchAndSampleBeforeTheThumbIsLetGo) {
    select(1); // window text, black
    QScrollBar* bar = form->hsGreen;
    const QRect thumb = partOf(bar, QStyle::SC_ScrollBarSlider);
    ASSERT_TRUE(thumb.isValid());
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, thumb.center());
    std::vector<int> greens;
    for (int dx : {20, 50, 90}) {
        QTest::mouseMove(bar, thumb.center() + QPoint(dx, 0));
        greens.push_back(background(form->picSample).green());
        EXPECT_EQ(textColor(form->lblIconString).green(), greens.back());
        EXPECT_EQ(textColor(form->lblAddress).green(), greens.back());
    }
    EXPECT_GT(greens[0], 0);
    EXPECT_LT(greens[0], greens[1]);
    EXPECT_LT(greens[1], greens[2]);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, thumb.center() + QPoint(90, 0));
    EXPECT_EQ(bar->value(), greens.back());
    EXPECT_EQ(form->currentColors()[1].Green, greens.back());
    EXPECT_EQ(form->currentColors()[1].Color, std::uint32_t(greens.back()) << 8);
}

TEST_F(FcolorTest, SwitchingTargetsKeepsEveryEdit) {
    setBars(10, 20, 30);
    select(2);
    EXPECT_EQ(form->hsRed->value(), 0x30);
    EXPECT_EQ(form->hsGreen->value(), 0x20);
    EXPECT_EQ(form->hsBlue->value(), 0x10);
    EXPECT_EQ(background(form->picSample), rgb(0x102030));
    EXPECT_EQ(form->lblMessage->text(), QStringLiteral("メニューバー内の文字の色を設定できます。"));
    select(0);
    EXPECT_EQ(form->hsRed->value(), 10);
    EXPECT_EQ(form->hsGreen->value(), 20);
    EXPECT_EQ(form->hsBlue->value(), 30);
    EXPECT_EQ(form->currentColors()[0].Color, 0x1E140Au);
    EXPECT_EQ(form->currentColors()[2].Color, 0x102030u);
    EXPECT_EQ(background(form->lblWindowBack), rgb(0x1E140A));
    EXPECT_EQ(textColor(form->lblMenuString[0]), rgb(0x102030));
}

TEST_F(FcolorTest, RevertPutsBackTheSelectedTargetOnly) {
    setBars(1, 2, 3);
    select(1);
    setBars(100, 110, 120);
    QTest::mouseClick(form->cmdBack, Qt::LeftButton);
    EXPECT_EQ(form->hsRed->value(), 0);
    EXPECT_EQ(form->hsGreen->value(), 0);
    EXPECT_EQ(background(form->picSample), QColor(Qt::black));
    EXPECT_EQ(textColor(form->lblIconString), QColor(Qt::black));
    EXPECT_EQ(form->currentColors()[0].Color, 0x030201u);
    EXPECT_TRUE(platform.writes.empty()); // nothing applied, nothing stored

    QTest::mouseClick(form->cmdChange, Qt::LeftButton);
    EXPECT_EQ(stored("Window"), "1 2 3");
    EXPECT_EQ(stored("WindowText"), "0 0 0");
    EXPECT_EQ(platform.colors[platform::syscolor::Window], 0x030201u);
}

TEST_F(FcolorTest, CancelAndTheCloseBoxChangeNothing) {
    setBars(9, 9, 9);
    QTest::mouseClick(form->cmdCansel, Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());

    Fcolor second(platform, &owner);
    second.show();
    second.hsBlue->setValue(1);
    EXPECT_TRUE(second.close());
    EXPECT_EQ(second.result(), QDialog::Rejected);

    EXPECT_TRUE(platform.writes.empty());
    EXPECT_EQ(platform.colors[platform::syscolor::Window], 0xFFFFFFu);
    EXPECT_FALSE(platform.hasValue(kColorsKey, "Window"));
}

TEST_F(FcolorTest, AllPartsAtTheEndsAreStoredAsWhiteAndBlack) {
    select(3);
    setBars(255, 255, 255);
    select(0);
    setBars(0, 0, 0);
    QTest::mouseClick(form->cmdChange, Qt::LeftButton);
    EXPECT_EQ(stored("Window"), "0 0 0");
    EXPECT_EQ(stored("ButtonText"), "255 255 255");
    EXPECT_EQ(platform.colors[platform::syscolor::BtnText], 0xFFFFFFu);
}

TEST_F(FcolorTest, ArrowAtTheEndChangesAndRepaintsNothing) {
    select(1); // all parts 0
    PaintCounter counter;
    form->picSample->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;

    QTest::mouseClick(form->hsRed, Qt::LeftButton, Qt::NoModifier,
                      partOf(form->hsRed, QStyle::SC_ScrollBarSubLine).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(form->hsRed->value(), 0);
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(form->currentColors()[1].Color, 0u);

    // The other arrow does move it, by one, and repaints the swatch.
    QTest::mouseClick(form->hsRed, Qt::LeftButton, Qt::NoModifier,
                      partOf(form->hsRed, QStyle::SC_ScrollBarAddLine).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(form->hsRed->value(), 1);
    EXPECT_GT(counter.paints, 0);
    form->picSample->removeEventFilter(&counter);
}

TEST_F(FcolorTest, TrackClickMovesTheRedBarByTenAndTheOthersByOne) {
    select(1);
    const auto clickTrackRightOfThumb = [](QScrollBar* bar) {
        const QRect thumb = partOf(bar, QStyle::SC_ScrollBarSlider);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(thumb.right() + 20, thumb.center().y()));
    };
    clickTrackRightOfThumb(form->hsRed);
    clickTrackRightOfThumb(form->hsGreen);
    EXPECT_EQ(form->hsRed->value(), 10);
    EXPECT_EQ(form->hsGreen->value(), 1);
    EXPECT_EQ(background(form->picSample), QColor(10, 1, 0));
}

TEST(FcolorOnTheEmulatedSystem, AppliedColoursAreInTheRegistryAndTheNextRunStartsWithThem) {
    QTemporaryDir folder;
    const std::filesystem::path root = folder.filePath(QStringLiteral("root")).toStdString();
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(Qt::red);
    ASSERT_TRUE(tile.save(folder.filePath(QStringLiteral("t.bmp")), "BMP"));
    QWidget owner;
    {
        platform::EmulatedPlatform system(root, lumivane::standardTemplateBytes());
        SetToolbarBackBitmap(
            system, system.windowsPath(folder.filePath(QStringLiteral("t.bmp")).toStdString()));
        Fcolor form(system, &owner);
        EXPECT_TRUE(form.PToolBarBackImage->hasPicture());
        form.hsRed->setValue(12);
        form.hsGreen->setValue(34);
        form.hsBlue->setValue(56);
        form.cmbTarget->setCurrentIndex(3);
        form.hsGreen->setValue(200);
        QTest::mouseClick(form.cmdChange, Qt::LeftButton);
        EXPECT_EQ(system.sysColor(platform::syscolor::Window), 0x38220Cu);
    }
    platform::EmulatedPlatform nextRun(root, lumivane::standardTemplateBytes());
    EXPECT_EQ(nextRun.regGetString(platform::RootKey::CurrentUser, kColorsKey, "Window"),
              "12 34 56");
    EXPECT_EQ(nextRun.sysColor(platform::syscolor::Window), 0x38220Cu);
    EXPECT_EQ(nextRun.sysColor(platform::syscolor::BtnText), 0x00C800u);
    Fcolor reopened(nextRun, &owner);
    EXPECT_EQ(reopened.hsRed->value(), 12);
    EXPECT_EQ(reopened.hsBlue->value(), 56);
}

} // namespace
} // namespace lumivane
