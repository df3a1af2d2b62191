#include "stock/win32/picture_strip.h"

#include "app/fmain_form.h"
#include "stock/picture_stock.h"
#include "windows/win32/form.h"
#include "windows/win32/metrics.h"
#include "windows/win32/picture.h"

namespace lumivane::stock::win32 {

using namespace lumivane::win32;

PictureStrip::PictureStrip(Form& form) : form_(form) {}

PictureStrip::~PictureStrip() = default;

bool PictureStrip::loadPicture(int index, const std::string& path) {
    const RECT size = twipsToRect({0, 0, kThumbnailWidth, kThumbnailHeight}, screenDpi());
    std::optional<Bitmap> thumbnail =
        loadStretched(path, size.right, size.bottom, GetSysColor(COLOR_BTNFACE));
    if (!thumbnail)
        return false;
    form_.setPicture(app::fmain::thumnail(index), std::move(*thumbnail));
    return true;
}

void PictureStrip::movePicture(int from, int to) {
    form_.setPicture(app::fmain::thumnail(to), form_.takePicture(app::fmain::thumnail(from)));
}

void PictureStrip::clearPicture(int index) {
    form_.takePicture(app::fmain::thumnail(index));
}

void PictureStrip::showPreview(int, const std::string& path) {
    std::optional<Picture> picture = Picture::load(path);
    if (!picture)
        return;
    Bitmap natural = picture->render(GetSysColor(COLOR_BTNFACE));
    picture.reset(); // only the bitmap the window shows stays
    if (!view_ || !view_->open())
        view_ = std::make_unique<windows::win32::Fview>();
    view_->showPicture(std::move(natural));
}

windows::win32::Fview* PictureStrip::preview() const {
    return view_ && view_->open() ? view_.get() : nullptr;
}

} // namespace lumivane::stock::win32
