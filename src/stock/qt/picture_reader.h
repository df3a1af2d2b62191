#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace lumivane::stock {

/// A picture file as read: its bytes and the picture decoded from them.
struct ReadPicture {
    QByteArray bytes; ///< empty when the file could not be read
    QImage image;     ///< null when the bytes are no picture of a format the stock takes
};

/// Decodes a BMP, JPEG or GIF at `size` (stretched; a JPEG then decodes at 1/2, 1/4 or 1/8
/// scale first) or, for an invalid size, at its natural size. Null for anything else.
QImage decodePicture(const QByteArray& bytes, QSize size = {});

/// Reads a file whole and decodes it at `size`.
ReadPicture readPicture(const std::string& hostPath, QSize size);

/// Reads picture files and decodes them on worker threads, a few ahead of where the window's
/// thread takes them, so the decoding of a drop runs on every core while the window places
/// the thumbnails. At most `ahead` pictures are read but not yet taken, which bounds the
/// memory it holds.
class PictureReader {
public:
    /// Starts reading `files` (host paths; nullopt for a picture with none) in their order.
    PictureReader(std::vector<std::optional<std::string>> files, QSize size, int workers,
                  int ahead);
    /// Stops the workers: a picture being decoded is finished and dropped.
    ~PictureReader();
    PictureReader(const PictureReader&) = delete;
    PictureReader& operator=(const PictureReader&) = delete;

    /// Picture `index` of the list, waiting until it has been read. Pictures are taken once
    /// each, in order.
    ReadPicture take(std::size_t index);

private:
    void work();

    const std::vector<std::optional<std::string>> files_;
    const QSize size_;
    const std::size_t ahead_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::optional<ReadPicture>> read_; ///< read and not yet taken, by index
    std::size_t claimed_ = 0;                      ///< pictures a worker has started on
    std::size_t taken_ = 0;                        ///< pictures the window has taken
    bool stopping_ = false;
    std::vector<std::jthread> workers_; // last, so it is joined before the rest goes
};

} // namespace lumivane::stock
