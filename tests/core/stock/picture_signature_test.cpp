#include "stock/picture_signature.h"

#include <gtest/gtest.h>
#include <string>

namespace lumivane::stock {
namespace {

TEST(PictureSignature, RecognisesTheThreeFormatsByTheirFirstBytes) {
    const std::string bmp = "BM" + std::string(52, '\0');
    const std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + "\0\x10JFIF";
    const std::string gif87 = "GIF87a" + std::string(7, '\0');
    const std::string gif89 = "GIF89a" + std::string(20, '\x01');
    EXPECT_EQ(pictureFormat(bmp), PictureFormat::Bmp);
    EXPECT_EQ(pictureFormat(jpeg), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormat(gif87), PictureFormat::Gif);
    EXPECT_EQ(pictureFormat(gif89), PictureFormat::Gif);
    EXPECT_TRUE(looksLikePicture(jpeg));
}

TEST(PictureSignature, RejectsOtherFilesAndCutOffHeaders) {
    const std::string png = "\x89PNG\r\n\x1a\n" + std::string(20, '\0');
    EXPECT_EQ(pictureFormat(png), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormat("plain text that is no picture"), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormat(""), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormat("BM"), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormat("\xFF\xD8"), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormat("GIF89a"), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormat("GIF90a" + std::string(20, '\0')), PictureFormat::Unknown);
    EXPECT_FALSE(looksLikePicture("bm" + std::string(52, '\0')));
}

} // namespace
} // namespace lumivane::stock
