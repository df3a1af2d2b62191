#include "app/fmain_rules.h"
#include "app/qt/fmain.h"
#include "app/qt/rgb_browser.h"
#include "fake_platform.h"
#include "qstring_print.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace lumivane::app {
namespace {

// The build puts the colour page beside the test program, as beside the real one.
QString colourPage() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/rgb.htm");
}

/// A point inside the first occurrence of a word on the page, in viewport coordinates.
QPoint pointOnWord(QTextBrowser* page, const QString& word) {
    QTextCursor found = page->document()->find(
        word, 0, QTextDocument::FindWholeWords | QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return {-1, -1};
    QTextCursor inside(page->document());
    inside.setPosition(found.selectionStart() + 1);
    page->setTextCursor(inside);
    page->ensureCursorVisible();
    return page->cursorRect(inside).center() + QPoint(2, 0);
}

/// A point inside the swatch of a colour (the first link to it), in viewport coordinates.
QPoint pointOnSwatch(QTextBrowser* page, const QString& name) {
    const QString href = QLatin1Char('#') + name;
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != href)
                continue;
            QTextCursor inside(page->document());
            inside.setPosition(it.fragment().position() + it.fragment().length() / 2);
            page->setTextCursor(inside);
            page->ensureCursorVisible();
            return page->cursorRect(inside).center();
        }
    }
    return {-1, -1};
}

QString statusText(RgbBrowser& browser) {
    return browser.window()->statusBar()->currentMessage();
}

/// What a browser reports: its status texts and how often it quit.
struct Reports {
    std::vector<std::string> statuses;
    int quits = 0;
    Browser::Events events() {
        return {[this](const std::string& text) { statuses.push_back(text); }, [this] { ++quits; }};
    }
};

std::string pagePath() {
    return colourPage().toStdString();
}

TEST(RgbBrowser, ShowsThePageAndTakesNothingBeforeAColourIsClicked) {
    Reports reports;
    RgbBrowser browser(reports.events());
    ASSERT_TRUE(browser.Navigate(pagePath()));
    browser.setVisible(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(browser.window()));
    EXPECT_FALSE(browser.page()->document()->isEmpty());

    // Pointing at a colour's name puts nothing that could be taken into the status bar.
    const QPoint onName = pointOnWord(browser.page(), QStringLiteral("lightblue"));
    ASSERT_GE(onName.x(), 0);
    QTest::mouseMove(browser.page()->viewport(), onName);
    QCoreApplication::processEvents();
    for (const std::string& status : reports.statuses)
        EXPECT_FALSE(isColourStatusText(status)) << status;
    EXPECT_FALSE(isColourStatusText(statusText(browser).toStdString()));

    QTest::mouseClick(browser.page()->viewport(), Qt::LeftButton, {}, onName);
    EXPECT_EQ(statusText(browser), QStringLiteral("lightblue"));
    ASSERT_FALSE(reports.statuses.empty());
    EXPECT_EQ(reports.statuses.back(), "lightblue");

    const QPoint onSwatch = pointOnSwatch(browser.page(), QStringLiteral("tomato"));
    ASSERT_GE(onSwatch.x(), 0);
    QTest::mouseClick(browser.page()->viewport(), Qt::LeftButton, {}, onSwatch);
    EXPECT_EQ(statusText(browser), QStringLiteral("tomato"));
}

TEST(RgbBrowser, EveryColourOnThePageIsANameTheStatusTestTakes) {
    RgbBrowser browser({});
    ASSERT_TRUE(browser.Navigate(pagePath()));
    int links = 0;
    for (QTextBlock block = browser.page()->document()->begin(); block.isValid();
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (href.isEmpty())
                continue;
            ++links;
            ASSERT_TRUE(href.startsWith(QLatin1Char('#'))) << href.toStdString();
            EXPECT_TRUE(isColourStatusText(href.mid(1).toStdString())) << href.toStdString();
        }
    }
    // A swatch and a name for each of the 140 colours.
    EXPECT_EQ(links, 280);
}

TEST(RgbBrowser, QuitOrClosingByHandRaisesOnQuitOnce) {
    for (const bool byHand : {false, true}) {
        Reports reports;
        RgbBrowser browser(reports.events());
        ASSERT_TRUE(browser.Navigate(pagePath()));
        browser.setVisible(true);
        if (byHand)
            browser.window()->close();
        else
            browser.Quit();
        EXPECT_EQ(reports.quits, 1);
        EXPECT_FALSE(browser.window()->isVisible());
    }
}

TEST(RgbBrowser, AMissingPageIsRefused) {
    RgbBrowser browser({});
    EXPECT_FALSE(browser.Navigate(
        (QCoreApplication::applicationDirPath() + QStringLiteral("/no-such-page.htm"))
            .toStdString()));
}

TEST(RgbBrowser, ClickingAColourOnThePageFillsTheMainWindowsLabel) {
    test::FakePlatform platform;
    platform.folder = "Z:\\lumivane";
    platform.hostPaths["Z:\\lumivane\\rgb.htm"] = colourPage().toStdString();
    Fmain window(platform, rgbBrowserFactory());
    window.rules().cmdDetail_Click();
    window.show();

    QTest::mouseClick(window.cmdSetLink[1], Qt::LeftButton);
    ASSERT_TRUE(window.rules().ieOpen());
    auto* browser = dynamic_cast<RgbBrowser*>(window.rules().ie());
    ASSERT_NE(browser, nullptr);
    const QPointer<QMainWindow> browserWindow = browser->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(browserWindow));
    EXPECT_TRUE(browserWindow->menuBar()->isHidden());

    const QPoint onName = pointOnWord(browser->page(), QStringLiteral("darkorange"));
    ASSERT_GE(onName.x(), 0);
    QTest::mouseClick(browser->page()->viewport(), Qt::LeftButton, {}, onName);
    EXPECT_EQ(window.lblColor[1]->text(), QStringLiteral("darkorange"));
    EXPECT_FALSE(window.rules().ieOpen());
    EXPECT_EQ(window.rules().ie(), nullptr);
    // Its window goes once control is back in the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(browserWindow.isNull());
}

} // namespace
} // namespace lumivane::app
