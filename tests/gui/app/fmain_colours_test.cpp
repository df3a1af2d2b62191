#include "app/qt/fmain.h"
#include "fake_platform.h"
#include "qstring_print.h"
#include "support/fake_browser.h"
#include "windows/qt/help_line.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace lumivane::app {
namespace {

class FmainColoursTest : public ::testing::Test {
protected:
    test::FakePlatform platform;
    test::FakeBrowserFactory browsers;
    std::unique_ptr<Fmain> window;

    void SetUp() override {
        platform.colours[platform::syscolor::Window] =
            0x00F0E0D0; // COLORREF: red d0, green e0, blue f0
        platform.colours[platform::syscolor::BtnFace] = 0x00808080;
        window = std::make_unique<Fmain>(platform, browsers.factory());
        window->rules().cmdDetail_Click();
    }

    static QColor background(const QLineEdit* box) { return box->palette().color(QPalette::Base); }
    QStringList colourCaptions() const {
        QStringList captions;
        for (const QLabel* label : window->lblColor)
            captions << label->text();
        return captions;
    }
    void press(int slot) { QTest::mouseClick(window->cmdSetLink[slot], Qt::LeftButton); }
};

const QColor kWindowColour(0xD0, 0xE0, 0xF0);
const QColor kButtonFace(0x80, 0x80, 0x80);

TEST_F(FmainColoursTest, PresetSetsEveryOptionAndEnablesBothLinkRows) {
    window->setMessage(QStringLiteral("before"));
    QTest::mouseClick(window->cmdTovraMode, Qt::LeftButton);

    EXPECT_EQ(window->options(), TemplateOptions::preset());
    EXPECT_EQ(window->cmbFolderNameSize->currentText(), QStringLiteral("20pt"));
    EXPECT_EQ(window->cmbInfoSize->currentText(), QStringLiteral("10pt"));
    EXPECT_EQ(window->cmbLinkSize->currentText(), QStringLiteral("12pt"));
    EXPECT_EQ(colourCaptions(),
              (QStringList{QStringLiteral("blue"), QStringLiteral("darkblue"),
                           QStringLiteral("lightblue"), QStringLiteral("white")}));
    EXPECT_EQ(window->txtLink[1]->text(), QStringLiteral("file://c:\\My Documents"));
    for (int j = 0; j < 2; ++j) {
        EXPECT_TRUE(window->txtLink[j]->isEnabled());
        EXPECT_TRUE(window->txtLinkTitle[j]->isEnabled());
        EXPECT_EQ(background(window->txtLink[j]), kWindowColour);
        EXPECT_EQ(background(window->txtLinkTitle[j]), kWindowColour);
    }
    // The preset applies nothing and says nothing.
    EXPECT_EQ(window->lblMessage->text(), QStringLiteral("before"));
    EXPECT_FALSE(window->cmdMake->isEnabled());
    EXPECT_TRUE(browsers.created.empty());
}

TEST_F(FmainColoursTest, LinkRowSwitchesItsBoxesAndKeepsTheirText) {
    QTest::mouseClick(window->cmdTovraMode, Qt::LeftButton);
    window->chkSetLink[0]->setChecked(false);
    EXPECT_FALSE(window->txtLink[0]->isEnabled());
    EXPECT_FALSE(window->txtLinkTitle[0]->isEnabled());
    EXPECT_EQ(background(window->txtLink[0]), kButtonFace);
    EXPECT_EQ(background(window->txtLinkTitle[0]), kButtonFace);
    EXPECT_EQ(window->txtLink[0]->text(), QStringLiteral("file://c:\\temp"));
    EXPECT_EQ(window->txtLinkTitle[0]->text(), QStringLiteral("Temp Directory"));
    // Row 1 is untouched.
    EXPECT_TRUE(window->txtLink[1]->isEnabled());

    window->chkSetLink[0]->setChecked(true);
    EXPECT_TRUE(window->txtLink[0]->isEnabled());
    EXPECT_EQ(background(window->txtLinkTitle[0]), kWindowColour);
    EXPECT_EQ(window->txtLinkTitle[0]->text(), QStringLiteral("Temp Directory"));
}

TEST_F(FmainColoursTest, LinkBoxesFollowAChangeOfTheSystemColours) {
    window->chkSetLink[0]->setChecked(true);
    platform.colours[platform::syscolor::Window] = 0x00000080;
    platform.colours[platform::syscolor::BtnFace] = 0x00008000;
    // The program shows a changed system colour by changing the application's palette.
    const QPalette previous = QApplication::palette();
    QPalette changed = previous;
    changed.setColor(QPalette::Base, QColor(0x80, 0, 0));
    QApplication::setPalette(changed);
    QCoreApplication::processEvents();
    EXPECT_EQ(background(window->txtLink[0]), QColor(0x80, 0, 0));
    EXPECT_EQ(background(window->txtLinkTitle[1]), QColor(0, 0x80, 0));
    QApplication::setPalette(previous);
}

TEST_F(FmainColoursTest, AGreyedLinkBoxCountsAsOn) {
    window->chkSetLink[1]->setCheckState(Qt::PartiallyChecked);
    EXPECT_TRUE(window->txtLink[1]->isEnabled());
    EXPECT_EQ(background(window->txtLink[1]), kWindowColour);
    EXPECT_EQ(window->options().chkSetLink[1], 2);
}

TEST_F(FmainColoursTest, ChoosingAColourFillsTheSlotPressedAndClosesTheBrowser) {
    press(2);
    test::FakeBrowser* browser = browsers.last();
    const auto record = browsers.lastRecord();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(window->rules().ieOpen());
    EXPECT_EQ(window->rules().colorIndex(), 2);
    EXPECT_EQ(record->navigated,
              std::vector<std::string>{"/host/C:\\Program Files\\Lumivane\\rgb.htm"});
    EXPECT_TRUE(record->visible);
    EXPECT_FALSE(record->menuBar);
    EXPECT_EQ(record->toolBar, 0);
    EXPECT_FALSE(record->offline);

    browser->showStatus("読み込み中...");
    browser->showStatus("Done.");
    EXPECT_EQ(window->lblColor[2]->text(), QStringLiteral("white"));
    EXPECT_EQ(record->quitCalls, 0);

    browser->showStatus("light sea green");
    EXPECT_EQ(window->lblColor[2]->text(), QStringLiteral("light sea green"));
    EXPECT_EQ(record->quitCalls, 1);
    EXPECT_FALSE(window->rules().ieOpen());
    EXPECT_EQ(window->rules().ie(), nullptr);
    // The browser went with its OnQuit.
    EXPECT_EQ(browsers.last(), nullptr);
}

TEST_F(FmainColoursTest, OneBrowserAtATimeAndTheFirstSlotWins) {
    press(1);
    press(3);
    ASSERT_EQ(browsers.created.size(), 1u);
    EXPECT_EQ(window->rules().colorIndex(), 1);
    browsers.last()->showStatus("orange");
    EXPECT_EQ(colourCaptions(), (QStringList{QStringLiteral("Black"), QStringLiteral("orange"),
                                             QStringLiteral("white"), QStringLiteral("blue")}));
}

TEST_F(FmainColoursTest, LabelChangesAtOnceButIdleWaitsForTheBrowserToQuit) {
    press(0);
    test::FakeBrowser* browser = browsers.last();
    browsers.lastRecord()->quitRaisesOnQuit = false;
    browser->showStatus("red");
    EXPECT_EQ(window->lblColor[0]->text(), QStringLiteral("red"));
    EXPECT_TRUE(window->rules().ieOpen());
    // Each matching text asks again.
    browser->showStatus("green");
    EXPECT_EQ(window->lblColor[0]->text(), QStringLiteral("green"));
    EXPECT_EQ(browsers.lastRecord()->quitCalls, 2);
    press(3);
    EXPECT_EQ(browsers.created.size(), 1u);

    browser->closeByHand();
    EXPECT_FALSE(window->rules().ieOpen());
}

TEST_F(FmainColoursTest, ClosingTheBrowserByHandChangesNothingAndTheNextPressOpensANewOne) {
    press(3);
    browsers.last()->closeByHand();
    EXPECT_FALSE(window->rules().ieOpen());
    EXPECT_EQ(window->rules().ie(), nullptr);
    EXPECT_EQ(browsers.last(), nullptr) << "the browser that quit is deleted";
    EXPECT_EQ(window->lblColor[3]->text(), QStringLiteral("blue"));

    press(0);
    ASSERT_EQ(browsers.created.size(), 2u);
    EXPECT_TRUE(window->rules().ieOpen());
    EXPECT_EQ(window->rules().colorIndex(), 0);
    test::FakeBrowser* second = browsers.last();
    ASSERT_NE(second, nullptr);
    second->showStatus("navy");
    EXPECT_EQ(window->lblColor[0]->text(), QStringLiteral("navy"));
    EXPECT_EQ(window->lblColor[3]->text(), QStringLiteral("blue"));
}

TEST_F(FmainColoursTest, ThePagePathFollowsAFolderThatEndsInASeparator) {
    platform.folder = "D:\\";
    press(0);
    ASSERT_NE(browsers.last(), nullptr);
    EXPECT_EQ(browsers.lastRecord()->navigated, std::vector<std::string>{"/host/D:\\\\rgb.htm"});
}

TEST_F(FmainColoursTest, AMissingPageOrBrowserIsReportedAndTheNextPressTriesAgain) {
    browsers.pageFound = false;
    press(1);
    EXPECT_FALSE(window->rules().ieOpen());
    EXPECT_EQ(window->rules().ie(), nullptr);
    EXPECT_TRUE(window->lblMessage->text().contains(
        QStringLiteral("C:\\Program Files\\Lumivane\\rgb.htm")));

    browsers.pageFound = true;
    browsers.fails = true;
    window->setMessage(QString());
    press(1);
    EXPECT_FALSE(window->rules().ieOpen());
    EXPECT_FALSE(window->lblMessage->text().isEmpty());

    browsers.fails = false;
    press(1);
    EXPECT_TRUE(window->rules().ieOpen());
    EXPECT_EQ(browsers.created.size(), 2u);
}

TEST_F(FmainColoursTest, ClosingTheMainWindowAsksAnOpenBrowserToQuit) {
    press(2);
    ASSERT_NE(browsers.last(), nullptr);
    window->close();
    EXPECT_EQ(browsers.lastRecord()->quitCalls, 1);
    EXPECT_FALSE(window->rules().ieOpen());
}

TEST_F(FmainColoursTest, ClosingTheMainWindowWhileIdleAsksNothing) {
    press(2);
    browsers.last()->closeByHand();
    window->close();
    EXPECT_EQ(browsers.lastRecord()->quitCalls, 0);
}

} // namespace
} // namespace lumivane::app
