#include "app/qt/fmain.h"
#include "stock/qt/picture_strip.h"
#include "strip_fixture.h"
#include "template/template_text.h"
#include "windows/qt/fabout.h"
#include "windows/qt/help_line.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace lumivane::stock {
namespace {

class FmainStock : public ::testing::Test {
protected:
    QStringList pictures(int count) {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            QImage image(16, 16, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            paths << dir.filePath(QStringLiteral("%1.bmp").arg(i));
            image.save(paths.last(), "BMP");
        }
        return paths;
    }

    QTemporaryDir dir;
    platform::EmulatedPlatform platform{dir.filePath(QStringLiteral("root")).toStdString(),
                                        lumivane::standardTemplateBytes()};
    app::Fmain window{platform};
};

TEST_F(FmainStock, DroppedPicturesEnableApplyAndAreOfferedToTheApply) {
    window.show();
    EXPECT_EQ(window.imageCount(), 0);
    EXPECT_FALSE(window.cmdMake->isEnabled());
    const QStringList files = pictures(2);
    const auto data = testing::StripFixture::filesData(files);
    // The window and the thumbnail frame take no files.
    EXPECT_FALSE(testing::StripFixture::drop(&window, data.get()));
    EXPECT_FALSE(testing::StripFixture::drop(window.Frame2, data.get()));
    EXPECT_EQ(window.imageCount(), 0);

    ASSERT_TRUE(testing::StripFixture::drop(window.Frame1, data.get()));
    EXPECT_EQ(window.imageCount(), 2);
    EXPECT_EQ(window.imagePaths(),
              (std::vector<std::string>{platform.windowsPath(files[0].toStdString()),
                                        platform.windowsPath(files[1].toStdString())}));
    EXPECT_EQ(window.lstImagePath->count(), 2);
    EXPECT_TRUE(window.cmdMake->isEnabled());
    ASSERT_EQ(window.thumnail().size(), 2u);
    EXPECT_TRUE(window.thumnail()[1]->isVisible());

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(window.thumnail()[1], &move);
    EXPECT_TRUE(window.lblMessage->text().startsWith(
        QStringLiteral("サムネイルをドロップすると、一覧から消去されます。")));

    const std::unique_ptr<QMimeData> drag = testing::StripFixture::thumbnailData(1);
    ASSERT_TRUE(testing::StripFixture::drop(window.Frame1, drag.get()));
    EXPECT_EQ(window.imageCount(), 1);
    EXPECT_EQ(window.thumnail().size(), 1u);
}

TEST_F(FmainStock, AboutButtonOpensTheModalAboutBox) {
    window.show();
    QPointer<QWidget> seen;
    bool modal = false;
    QWidget* owner = nullptr;
    QString version;
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        auto* about = qobject_cast<windows::FAbout*>(seen.data());
        ASSERT_NE(about, nullptr);
        modal = about->isModal();
        owner = about->parentWidget();
        version = about->lblVer->text();
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    });
    QTest::mouseClick(window.cmdAbout, Qt::LeftButton);
    EXPECT_TRUE(modal);
    EXPECT_EQ(owner, &window);
    EXPECT_EQ(version, QStringLiteral("Ver. 1.40"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(seen.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace lumivane::stock
