// The help line fits every text into its fixed box, or cuts it short and offers it whole.
#include "app/qt/ui_look.h"
#include "windows/help_line_check.h"
#include "windows/qt/help_line.h"
#include "windows/twips.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace lumivane::windows {
namespace {

const QString kNoWeb =
    QStringLiteral("WEBファイルが存在しません。Windowsのバージョンを確認してください。\r\n"
                   "Lumivaneは、IE4以上がデスクトップに統合されていないと正しく動作しません。");

/// The main window's help line: its place and size, the program's font.
class HelpLineTest : public ::testing::Test {
protected:
    HelpLineTest() {
        window.setFont(app::uiFont());
        placeTwips(&line, {1380, 2400, 4575, 435});
        window.resize(481, 200);
    }
    QWidget window;
    HelpLine line{&window};
};

TEST_F(HelpLineTest, ShortTextStaysAtTheWindowsFontOnOneLineWithoutTooltip) {
    line.setText(QStringLiteral("復元完了!!"));
    EXPECT_EQ(line.text(), QStringLiteral("復元完了!!"));
    EXPECT_EQ(line.fit().pixelSize, 10);
    EXPECT_EQ(line.fit().stretch, 100);
    EXPECT_EQ(line.fit().lines, QStringList{QStringLiteral("復元完了!!")});
    EXPECT_EQ(line.fit().pitch, QFontMetrics(line.fitFont()).lineSpacing());
    EXPECT_TRUE(line.toolTip().isEmpty());
    EXPECT_TRUE(testing::drawnWhole(line));
}

TEST_F(HelpLineTest, ATextsOwnBreaksAreKeptWhateverTheirForm) {
    for (const QString& text :
         {QStringLiteral("一行目\r\n二行目"), QStringLiteral("一行目\n二行目"),
          QStringLiteral("一行目\r二行目")}) {
        line.setText(text);
        EXPECT_EQ(line.fit().lines,
                  (QStringList{QStringLiteral("一行目"), QStringLiteral("二行目")}));
        EXPECT_TRUE(testing::drawnWhole(line));
    }
}

TEST_F(HelpLineTest, JapaneseBreaksBetweenAnyTwoCharactersAndLatinWordsStayWhole) {
    line.setText(QStringLiteral("最後に「変更」を押すと設定が反映されます。"
                                "復元を押すとウインドウズの初期設定に復元されます。"));
    ASSERT_EQ(line.fit().lines.size(), 2);
    EXPECT_EQ(line.fit().pixelSize, 10);
    EXPECT_TRUE(testing::drawnWhole(line));

    line.setText(QStringLiteral(
        "Lumivaneは、IE4以上がデスクトップに統合されていないと正しく動作しません。"));
    EXPECT_TRUE(testing::drawnWhole(line));
    EXPECT_TRUE(line.fit().lines.front().startsWith(QStringLiteral("Lumivaneは")));
}

TEST_F(HelpLineTest, WebFolderMessageShowsBothSentencesWholeOnTheirOwnLines) {
    line.setText(kNoWeb);
    EXPECT_TRUE(testing::drawnWhole(line));
    EXPECT_EQ(
        line.fit().lines,
        (QStringList{
            QStringLiteral("WEBファイルが存在しません。Windowsのバージョンを確認してください。"),
            QStringLiteral("Lumivaneは、IE4以上がデスクトップに統合されていないと"
                           "正しく動作しません。")}));
    EXPECT_GE(line.fit().pixelSize, HelpLine::kMinPixelSize);
    EXPECT_TRUE(line.toolTip().isEmpty());

    // Both lines are drawn: ink in two bands, apart, inside the border.
    const QImage shot = line.grab().toImage();
    const QRect room = line.contentsRect();
    std::vector<bool> inked;
    for (int y = room.top(); y <= room.bottom(); ++y) {
        bool any = false;
        for (int x = room.left(); x <= room.right() && !any; ++x)
            any = qGray(shot.pixel(x, y)) < 128;
        inked.push_back(any);
    }
    int bands = 0;
    for (std::size_t y = 0; y < inked.size(); ++y)
        bands += inked[y] && (y == 0 || !inked[y - 1]);
    EXPECT_EQ(bands, 2);
}

TEST_F(HelpLineTest, LinesStandCloserBeforeTheFontShrinks) {
    // Three lines fit the colour changer's box only closer than the font's own spacing.
    HelpLine box(&window);
    placeTwips(&box, {0, 3840, 3735, 615});
    box.setText(
        QStringLiteral("ウインドウの背景の色を設定できます。チェックボックスやラジオボタンなどの"
                       "色も同時に変化してしまうので気をつけてください。"));
    EXPECT_TRUE(testing::drawnWhole(box));
    EXPECT_EQ(box.fit().lines.size(), 3);
    EXPECT_EQ(box.fit().pixelSize, 10);
    EXPECT_LT(box.fit().pitch, QFontMetrics(box.fitFont()).lineSpacing());
}

TEST_F(HelpLineTest, TooLongATextIsCutWithAnEllipsisAndWholeInTheTooltip) {
    const QString tooLong = QStringLiteral("とても長い説明").repeated(20);
    line.setText(tooLong);
    const HelpLine::Fit& fit = line.fit();
    EXPECT_TRUE(fit.elided);
    EXPECT_EQ(fit.pixelSize, HelpLine::kMinPixelSize);
    EXPECT_EQ(fit.stretch, HelpLine::kMinStretch);
    ASSERT_FALSE(fit.lines.isEmpty());
    EXPECT_TRUE(fit.lines.back().endsWith(QChar(0x2026)));
    QString shown = fit.lines.join(QString());
    shown.chop(1);
    EXPECT_TRUE(tooLong.startsWith(shown)) << "what shows is the text's beginning";
    EXPECT_EQ(line.toolTip(), tooLong);
    const QFontMetrics metrics(line.fitFont());
    for (const QString& text : fit.lines)
        EXPECT_LE(1 + metrics.horizontalAdvance(text), line.contentsRect().width());

    // The next text that fits takes the tooltip away again.
    line.setText(QStringLiteral("復元完了!!"));
    EXPECT_FALSE(line.fit().elided);
    EXPECT_TRUE(line.toolTip().isEmpty());
}

TEST_F(HelpLineTest, AFullerFormGoesToTheTooltipEvenWhenTheTextFits) {
    line.setText(
        QStringLiteral("テンプレート「folder.htt」を書き込めませんでした。\r\n"
                       "アクセスが拒否されました。"),
        QStringLiteral("テンプレート「C:\\WINDOWS\\Web\\folder.htt」を書き込めませんでした。\r\n"
                       "アクセスが拒否されました。"));
    EXPECT_TRUE(testing::drawnWhole(line));
    EXPECT_EQ(line.toolTip(),
              QStringLiteral("テンプレート「C:\\WINDOWS\\Web\\folder.htt」を書き込めません"
                             "でした。\r\nアクセスが拒否されました。"));
}

TEST_F(HelpLineTest, ANewFontFitsTheTextAnew) {
    line.setText(kNoWeb);
    const int fitted = line.fit().pixelSize;
    QFont big = line.font();
    big.setPixelSize(16);
    line.setFont(big);
    EXPECT_TRUE(testing::drawnWhole(line));
    QFont small = big;
    small.setPixelSize(8);
    line.setFont(small);
    EXPECT_EQ(line.fit().pixelSize, 8) << "a font below the smallest size is not enlarged";
    EXPECT_TRUE(testing::drawnWhole(line) || line.fit().pixelSize < fitted);
}

} // namespace
} // namespace lumivane::windows
