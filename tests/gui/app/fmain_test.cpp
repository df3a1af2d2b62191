#include "app/qt/fmain.h"
#include "app/qt/ui_look.h"
#include "fake_platform.h"
#include "qstring_print.h"
#include "support/fake_browser.h"
#include "windows/qt/help_line.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace lumivane::app {
namespace {

class FmainTest : public ::testing::Test {
protected:
    test::FakePlatform platform;
    test::FakeBrowserFactory browsers;
    Fmain window{platform, browsers.factory()};

    void showWindow() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    /// Moves the pointer to a point of a widget, in the widget's own coordinates.
    static void pointAt(QWidget* widget, QPoint local = {2, 2}) {
        QTest::mouseMove(widget, local);
        QCoreApplication::processEvents();
    }
    QString message() const { return window.lblMessage->text(); }
};

TEST_F(FmainTest, StartsCollapsedWithTheDesignDefaults) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumivane"));
    EXPECT_FALSE(window.windowIcon().isNull());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.minimumSize(), window.maximumSize()); // fixed border

    EXPECT_EQ(window.outerHeight(), 3255);
    EXPECT_EQ(window.width(), 481);
    EXPECT_TRUE(window.Frame3->isHidden());
    EXPECT_EQ(message(), QStringLiteral("イメージファイルをドロップしてください。"));
    EXPECT_FALSE(window.cmdMake->isEnabled());
    EXPECT_TRUE(window.lstImagePath->isHidden());
    EXPECT_TRUE(window.thumnail().at(0)->isHidden());

    for (QComboBox* box : {window.cmbFolderNameSize, window.cmbInfoSize, window.cmbLinkSize}) {
        ASSERT_EQ(box->count(), 31);
        EXPECT_EQ(box->itemText(0), QStringLiteral("4pt"));
        EXPECT_EQ(box->itemText(30), QStringLiteral("64pt"));
        EXPECT_FALSE(box->isEditable());
    }
    EXPECT_EQ(window.cmbFolderNameSize->currentText(), QStringLiteral("16pt"));
    EXPECT_EQ(window.cmbInfoSize->currentText(), QStringLiteral("10pt"));
    EXPECT_EQ(window.cmbLinkSize->currentText(), QStringLiteral("10pt"));

    // Every option reads back as the design defaults.
    EXPECT_EQ(window.options(), TemplateOptions{});

    for (int j = 0; j < 2; ++j) {
        EXPECT_FALSE(window.txtLink[j]->isEnabled());
        EXPECT_FALSE(window.txtLinkTitle[j]->isEnabled());
        EXPECT_EQ(window.txtLink[j]->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        EXPECT_EQ(window.txtLinkTitle[j]->palette().color(QPalette::Base),
                  QColor(0xC0, 0xC0, 0xC0));
    }
}

TEST_F(FmainTest, DetailButtonFlipsBetweenTheTwoHeights) {
    QTest::mouseClick(window.cmdDetail, Qt::LeftButton);
    EXPECT_EQ(window.outerHeight(), 7050);
    EXPECT_FALSE(window.Frame3->isHidden());
    QTest::mouseClick(window.cmdDetail, Qt::LeftButton);
    EXPECT_EQ(window.outerHeight(), 3255);
    EXPECT_TRUE(window.Frame3->isHidden());
}

TEST_F(FmainTest, DetailButtonDecidesOnTheMeasuredHeight) {
    // A pixel is 15 twips: 5010 is the first measurable height at or above 5000.
    window.Frame3->show();
    window.setOuterHeight(5010);
    ASSERT_EQ(window.outerHeight(), 5010);
    window.rules().cmdDetail_Click();
    EXPECT_EQ(window.outerHeight(), 3255);
    EXPECT_TRUE(window.Frame3->isHidden());

    window.setOuterHeight(4995);
    window.rules().cmdDetail_Click();
    EXPECT_EQ(window.outerHeight(), 7050);
    EXPECT_FALSE(window.Frame3->isHidden());
}

TEST_F(FmainTest, OptionsChangedWhileExpandedSurviveCollapsing) {
    window.rules().cmdDetail_Click();
    window.chkShowIcon->setChecked(false);
    window.chkFolderNameItalic->setCheckState(Qt::PartiallyChecked);
    window.cmbFolderNameSize->setCurrentIndex(10);
    window.lblColor[2]->setText(QStringLiteral("lightyellow"));
    window.chkSetLink[1]->setChecked(true);
    window.txtLinkTitle[1]->setText(QStringLiteral("リンク \"<2>\""));
    window.txtLink[1]->setText(QStringLiteral("http://example.com/"));
    window.rules().cmdDetail_Click();
    ASSERT_TRUE(window.Frame3->isHidden());

    TemplateOptions expected;
    expected.chkShowIcon = 0;
    expected.chkFolderNameItalic = 2;
    expected.cmbFolderNameSize = "24pt";
    expected.lblColor[2] = "lightyellow";
    expected.chkSetLink[1] = 1;
    expected.txtLinkTitle[1] = "リンク \"<2>\"";
    expected.txtLink[1] = "http://example.com/";
    EXPECT_EQ(window.options(), expected);
}

TEST_F(FmainTest, AFrameSpeaksOnlyOverItsOwnBackground) {
    window.rules().cmdDetail_Click();
    showWindow();
    // Frame4's own background, left of the size box's row.
    pointAt(window.Frame4, {100, 75});
    EXPECT_EQ(message(), QStringLiteral("左のフレームにリンクを設定"));
    // Frame3's background, right of its check boxes.
    pointAt(window.Frame3, {415, 60});
    EXPECT_EQ(message(), QStringLiteral("最後に「変更」を押すと設定が反映されます。"
                                        "復元を押すとウインドウズの初期設定に復元されます。"));
    // A label inside Frame4 is not Frame4's background.
    pointAt(window.Label3);
    EXPECT_NE(message(), QStringLiteral("左のフレームにリンクを設定"));
    // Frame1 holds nothing: all of it is its own background.
    pointAt(window.Frame1, {30, 40});
    EXPECT_EQ(message(), QStringLiteral("ここにファイルをドロップしてください。"));
}

TEST(FmainLook, EveryCaptionFitsItsBoxInTheUiFont) {
    const QFont previousFont = QApplication::font();
    const QString previousStyle = QApplication::style()->name();
    QApplication::setStyle(makeUiStyle());
    QApplication::setFont(uiFont());
    {
        test::FakePlatform platform;
        test::FakeBrowserFactory browsers;
        Fmain window(platform, browsers.factory());
        for (QCheckBox* box : window.findChildren<QCheckBox*>())
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->objectName().toStdString();
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << label->objectName().toStdString();
        }
        for (QPushButton* button : window.findChildren<QPushButton*>())
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width())
                << button->objectName().toStdString();
    }
    QApplication::setFont(previousFont);
    QApplication::setStyle(previousStyle);
}

} // namespace
} // namespace lumivane::app
