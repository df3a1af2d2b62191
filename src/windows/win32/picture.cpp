#include "windows/win32/picture.h"

#include "platform/win32/error_text.h"
#include "platform/win32/wide.h"
#include "windows/win32/metrics.h"

namespace lumivane::win32 {

namespace {

// Larger files are no picture a thumbnail strip should hold; it also keeps the size in the
// 32 bits that OleLoadPicture takes.
constexpr DWORD kLargestFile = 256u << 20;

void fail(PictureError* error, PictureError::Kind kind, std::string reason = {}) {
    if (error)
        *error = PictureError{kind, std::move(reason)};
}

void unreadable(PictureError* error, DWORD code) {
    fail(error, PictureError::Kind::Unreadable, platform::win32::reasonText(code));
}

/// The file's bytes in movable global memory, the form a stream on memory takes.
HGLOBAL readWhole(std::string_view path, DWORD& size, PictureError* error) {
    const auto wide = platform::win32::widePath(path);
    if (!wide) {
        unreadable(error, ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        unreadable(error, GetLastError());
        return nullptr;
    }
    DWORD high = 0;
    size = GetFileSize(file, &high);
    HGLOBAL memory = nullptr;
    if (high != 0 || size > kLargestFile) {
        fail(error, PictureError::Kind::TooLarge);
    } else if (size == 0) {
        fail(error, PictureError::Kind::NotAPicture);
    } else if ((memory = GlobalAlloc(GMEM_MOVEABLE, size)) == nullptr) {
        unreadable(error, ERROR_NOT_ENOUGH_MEMORY);
    } else {
        DWORD read = 0;
        const BOOL ok = ReadFile(file, GlobalLock(memory), size, &read, nullptr);
        const DWORD readError = GetLastError();
        GlobalUnlock(memory);
        if (!ok || read != size) {
            unreadable(error, ok ? ERROR_READ_FAULT : readError);
            GlobalFree(memory);
            memory = nullptr;
        }
    }
    CloseHandle(file);
    return memory;
}

} // namespace

Picture::Picture(ComPtr<IPicture> picture) : picture_(std::move(picture)) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    // HIMETRIC is a hundredth of a millimetre: 2540 to the inch.
    const int dpi = screenDpi();
    size_ = {MulDiv(width, dpi, 2540), MulDiv(height, dpi, 2540)};
}

std::optional<Picture> Picture::load(std::string_view path, PictureError* error) {
    DWORD size = 0;
    const HGLOBAL bytes = readWhole(path, size, error);
    if (!bytes)
        return std::nullopt;
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(bytes, TRUE, stream.out()))) {
        GlobalFree(bytes);
        unreadable(error, ERROR_NOT_ENOUGH_MEMORY);
        return std::nullopt;
    }
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              picture.outVoid())) ||
        !picture) {
        fail(error, PictureError::Kind::NotAPicture);
        return std::nullopt;
    }
    return Picture(std::move(picture));
}

Bitmap Picture::render(int width, int height, COLORREF background) const {
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!bitmap || !dc)
        return {};
    {
        Selected selected(dc.get(), bitmap.get());
        Brush fill(CreateSolidBrush(background));
        const RECT all{0, 0, width, height};
        FillRect(dc.get(), &all, fill.get());
        OLE_XSIZE_HIMETRIC hmWidth = 0;
        OLE_YSIZE_HIMETRIC hmHeight = 0;
        picture_->get_Width(&hmWidth);
        picture_->get_Height(&hmHeight);
        // Shrinking averages the pixels it leaves out; the default mode would AND them.
        SetStretchBltMode(dc.get(), HALFTONE);
        SetBrushOrgEx(dc.get(), 0, 0, nullptr);
        // HIMETRIC runs upwards: start at the picture's top and go down.
        picture_->Render(dc.get(), 0, 0, width, height, 0, hmHeight, hmWidth, -hmHeight, nullptr);
    }
    return Bitmap(std::move(bitmap), SIZE{width, height});
}

std::optional<Bitmap> loadStretched(std::string_view path, int width, int height,
                                    COLORREF background, PictureError* error) {
    std::optional<Picture> picture = Picture::load(path, error);
    if (!picture)
        return std::nullopt;
    Bitmap bitmap = picture->render(width, height, background);
    if (!bitmap) {
        unreadable(error, ERROR_NOT_ENOUGH_MEMORY);
        return std::nullopt;
    }
    return bitmap;
}

} // namespace lumivane::win32
