// OLE picture loading of BMP, JPEG and GIF files (written here by the system's own encoders),
// rendered stretched or at natural size, and shown by the picture controls; a file that is
// no picture is refused with a reason.
#include "pictures.h"
#include "platform/win32/wide.h"
#include "test_form.h"
#include "windows/win32/form.h"
#include "windows/win32/picture.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumivane::win32::testing {
namespace {

class Pictures : public ::testing::Test {
protected:
    void SetUp() override {
        writePicture(bmp, GUID_ContainerFormatBmp, 40, 30, [](int, int) { return RGB(255, 0, 0); });
        writePicture(jpeg, GUID_ContainerFormatJpeg, 40, 30,
                     [](int, int) { return RGB(0, 0, 255); });
        writePicture(gif, GUID_ContainerFormatGif, 40, 30, [](int, int) { return RGB(0, 255, 0); });
    }
    Scratch scratch;
    const std::wstring bmp = scratch.file(L"赤 い.bmp");
    const std::wstring jpeg = scratch.file(L"blue.JPG");
    const std::wstring gif = scratch.file(L"green.gif");
};

TEST_F(Pictures, LoadsBmpJpegAndGifAtTheirNaturalSize) {
    struct Case {
        std::wstring path;
        COLORREF colour;
        int tolerance;
    };
    for (const Case& c : {Case{bmp, RGB(255, 0, 0), 0}, Case{jpeg, RGB(0, 0, 255), 8},
                          Case{gif, RGB(0, 255, 0), 0}}) {
        SCOPED_TRACE(utf8(c.path));
        PictureError error;
        std::optional<Picture> picture = Picture::load(utf8(c.path), &error);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width(), 40);
        EXPECT_EQ(picture->height(), 30);
        const Bitmap natural = picture->render(RGB(128, 128, 128));
        EXPECT_EQ(natural.width(), 40);
        EXPECT_EQ(natural.height(), 30);
        expectNear(pixel(natural.get(), 20, 15), c.colour, c.tolerance);
        expectNear(pixel(natural.get(), 39, 29), c.colour, c.tolerance);
    }
}

TEST_F(Pictures, KeepsOnlyABitmapOfTheSizeAsked) {
    std::optional<Bitmap> thumbnail = loadStretched(utf8(jpeg), 61, 57, RGB(0, 0, 0));
    ASSERT_TRUE(thumbnail);
    EXPECT_EQ(thumbnail->width(), 61);
    EXPECT_EQ(thumbnail->height(), 57);
    BITMAP info{};
    GetObjectW(thumbnail->get(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 61);
    EXPECT_EQ(info.bmHeight, 57);
    // Stretched over the whole bitmap, nothing of the black background left at the edges.
    expectNear(pixel(thumbnail->get(), 0, 0), RGB(0, 0, 255), 8);
    expectNear(pixel(thumbnail->get(), 60, 56), RGB(0, 0, 255), 8);
}

TEST_F(Pictures, ShrinkingNeverMixesTheRowsItLeavesOut) {
    // Red and blue rows shrunk to a quarter: red, blue or their mean, never the two ANDed
    // (black), which the system's default way of shrinking gives and a gradient shows as
    // stripes of colours it does not have.
    const std::wstring rows = scratch.file(L"rows.bmp");
    writePicture(rows, GUID_ContainerFormatBmp, 40, 40,
                 [](int, int y) { return y % 2 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
    std::optional<Bitmap> small = loadStretched(utf8(rows), 10, 10, RGB(0, 255, 0));
    ASSERT_TRUE(small);
    const COLORREF shown = pixel(small->get(), 5, 5);
    EXPECT_GE(GetRValue(shown) + GetBValue(shown), 200) << std::hex << shown;
    EXPECT_EQ(GetGValue(shown), 0) << std::hex << shown;
}

TEST_F(Pictures, RefusesWhatIsNoPictureAndSaysWhy) {
    const std::wstring text = scratch.file(L"本当は文字.jpg");
    std::ofstream(text.c_str()) << "This is a text file, not a JPEG.\n";
    PictureError error;
    EXPECT_FALSE(Picture::load(utf8(text), &error));
    EXPECT_EQ(error.kind, PictureError::Kind::NotAPicture);
    EXPECT_FALSE(loadStretched(utf8(text), 61, 57, 0, &error));
    EXPECT_EQ(error.kind, PictureError::Kind::NotAPicture);

    const std::wstring empty = scratch.file(L"empty.gif");
    std::ofstream(empty.c_str()).close();
    EXPECT_FALSE(Picture::load(utf8(empty), &error));
    EXPECT_EQ(error.kind, PictureError::Kind::NotAPicture);

    EXPECT_FALSE(Picture::load(utf8(scratch.file(L"missing.bmp")), &error));
    EXPECT_EQ(error.kind, PictureError::Kind::Unreadable);
    EXPECT_EQ(error.reason, "ファイルまたはフォルダが見つかりません");
}

TEST_F(Pictures, ImagesStretchPictureBoxesShowNaturalSizeTilesRepeat) {
    Form form(kForm);
    const Picture red = *Picture::load(utf8(bmp));
    // An image stretches its picture over itself (61 × 40 pixels).
    form.setPicture({"thumb", 0}, red.render(RGB(0, 0, 0)));
    EXPECT_EQ(paintedPixel(form.hwnd({"thumb", 0}), 60, 39), RGB(255, 0, 0));

    // A picture box shows it from the top left at its size, the rest its background; asked
    // to, it takes the picture's size.
    form.setPicture({"picBox"}, red.render(RGB(0, 0, 0)));
    EXPECT_EQ(paintedPixel(form.hwnd({"picBox"}), 39, 29), RGB(255, 0, 0));
    EXPECT_EQ(paintedPixel(form.hwnd({"picBox"}), 41, 31), GetSysColor(COLOR_BTNFACE));
    form.setPicture({"picBox"}, red.render(RGB(0, 0, 0)), true);
    RECT client;
    GetClientRect(form.hwnd({"picBox"}), &client);
    EXPECT_EQ(client.right, 40);
    EXPECT_EQ(client.bottom, 30);

    // Tiles repeat a picture from the top left: a 4 × 4 tile, green on the left and red on
    // the right, seen across the strip.
    const std::wstring tile = scratch.file(L"tile.bmp");
    writePicture(tile, GUID_ContainerFormatBmp, 4, 4,
                 [](int x, int) { return x < 2 ? RGB(0, 255, 0) : RGB(255, 0, 0); });
    form.setPicture({"tiles"}, Picture::load(utf8(tile))->render(0));
    for (const int x : {1, 5, 41, 101})
        EXPECT_EQ(paintedPixel(form.hwnd({"tiles"}), x, 7), RGB(0, 255, 0)) << x;
    for (const int x : {2, 6, 42, 102})
        EXPECT_EQ(paintedPixel(form.hwnd({"tiles"}), x, 13), RGB(255, 0, 0)) << x;
}

} // namespace
} // namespace lumivane::win32::testing
