#include "stock/qt/picture_reader.h"

#include "stock/picture_signature.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>

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

} // namespace

QImage decodePicture(const QByteArray& bytes, QSize size) {
    const PictureFormat format =
        pictureFormat(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (format == PictureFormat::Unknown)
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerFormat(format));
    if (size.isValid())
        reader.setScaledSize(size);
    return reader.read();
}

ReadPicture readPicture(const std::string& hostPath, QSize size) {
    QFile file(QString::fromStdString(hostPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    ReadPicture picture;
    picture.bytes = file.readAll();
    picture.image = decodePicture(picture.bytes, size);
    return picture;
}

PictureReader::PictureReader(std::vector<std::optional<std::string>> files, QSize size, int workers,
                             int ahead)
    : files_(std::move(files)), size_(size), ahead_(static_cast<std::size_t>(std::max(ahead, 1))),
      read_(files_.size()) {
    const int count =
        std::clamp(workers, 1, static_cast<int>(std::max<std::size_t>(files_.size(), 1)));
    for (int i = 0; i < count; ++i)
        workers_.emplace_back([this] { work(); });
}

PictureReader::~PictureReader() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    workers_.clear(); // joins
}

void PictureReader::work() {
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] {
                return stopping_ || claimed_ >= files_.size() || claimed_ < taken_ + ahead_;
            });
            if (stopping_ || claimed_ >= files_.size())
                return;
            index = claimed_++;
        }
        ReadPicture picture = files_[index] ? readPicture(*files_[index], size_) : ReadPicture{};
        {
            const std::lock_guard lock(mutex_);
            read_[index] = std::move(picture);
        }
        changed_.notify_all();
    }
}

ReadPicture PictureReader::take(std::size_t index) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return read_.at(index).has_value(); });
    ReadPicture picture = std::move(*read_[index]);
    read_[index].reset();
    taken_ = std::max(taken_, index + 1);
    lock.unlock();
    changed_.notify_all();
    return picture;
}

} // namespace lumivane::stock
