#pragma once

// Pictures for the window tests: written by the system's own encoders into a folder of the
// test's own, and read back pixel by pixel.
#include "platform/win32/wide.h"
#include "windows/win32/handles.h"
#include "windows/win32/system.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wincodec.h>

namespace lumivane::win32::testing {

/// A folder of its own under the temporary folder, removed afterwards with what it holds.
class Scratch {
public:
    Scratch() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        static int made = 0;
        folder_ = std::wstring(temp) + L"lumivane-pictures-" + std::to_wstring(GetTickCount()) +
                  L"-" + std::to_wstring(++made);
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    ~Scratch() {
        for (const std::wstring& file : files_)
            DeleteFileW(file.c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    const std::wstring& folder() const { return folder_; }
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
inline void writePicture(const std::wstring& path, REFGUID format, int width, int height,
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
inline COLORREF pixel(HBITMAP bitmap, int x, int y) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return colour;
}

/// Near enough for a colour that went through JPEG.
inline void expectNear(COLORREF got, COLORREF wanted, int tolerance) {
    EXPECT_NEAR(GetRValue(got), GetRValue(wanted), tolerance) << std::hex << got;
    EXPECT_NEAR(GetGValue(got), GetGValue(wanted), tolerance) << std::hex << got;
    EXPECT_NEAR(GetBValue(got), GetBValue(wanted), tolerance) << std::hex << got;
}

inline std::string utf8(const std::wstring& path) {
    return platform::win32::fromWide(path);
}

/// What a control paints, read back from a bitmap it painted itself into (WM_PRINTCLIENT).
inline COLORREF paintedPixel(HWND control, int x, int y) {
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

} // namespace lumivane::win32::testing
