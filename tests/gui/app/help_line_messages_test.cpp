// Every text the program puts on the main window's help line, produced the way a user meets it
// and looked at in the program's own font: drawn whole, or cut with the whole text in the
// tooltip.
#include "app/qt/fmain.h"
#include "app/qt/ui_look.h"
#include "platform/emulated/error_text.h"
#include "qstring_print.h"
#include "stock/strip_fixture.h"
#include "support/emulated_root.h"
#include "support/fake_browser.h"
#include "support/faulty_platform.h"
#include "template/template_text.h"
#include "windows/help_line_check.h"
#include "windows/qt/help_line.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>

namespace lumivane::app {
namespace {

namespace fs = std::filesystem;
using testing::EmulatedRoot;
using testing::FaultyPlatform;
using testing::StripFixture;

/// Every reason the platform gives for a failed file operation.
std::vector<std::string> everyReason() {
    std::vector<std::string> reasons{"このパスはこのシステムにありません",
                                     "コピー元がファイルではありません"};
    for (const int error : {EACCES, EROFS, ENOENT, ENOTDIR, EISDIR, EEXIST, ENOSPC, EBUSY,
                            ENAMETOOLONG, EIO, EXDEV, ELOOP})
        reasons.push_back(platform::emulated::reasonText({error, std::generic_category()}));
    return reasons;
}

class EveryMessage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        previousFont = QApplication::font();
        previousStyle = QApplication::style()->name();
        QApplication::setStyle(makeUiStyle());
        QApplication::setFont(uiFont());
    }
    static void TearDownTestSuite() {
        QApplication::setFont(previousFont);
        QApplication::setStyle(previousStyle);
    }

    EveryMessage() {
        window.rules().cmdDetail_Click();
        window.show();
    }

    /// Checks the help line as it stands: drawn whole, or cut with `whole` (else its text) in
    /// the tooltip. Where `whole` is given, the tooltip holds it in either case.
    void expectReadable(const QString& whole = {}) {
        const windows::HelpLine& line = *window.lblMessage;
        SCOPED_TRACE(line.text().toStdString());
        if (line.fit().elided) {
            EXPECT_EQ(line.toolTip(), whole.isEmpty() ? line.text() : whole);
            cut << line.text();
        } else {
            EXPECT_TRUE(testing::drawnWhole(line));
            if (!whole.isEmpty()) {
                EXPECT_EQ(line.toolTip(), whole);
            }
        }
        seen << line.text();
    }

    /// Pictures of the user's, outside the emulated drive; returns their host paths.
    QStringList pictures(int count, const QString& stem) {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 11 % 360, 200, 200));
            paths << QString::fromStdString(sys.outside().string()) +
                         QStringLiteral("/%1%2.jpg").arg(stem).arg(i);
            image.save(paths.last(), "JPG");
        }
        return paths;
    }
    void drop(const QStringList& hostPaths) {
        ASSERT_TRUE(StripFixture::drop(window.Frame1, StripFixture::filesData(hostPaths).get()));
    }
    void point(QWidget* w, QPoint at) {
        QTest::mouseMove(w, at);
        QCoreApplication::processEvents();
    }

    inline static QFont previousFont;
    inline static QString previousStyle;

    EmulatedRoot sys;
    platform::EmulatedPlatform emulated{sys.root(), standardTemplateBytes()};
    FaultyPlatform platform{emulated};
    test::FakeBrowserFactory browsers;
    Fmain window{platform, browsers.factory()};
    QSet<QString> seen;
    QStringList cut;
};

TEST_F(EveryMessage, EveryHelpTextIsDrawnWhole) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectReadable();                 // the text the window opens with
    window.cmdMake->setEnabled(true); // as a dropped picture leaves it
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        // A point of the control's own background, not covered by another control.
        for (int y = 1; y < w->height(); y += 3) {
            bool pointed = false;
            for (int x = 1; x < w->width() && !pointed; x += 3) {
                const QPoint at(x, y);
                if (w->childAt(at) || window.childAt(w->mapTo(&window, at)) != w)
                    continue;
                window.setMessage(QString());
                point(w, at);
                if (!window.lblMessage->text().isEmpty())
                    expectReadable();
                pointed = true;
            }
            if (pointed)
                break;
        }
    }
    // The window's own background; then the main window's twenty-five texts, of which the
    // window and Frame2 share one, and the colour slots' eight.
    point(&window, {400, 112});
    expectReadable();
    EXPECT_EQ(seen.size(), 24 + 8);
    EXPECT_TRUE(cut.isEmpty()) << cut.join(u'|').toStdString();
}

