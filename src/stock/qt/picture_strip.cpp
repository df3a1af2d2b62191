#include "stock/qt/picture_strip.h"

#include "app/fmain_form.h"
#include "platform/platform.h"
#include "stock/picture_stock.h"
#include "stock/qt/picture_reader.h"
#include "windows/qt/fview.h"
#include "windows/qt/qt_form.h"
#include "windows/twips.h"

#include <QLabel>
#include <algorithm>
#include <utility>

namespace lumivane::stock {

namespace {

QSize thumbnailSize() {
    return twipsRect<QRect>({0, 0, kThumbnailWidth, kThumbnailHeight}).size();
}

/// Threads that decode a drop ahead, and how many pictures they may hold waiting.
int readerThreads() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

} // namespace

PictureStrip::PictureStrip(platform::Platform& platform, windows::QtForm& form)
    : platform_(platform), form_(form) {}

PictureStrip::~PictureStrip() {
    delete view_.data();
}

void PictureStrip::expectPictures(std::span<const std::string> paths) {
    reader_.reset();
    expected_.assign(paths.begin(), paths.end());
    nextExpected_ = 0;
    if (paths.empty())
        return;
    std::vector<std::optional<std::string>> files;
    files.reserve(paths.size());
    for (const std::string& path : paths)
        files.push_back(platform_.hostPath(path));
    const int threads = readerThreads();
    reader_ = std::make_unique<PictureReader>(std::move(files), thumbnailSize(), threads,
                                              2 * threads + 2);
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
    ReadPicture read;
    if (reader_ && nextExpected_ < expected_.size() && expected_[nextExpected_] == path) {
        read = reader_->take(nextExpected_++);
    } else {
        const auto host = platform_.hostPath(path);
        if (!host)
            return false;
        read = readPicture(*host, thumbnailSize());
    }
    if (read.image.isNull())
        return false;
    slot(index) = {std::move(read.bytes), QPixmap::fromImage(read.image)};
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
    const QImage image = decodePicture(slot(index).bytes);
    if (image.isNull())
        return;
    if (!view_)
        view_ = new windows::Fview;
    view_->showPicture(QPixmap::fromImage(image));
}

} // namespace lumivane::stock
