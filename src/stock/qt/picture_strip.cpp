#include "stock/qt/picture_strip.h"

#include "app/fmain_form.h"
#include "platform/platform.h"
#include "stock/picture_signature.h"
#include "stock/picture_stock.h"
#include "windows/qt/fview.h"
#include "windows/qt/qt_form.h"
#include "windows/twips.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <algorithm>
#include <utility>

namespace lumivane::stock {

namespace {

const char* readerFormat(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Unknown:
        break;
    }
    return "";
}

/// Decodes `bytes` at `size` (stretched) or, for an empty size, at the natural size.
QImage decode(const QByteArray& bytes, QSize size = {}) {
    const PictureFormat format =
        pictureFormat(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (format == PictureFormat::Unknown)
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerFormat(format));
    // A JPEG then decodes at 1/2, 1/4 or 1/8 scale before the final scaling.
    if (size.isValid())
        reader.setScaledSize(size);
    return reader.read();
}

QSize thumbnailSize() {
    return twipsRect<QRect>({0, 0, kThumbnailWidth, kThumbnailHeight}).size();
}

} // namespace

PictureStrip::PictureStrip(platform::Platform& platform, windows::QtForm& form)
    : platform_(platform), form_(form) {}

PictureStrip::~PictureStrip() {
    delete view_.data();
}

StockPicture& PictureStrip::slot(int index) {
    if (pictures_.size() <= static_cast<size_t>(index))
        pictures_.resize(static_cast<size_t>(index) + 1);
    return pictures_[static_cast<size_t>(index)];
}

const StockPicture& PictureStrip::picture(int index) const {
    return pictures_.at(static_cast<size_t>(index));
}

windows::Fview* PictureStrip::preview() const {
    return view_.data();
}

void PictureStrip::show(int index) {
    form_.get<QLabel>(app::fmain::thumnail(index))->setPixmap(slot(index).thumbnail);
}

bool PictureStrip::loadPicture(int index, const std::string& path) {
    const auto host = platform_.hostPath(path);
    if (!host)
        return false;
    QFile file(QString::fromStdString(*host));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    StockPicture picture;
    picture.bytes = file.readAll();
    file.close();
    const QImage image = decode(picture.bytes, thumbnailSize());
    if (image.isNull())
        return false;
    picture.thumbnail = QPixmap::fromImage(image);
    slot(index) = std::move(picture);
    show(index);
    return true;
}

void PictureStrip::movePicture(int from, int to) {
    slot(std::max(from, to)); // makes both slots before either is referred to
    slot(to) = std::exchange(slot(from), {});
    show(to);
}

void PictureStrip::clearPicture(int index) {
    slot(index) = {};
    form_.get<QLabel>(app::fmain::thumnail(index))->clear();
    // Elements beyond the last picture hold nothing.
    while (pictures_.size() > 1 && pictures_.back().bytes.isEmpty())
        pictures_.pop_back();
}

void PictureStrip::showPreview(int index, const std::string&) {
    const QImage image = decode(slot(index).bytes);
    if (image.isNull())
        return;
    if (!view_)
        view_ = new windows::Fview;
    view_->showPicture(QPixmap::fromImage(image));
}

} // namespace lumivane::stock