TEST_F(EveryMessage, PictureStockMessagesAreDrawnWhole) {
    drop(pictures(30, QStringLiteral("p")));
    ASSERT_EQ(window.imageCount(), 30);
    drop(pictures(1, QStringLiteral("more")));
    EXPECT_EQ(window.lblMessage->text(), QStringLiteral("一覧表示できるのは30枚までです。"));
    expectReadable();

    const QString text = QString::fromStdString((sys.outside() / "notes.txt").string());
    EmulatedRoot::write(text.toStdString(), "words");
    drop({text});
    EXPECT_EQ(window.lblMessage->text(), QStringLiteral("ファイル形式が不正です"));
    expectReadable();

    // A damaged picture under a long name, as cameras and phones name them.
    const fs::path damaged = sys.outside() / "IMG_20240615_123456789_HDR_edited_copy.jpg";
    EmulatedRoot::write(damaged, "\xFF\xD8\xFF\xE0 not really a picture");
    drop({QString::fromStdString(damaged.string())});
    ASSERT_TRUE(window.lblMessage->text().startsWith(QStringLiteral("画像として読み込めない")));
    expectReadable(QStringLiteral("画像として読み込めないファイルです: ") +
                   QString::fromStdString(platform.windowsPath(damaged.string())));

    window.ListScroll->setValue(1);
    expectReadable();
    point(window.thumnail().at(1), {5, 5});
    EXPECT_TRUE(window.lblMessage->text().startsWith(QStringLiteral("サムネイルをドロップ")));
    expectReadable();

    // Two that a user does not meet in a session of this length: a drop while one is being
    // added, and a stock at its limit.
    for (const QString& rare :
         {QStringLiteral("ファイルを読み込み中です。終わってからドロップしてください。"),
          QStringLiteral("登録できる画像は32767枚までです。")}) {
        window.setMessage(rare);
        expectReadable();
    }
    EXPECT_EQ(seen.size(), 7);
}

TEST_F(EveryMessage, ApplyAndRestoreMessagesAreDrawnWholeForEveryReason) {
    // 変更 on a system without the Web folder, then 復元.
    drop(pictures(1, QStringLiteral("a")));
    fs::rename(sys.web(), sys.web().parent_path() / "Web.away");
    for (QPushButton* button : {window.cmdMake, window.cmdReturn}) {
        window.setMessage(QString());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(window.lblMessage->text().startsWith(QStringLiteral("WEBファイル")));
        expectReadable();
    }
    fs::rename(sys.web().parent_path() / "Web.away", sys.web());
    QTest::mouseClick(window.cmdReturn, Qt::LeftButton);
    EXPECT_EQ(window.lblMessage->text(), QStringLiteral("復元完了!!"));
    expectReadable();

    // Each step of 変更 failing for each reason the platform gives.
    const std::vector<std::pair<FaultyPlatform::Op, std::string>> steps{
        {FaultyPlatform::Op::CreateFolder, "leftimage"},
        {FaultyPlatform::Op::ReplaceFile, "folder.lmv"},
        {FaultyPlatform::Op::ReplaceFile, "folder.htt"},
        {FaultyPlatform::Op::CopyFile, "leftimage\\0.lmv"}};
    for (const std::string& reason : everyReason()) {
        for (const auto& [op, path] : steps) {
            SCOPED_TRACE(path + ": " + reason);
            // The folder and the backup are made only while they are missing.
            fs::remove(sys.web() / "folder.lmv");
            fs::remove_all(sys.web() / "leftimage");
            platform.clearFaults();
            platform.failOn(op, path, reason);
            window.setMessage(QString());
            QTest::mouseClick(window.cmdMake, Qt::LeftButton);
            const QString whole = window.lblMessage->toolTip();
            EXPECT_TRUE(whole.contains(QStringLiteral("C:\\WINDOWS\\Web\\"))) << "the whole path";
            expectReadable(whole);
        }
    }
    platform.clearFaults();

    // A picture gone since the drop, under a long name.
    const fs::path gone = sys.outside() / "IMG_20240615_123456789_HDR_edited_copy.jpg";
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString(gone.string())));
    drop({QString::fromStdString(gone.string())});
    fs::remove(gone);
    QTest::mouseClick(window.cmdMake, Qt::LeftButton);
    EXPECT_TRUE(window.lblMessage->text().startsWith(QStringLiteral("2枚目の画像「IMG_")));
    expectReadable(QStringLiteral("2枚目の画像「") +
                   QString::fromStdString(platform.windowsPath(gone.string())) +
                   QStringLiteral("」をコピーできませんでした。\r\n"
                                  "ファイルまたはフォルダが見つかりません。"));
    std::cerr << "cut short (whole in the tooltip): " << cut.size() << " of " << seen.size()
              << "\n";
    for (const QString& text : cut)
        std::cerr << "  " << text.toStdString() << "\n";
}

TEST_F(EveryMessage, ColourChoosingMessagesAreDrawnWhole) {
    browsers.fails = true;
    QTest::mouseClick(window.cmdSetLink[0], Qt::LeftButton);
    EXPECT_EQ(window.lblMessage->text(),
              QStringLiteral("色を選ぶためのブラウザを開けませんでした。"));
    expectReadable();

    browsers.fails = false;
    browsers.pageFound = false;
    QTest::mouseClick(window.cmdSetLink[1], Qt::LeftButton);
    EXPECT_TRUE(window.lblMessage->text().startsWith(QStringLiteral("色見本のページ")));
    expectReadable();
}

} // namespace
} // namespace lumivane::app
