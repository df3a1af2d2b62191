#pragma once

#include "stock/strip_rules.h"
#include "windows/win32/fview.h"

#include <memory>
#include <string>

namespace lumivane::win32 {
class Form;
}

namespace lumivane::stock::win32 {

/// The pictures of the main window's thumbnails (the controls `thumnail`) in native
/// controls, and the preview window that shows one at its natural size. A photo is decoded
/// once with OLE picture loading and kept only at its thumbnail's size, so a stock of large
/// photos stays small; the preview loads its file again.
class PictureStrip final : public ThumbnailPictures {
public:
    explicit PictureStrip(lumivane::win32::Form& form);
    ~PictureStrip() override;

    /// Reads the picture file at a Windows path into thumbnail `index`, stretched to it; false
    /// when it cannot be read as a picture.
    bool loadPicture(int index, const std::string& path) override;
    /// Thumbnail `to` takes the picture of `from`.
    void movePicture(int from, int to) override;
    void clearPicture(int index) override;
    /// Loads the picture file at `path` again and shows it at its natural size in the preview
    /// window, which opens without an owner or is reused while it is open.
    void showPreview(int index, const std::string& path) override;

    /// The preview window, while it is open; null otherwise.
    windows::win32::Fview* preview() const;

private:
    lumivane::win32::Form& form_;
    std::unique_ptr<windows::win32::Fview> view_;
};

} // namespace lumivane::stock::win32
