// The whole road in the main window: drop pictures, press "変更" or "復元", find the files.
#include "app/fmain.h"
#include "stock/strip_fixture.h"
#include "support/emulated_root.h"
#include "template/template_text.h"
#include "windows/fgraph.h"
#include "windows/help_line.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using lumivane::testing::EmulatedRoot;
using lumivane::testing::StripFixture;

class ApplyRoad : public ::testing::Test {
protected:
    ApplyRoad() { window.show(); }

    QStringList pictures(int count) {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            QImage image(8 + i, 8, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 40, 200, 200));
            paths << QString::fromStdString(
                (sys.outside() / (std::to_string(i) + ".bmp")).string());
            image.save(paths.last(), "BMP");
        }
        return paths;
    }

    std::string expectedTemplate(int count) {
        lumivane::TemplateInput input;
        input.options = window.options();
        input.imageCount = count;
        input.scriptFolder = "C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\";
        input.programFolder = platform.programFolder();
        return lumivane::templateBytes(input);
    }

    static bool progressWindowOpen() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<lumivane::windows::Fgraph*>(top) && top->isVisible())
                return true;
        }
        return false;
    }

    bool buttonsEnabled() const {
        return window.cmdMake->isEnabled() && window.cmdReturn->isEnabled() &&
               window.cmdAbout->isEnabled();
    }

    EmulatedRoot sys;
    lumivane::platform::EmulatedPlatform platform{sys.root(), lumivane::standardTemplateBytes()};
    lumivane::app::Fmain window{platform};
};

TEST_F(ApplyRoad, DropAndApplyLeaveTemplateBackupAndCopies) {
    const QStringList files = pictures(3);
    ASSERT_TRUE(StripFixture::drop(window.Frame1, StripFixture::filesData(files).get()));
    ASSERT_EQ(window.imageCount(), 3);
    window.chkShowMsg->setChecked(false);
    window.lblMessage->setText(QStringLiteral("before"));

    QTest::mouseClick(window.cmdMake, Qt::LeftButton);

    EXPECT_EQ(window.leftImageFolder, QStringLiteral("C:\\WINDOWS\\Web\\leftimage"));
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), expectedTemplate(3));
    EXPECT_TRUE(fs::exists(sys.web() / "folder.lmv"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(EmulatedRoot::read(sys.web() / "leftimage" / (std::to_string(i) + ".lmv")),
                  EmulatedRoot::read(files[i].toStdString()));
    }
    EXPECT_EQ(window.lblMessage->text(), QStringLiteral("before")) << "apply says nothing";
    EXPECT_FALSE(progressWindowOpen());
    EXPECT_TRUE(buttonsEnabled());

    QTest::mouseClick(window.cmdReturn, Qt::LeftButton);
    EXPECT_EQ(window.lblMessage->text(), QStringLiteral("復元完了!!"));
    lumivane::TemplateInput standard;
    standard.restore = true;
    EXPECT_EQ(EmulatedRoot::read(sys.web() / "folder.htt"), lumivane::templateBytes(standard));
}

TEST_F(ApplyRoad, MissingWebFolderShowsTwoLinesAndCopiesNothing) {
    const QStringList files = pictures(1);
    ASSERT_TRUE(StripFixture::drop(window.Frame1, StripFixture::filesData(files).get()));
    fs::remove_all(sys.web());
    QTest::mouseClick(window.cmdMake, Qt::LeftButton);
    EXPECT_EQ(
        window.lblMessage->text(),
        QStringLiteral("WEBファイルが存在しません。Windowsのバージョンを確認してください。\r\n"
                       "Lumivaneは、IE4以上がデスクトップに統合されていないと正しく動作しま"
                       "せん。"));
    EXPECT_FALSE(fs::exists(sys.web()));
    EXPECT_FALSE(progressWindowOpen());
    EXPECT_TRUE(buttonsEnabled());
}

TEST_F(ApplyRoad, PictureGoneSinceTheDropIsReportedAndTheWindowRecovers) {
    const QStringList files = pictures(2);
    ASSERT_TRUE(StripFixture::drop(window.Frame1, StripFixture::filesData(files).get()));
    fs::remove(files[1].toStdString());
    QTest::mouseClick(window.cmdMake, Qt::LeftButton);
    EXPECT_TRUE(window.lblMessage->text().startsWith(
        QStringLiteral("2枚目の画像「1.bmp」をコピーできませんでした。\r\n")))
        << window.lblMessage->text().toStdString();
    EXPECT_TRUE(fs::exists(sys.web() / "leftimage" / "0.lmv"));
    EXPECT_FALSE(fs::exists(sys.web() / "leftimage" / "1.lmv"));
    EXPECT_FALSE(progressWindowOpen());
    EXPECT_TRUE(buttonsEnabled());
}

} // namespace
