#pragma once

#include "windows/win32/handles.h"
#include "windows/win32/system.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumivane::win32 {

/// Why a picture file could not be loaded; the window's rules put it in words.
struct PictureError {
    enum class Kind { Unreadable, TooLarge, NotAPicture };
    Kind kind = Kind::NotAPicture;
    /// For an unreadable file: the system's reason, in the platform layer's words.
    std::string reason;
};

/// A bitmap ready to paint, with its size in pixels.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(BitmapHandle handle, SIZE size) : handle_(std::move(handle)), size_(size) {}

    HBITMAP get() const { return handle_.get(); }
    int width() const { return size_.cx; }
    int height() const { return size_.cy; }
    explicit operator bool() const { return static_cast<bool>(handle_); }

private:
    BitmapHandle handle_;
    SIZE size_{0, 0};
};

/// A BMP, JPEG or GIF file loaded by OLE (OleLoadPicture). It holds the whole decoded
/// picture: render what is needed and let it go.
class Picture {
public:
    /// Loads the file at a Windows path (UTF-8). Null when it cannot be read or is no
    /// picture; `error` then says why.
    static std::optional<Picture> load(std::string_view path, PictureError* error = nullptr);

    /// The natural size in pixels at the screen's DPI.
    int width() const { return size_.cx; }
    int height() const { return size_.cy; }

    /// The picture stretched to a size, over `background` where it is transparent (a GIF's
    /// transparent colour).
    Bitmap render(int width, int height, COLORREF background) const;
    /// The picture at its natural size.
    Bitmap render(COLORREF background) const { return render(width(), height(), background); }

private:
    explicit Picture(ComPtr<IPicture> picture);

    ComPtr<IPicture> picture_;
    SIZE size_{0, 0};
};

/// A picture file as a bitmap of the given size, the decoded picture released at once: the
/// form a thumbnail is kept in, so a stock of large photos stays small.
std::optional<Bitmap> loadStretched(std::string_view path, int width, int height,
                                    COLORREF background, PictureError* error = nullptr);

} // namespace lumivane::win32
