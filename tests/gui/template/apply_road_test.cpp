// The whole road in the main window: drop pictures, press "変更" or "復元", find the files.
#include "app/qt/fmain.h"
#include "stock/strip_fixture.h"
#include "support/emulated_root.h"
#include "template/template_text.h"
#include "windows/qt/fgraph.h"
#include "windows/qt/help_line.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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

    EXPECT_EQ(QString::fromStdString(window.rules().leftImageFolder()),
              QStringLiteral("C:\\WINDOWS\\Web\\leftimage"));
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

/// Records, in the order they happen, what a user would see of "変更": the progress window
/// showing and going, the three buttons turning off and on, the bar's width and how many
/// copies exist at each step, and whether anything posted meanwhile ran before the end.
class ApplyWatcher : public QObject {
public:
    ApplyWatcher(lumivane::app::Fmain& window, fs::path pictureFolder)
        : window_(window), folder_(std::move(pictureFolder)) {}
    QStringList seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        const bool progress = qobject_cast<lumivane::windows::Fgraph*>(widget);
        switch (event->type()) {
        case QEvent::Show:
            if (progress)
                seen << QStringLiteral("progress shown");
            break;
        case QEvent::Hide:
            if (progress)
                seen << QStringLiteral("progress hidden");
            break;
        case QEvent::EnabledChange:
            if (widget == window_.cmdAbout || widget == window_.cmdMake ||
                widget == window_.cmdReturn) {
                seen << (widget->isEnabled() ? QStringLiteral("on ") : QStringLiteral("off ")) +
                            widget->objectName();
                // Anything posted while the copies run must wait until they are done.
                if (!widget->isEnabled() && widget == window_.cmdAbout)
                    QTimer::singleShot(0, [this] { seen << QStringLiteral("posted event ran"); });
            }
            break;
        case QEvent::Resize:
            if (widget->objectName() == QStringLiteral("lblBar") && widget->width() > 0)
                seen << QStringLiteral("bar %1 px after %2 copies")
                            .arg(widget->width())
                            .arg(copies());
            break;
        default:
            break;
        }
        return false;
    }

private:
    int copies() const {
        int count = 0;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder_, ec))
            count += entry.path().extension() == ".lmv";
        return count;
    }

    lumivane::app::Fmain& window_;
    fs::path folder_;
};

TEST_F(ApplyRoad, ApplyShowsTheProgressGrowingPerCopyWithTheButtonsOffThenRestoresAll) {
    ASSERT_TRUE(StripFixture::drop(window.Frame1, StripFixture::filesData(pictures(4)).get()));
    ASSERT_EQ(window.imageCount(), 4);
    QCoreApplication::processEvents();
    ASSERT_FALSE(progressWindowOpen());

    ApplyWatcher watcher(window, sys.web() / "leftimage");
    qApp->installEventFilter(&watcher);
    QTest::mouseClick(window.cmdMake, Qt::LeftButton);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&watcher);

    // 3435 twips in quarters: 858.75, 1717.5, 2576.25 and 3435 twips, to the nearest pixel.
    EXPECT_EQ(
        watcher.seen,
        (QStringList{"progress shown", "off cmdAbout", "off cmdMake", "off cmdReturn",
                     "bar 57 px after 1 copies", "bar 115 px after 2 copies",
                     "bar 172 px after 3 copies", "bar 229 px after 4 copies", "progress hidden",
                     "on cmdAbout", "on cmdMake", "on cmdReturn", "posted event ran"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<lumivane::windows::Fgraph*>(top), nullptr) << "destroyed";
    EXPECT_TRUE(buttonsEnabled());
}

} // namespace
