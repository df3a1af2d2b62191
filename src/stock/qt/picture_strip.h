#pragma once

#include "stock/strip_rules.h"

#include <QByteArray>
#include <QPixmap>
#include <QPointer>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace lumivane::platform {
class Platform;
}
namespace lumivane::windows {
class Fview;
class QtForm;
} // namespace lumivane::windows

namespace lumivane::stock {

class PictureReader;

/// A thumbnail's picture: the file's bytes, read once, and the picture decoded at the
/// thumbnail's size. The preview decodes the bytes again at full size.
struct StockPicture {
    QByteArray bytes;
    QPixmap thumbnail;
};

/// The pictures of the main window's thumbnails (the controls `thumnail`) and the preview
/// window that shows one of them at its natural size.
class PictureStrip final : public ThumbnailPictures {
public:
    PictureStrip(platform::Platform& platform, windows::QtForm& form);
    ~PictureStrip() override;

    /// The pictures at these Windows paths are about to be loaded in this order: they are
    /// read and decoded ahead on every core. An empty list stops that.
    void expectPictures(std::span<const std::string> paths) override;
    /// Reads the picture file at a Windows path and shows it in thumbnail `index`; false
    /// when it cannot be read as a picture.
    bool loadPicture(int index, const std::string& path) override;
    /// Thumbnail `to` takes the picture of `from`.
    void movePicture(int from, int to) override;
    void clearPicture(int index) override;
    /// Shows thumbnail `index`'s picture at its natural size in the preview window, decoded
    /// from the bytes it keeps (the file is not read again), which opens without an owner or
    /// is reused while it is open.
    void showPreview(int index, const std::string& path) override;

    /// The picture held by thumbnail `index`.
    const StockPicture& picture(int index) const;
    /// The preview window, while it is open.
    windows::Fview* preview() const;

private:
    StockPicture& slot(int index);
    void show(int index);

    platform::Platform& platform_;
    windows::QtForm& form_;
    std::vector<StockPicture> pictures_; ///< one per thumbnail
    QPointer<windows::Fview> view_;
    std::vector<std::string> expected_; ///< the pictures being read ahead, in order
    std::size_t nextExpected_ = 0;
    std::unique_ptr<PictureReader> reader_;
};

} // namespace lumivane::stock
