#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::stock {

/// The most pictures the stock can count: its count is a 16-bit signed number.
inline constexpr int kMaxPictures = 32767;
/// Only the first 30 thumbnails can be scrolled into view.
inline constexpr int kListLimit = 30;
/// Thumbnail slots visible in the strip at once.
inline constexpr int kVisibleSlots = 6;
/// Geometry of the thumbnail strip inside its frame, in twips.
inline constexpr int kSlotPitch = 1200;
inline constexpr int kFirstSlotLeft = 180;
inline constexpr int kThumbnailTop = 240;
inline constexpr int kThumbnailWidth = 915;
inline constexpr int kThumbnailHeight = 855;

/// True when the last three characters of `path` match [jJbBgG][pPmMiI][gGpPfF].
/// Nothing else of the path is looked at (no dot is required).
bool passesNameTest(std::string_view path);

/// The left edge (twips, in the strip's frame) of thumbnail `index` (< 30) for the scroll
/// value `scrollValue`.
int slotLeft(int index, int scrollValue);

/// The scroll bar maximum after an addition or removal that leaves `count` pictures:
/// count - 6 while 7 <= count <= 30; nullopt when the maximum stays as it is.
std::optional<int> scrollMaximumFor(int count);

/// The picture stock and the places of its thumbnails: the ordered paths (the same path may
/// stand twice), the left edge of every thumbnail element and the strip's scroll state.
/// Element i shows picture i; element 0 always exists, others exist while they hold a picture.
class PictureStock {
public:
    /// A stock that holds at most `capacity` pictures (never more than kMaxPictures).
    explicit PictureStock(int capacity = kMaxPictures)
        : capacity_(capacity < kMaxPictures ? capacity : kMaxPictures) {}

    /// The number of pictures, as the 16-bit count the template is written with.
    std::int16_t imageCount() const { return static_cast<std::int16_t>(paths_.size()); }
    /// Path of picture `index`, exactly as it was dropped.
    const std::string& path(int index) const { return paths_.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& paths() const { return paths_; }
    /// True when no further picture can be counted.
    bool full() const { return paths_.size() >= static_cast<size_t>(capacity_); }
    /// The most pictures this stock holds.
    int capacity() const { return capacity_; }

    /// Number of thumbnail elements that exist (element 0 exists even when empty).
    int elementCount() const { return static_cast<int>(lefts_.size()); }
    /// Left edge of element `index` in twips.
    int elementLeft(int index) const { return lefts_.at(static_cast<size_t>(index)); }

    int scrollMaximum() const { return scrollMaximum_; }
    int scrollValue() const { return scrollValue_; }

    /// Appends `path` as the last picture and places its element 1200 right of the one
    /// before (element 0 is used where it stands). Returns the new index, or nullopt when
    /// the stock is full.
    std::optional<int> append(std::string path);
    /// Takes the last picture back again (a picture that could not be loaded), destroying
    /// its element unless it is element 0.
    void takeBackLast();
    /// Ends a drop: updates the scroll maximum for the new count.
    void finishDrop();
    /// Removes picture `index`: later pictures move one element to the left, the last
    /// element is destroyed (element 0 only emptied). Updates the scroll maximum; a scroll
    /// value above it comes down to it and the strip is laid out anew. Returns false for an
    /// index that holds no picture.
    bool remove(int index);
    /// Sets the scroll value (clamped to 0..maximum) and lays out elements 0..29 by the
    /// position rule; elements from 30 on keep their places.
    void scrollTo(int value);

private:
    void layOut();

    int capacity_;
    std::vector<std::string> paths_;
    std::vector<int> lefts_{kFirstSlotLeft};
    int scrollMaximum_ = 0;
    int scrollValue_ = 0;
};

} // namespace lumivane::stock
