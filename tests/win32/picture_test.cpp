// OLE picture loading of BMP, JPEG and GIF files (written here by the system's own encoders),
// rendered stretched or at natural size, and shown by the picture controls; a file that is
// no picture is refused with a reason.
#include "platform/win32/wide.h"
#include "test_form.h"
#include "windows/win32/form.h"
#include "windows/win32/picture.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wincodec.h>

namespace lumivane::win32::testing {
namespace {

/// A folder of its own under the temporary folder, removed afterwards.
class Scratch {
public:
    Scratch() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"lumivane-pictures-" + std::to_wstring(GetTickCount());
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~Scratch() {
        for (const std::wstring& file : files_)
            DeleteFileW(file.c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring file(const std::wstring& name) {
        files_.push_back(folder_ + L"\\" + name);
        return files_.back();
    }

private:
    std::wstring folder_;
    std::vector<std::wstring> files_;
};

/// Writes a width × height picture with WIC's encoder for the format, each pixel's colour
/// from `colourAt`.
void writePicture(const std::wstring& path, REFGUID format, int width, int height,
                  const std::function<COLORREF(int x, int y)>& colourAt) {
    ComPtr<IWICImagingFactory> factory;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr,
                                              CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                              factory.outVoid()));
    ComPtr<IWICStream> stream;
    ASSERT_HRESULT_SUCCEEDED(factory->CreateStream(stream.out()));
    ASSERT_HRESULT_SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE));
    ComPtr<IWICBitmapEncoder> encoder;
    ASSERT_HRESULT_SUCCEEDED(factory->CreateEncoder(format, nullptr, encoder.out()));
    ASSERT_HRESULT_SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache));
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    ASSERT_HRESULT_SUCCEEDED(encoder->CreateNewFrame(frame.out(), options.out()));
    ASSERT_HRESULT_SUCCEEDED(frame->Initialize(options.get()));
    ASSERT_HRESULT_SUCCEEDED(frame->SetSize(width, height));
    std::vector<BYTE> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = colourAt(x, y);
            pixels.insert(pixels.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)});
        }
    }
    ComPtr<IWICBitmap> source;
    ASSERT_HRESULT_SUCCEEDED(factory->CreateBitmapFromMemory(
        width, height, GUID_WICPixelFormat24bppBGR, width * 3, static_cast<UINT>(pixels.size()),
        pixels.data(), source.out()));
    WICPixelFormatGUID wanted = GUID_WICPixelFormat24bppBGR;
    ASSERT_HRESULT_SUCCEEDED(frame->SetPixelFormat(&wanted));
    if (IsEqualGUID(wanted, GUID_WICPixelFormat24bppBGR)) {
        ASSERT_HRESULT_SUCCEEDED(frame->WriteSource(source.get(), nullptr));
    } else {
        // GIF: through the fixed web palette, which holds the pure colours used here.
        ComPtr<IWICPalette> palette;
        ASSERT_HRESULT_SUCCEEDED(factory->CreatePalette(palette.out()));
        ASSERT_HRESULT_SUCCEEDED(
            palette->InitializePredefined(WICBitmapPaletteTypeFixedWebPalette, FALSE));
        ComPtr<IWICFormatConverter> converter;
        ASSERT_HRESULT_SUCCEEDED(factory->CreateFormatConverter(converter.out()));
        ASSERT_HRESULT_SUCCEEDED(converter->Initialize(source.get(), wanted,
                                                       WICBitmapDitherTypeNone, palette.get(), 0,
                                                       WICBitmapPaletteTypeFixedWebPalette));
        ASSERT_HRESULT_SUCCEEDED(frame->SetPalette(palette.get()));
        ASSERT_HRESULT_SUCCEEDED(frame->WriteSource(converter.get(), nullptr));
    }
    ASSERT_HRESULT_SUCCEEDED(frame->Commit());
    ASSERT_HRESULT_SUCCEEDED(encoder->Commit());
}

/// The colour of a pixel of a bitmap.
COLORREF pixel(HBITMAP bitmap, int x, int y) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return colour;
}

/// Near enough for a colour that went through JPEG.
void expectNear(COLORREF got, COLORREF wanted, int tolerance) {
    EXPECT_NEAR(GetRValue(got), GetRValue(wanted), tolerance) << std::hex << got;
    EXPECT_NEAR(GetGValue(got), GetGValue(wanted), tolerance) << std::hex << got;
    EXPECT_NEAR(GetBValue(got), GetBValue(wanted), tolerance) << std::hex << got;
}

std::string utf8(const std::wstring& path) {
    return platform::win32::fromWide(path);
}

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

/// What a control paints, read back from a bitmap it painted itself into (WM_PRINTCLIENT).
COLORREF paintedPixel(HWND control, int x, int y) {
    RECT client;
    GetClientRect(control, &client);
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return colour;
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
