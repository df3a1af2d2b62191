// Reading a drop's pictures ahead on worker threads: in the drop's order, no further ahead
// than allowed, and stopping cleanly in the middle.
#include "stock/qt/picture_reader.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace lumivane::stock {
namespace {

class PictureReaderTest : public ::testing::Test {
protected:
    /// A picture of one colour under `name`; its host path.
    std::string picture(const QString& name, const QColor& color) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(name);
        image.save(path, "JPG");
        return path.toStdString();
    }
    std::string file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path.toStdString();
    }

    QTemporaryDir dir;
    const QSize thumbnail{61, 57};
};

TEST_F(PictureReaderTest, PicturesComeInTheDropsOrderDecodedAtTheThumbnailsSize) {
    std::vector<std::optional<std::string>> files;
    for (int i = 0; i < 12; ++i)
        files.emplace_back(
            picture(QStringLiteral("%1.jpg").arg(i), QColor::fromHsv(i * 30, 255, 255)));
    files.emplace_back(file(QStringLiteral("words.jpg"), "not a picture at all"));
    files.emplace_back(dir.filePath(QStringLiteral("gone.jpg")).toStdString());
    files.emplace_back(std::nullopt); // a Windows path the system cannot reach
    PictureReader reader(files, thumbnail, 3, 4);
    for (int i = 0; i < 12; ++i) {
        const ReadPicture read = reader.take(static_cast<std::size_t>(i));
        ASSERT_EQ(read.image.size(), thumbnail) << i;
        EXPECT_NEAR(read.image.pixelColor(30, 28).hsvHue(), i * 30, 8) << i;
        QFile original(QString::fromStdString(*files[static_cast<std::size_t>(i)]));
        original.open(QIODevice::ReadOnly);
        EXPECT_EQ(read.bytes, original.readAll()) << i;
    }
    const ReadPicture words = reader.take(12);
    EXPECT_FALSE(words.bytes.isEmpty());
    EXPECT_TRUE(words.image.isNull());
    EXPECT_TRUE(reader.take(13).bytes.isEmpty());
    EXPECT_TRUE(reader.take(14).image.isNull());
}

TEST_F(PictureReaderTest, ReadsNoFurtherAheadThanAllowed) {
    std::vector<std::optional<std::string>> files;
    for (int i = 0; i < 10; ++i)
        files.emplace_back(picture(QStringLiteral("%1.jpg").arg(i), Qt::blue));
    PictureReader reader(files, thumbnail, 4, 2);
    // Given time, the workers read the two they may and no more: files removed now are
    // found missing when their turn comes.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    for (std::size_t i = 2; i < files.size(); ++i)
        QFile::remove(QString::fromStdString(*files[i]));
    EXPECT_FALSE(reader.take(0).image.isNull());
    EXPECT_FALSE(reader.take(1).image.isNull());
    for (std::size_t i = 2; i < files.size(); ++i)
        EXPECT_TRUE(reader.take(i).bytes.isEmpty()) << i;
}

TEST_F(PictureReaderTest, StopsInTheMiddleWithoutTakingTheRest) {
    std::vector<std::optional<std::string>> files;
    for (int i = 0; i < 30; ++i)
        files.emplace_back(picture(QStringLiteral("%1.jpg").arg(i), Qt::green));
    {
        PictureReader reader(files, thumbnail, 2, 3);
        EXPECT_FALSE(reader.take(0).image.isNull());
    } // the drop ends early: the workers stop and are joined
    PictureReader again(files, thumbnail, 2, 3);
    EXPECT_FALSE(again.take(0).image.isNull());
}

} // namespace
} // namespace lumivane::stock
