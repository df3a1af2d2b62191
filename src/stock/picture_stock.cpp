#include "stock/picture_stock.h"

#include <algorithm>

namespace lumivane::stock {

namespace {

bool oneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

} // namespace

bool passesNameTest(std::string_view path) {
    // Bytes of UTF-8: a non-ASCII character among the last three puts a byte >= 0x80 among
    // the last three bytes, which no set holds, so bytes and characters agree here.
    if (path.size() < 3)
        return false;
    const std::string_view tail = path.substr(path.size() - 3);
    return oneOf(tail[0], "jJbBgG") && oneOf(tail[1], "pPmMiI") && oneOf(tail[2], "gGpPfF");
}

int slotLeft(int index, int scrollValue) {
    return (index - scrollValue) * kSlotPitch + kFirstSlotLeft;
}

std::optional<int> scrollMaximumFor(int count) {
    if (count >= kVisibleSlots + 1 && count <= kListLimit)
        return count - kVisibleSlots;
    return std::nullopt;
}

std::optional<int> PictureStock::append(std::string path) {
    if (full())
        return std::nullopt;
    const int index = imageCount();
    if (index > 0)
        lefts_.push_back(lefts_.back() + kSlotPitch);
    paths_.push_back(std::move(path));
    return index;
}

void PictureStock::takeBackLast() {
    if (paths_.empty())
        return;
    paths_.pop_back();
    if (lefts_.size() > 1)
        lefts_.pop_back();
}

void PictureStock::finishDrop() {
    if (const auto maximum = scrollMaximumFor(imageCount()))
        scrollMaximum_ = *maximum;
}

bool PictureStock::remove(int index) {
    if (index < 0 || index >= imageCount())
        return false;
    paths_.erase(paths_.begin() + index);
    if (lefts_.size() > 1)
        lefts_.pop_back();
    if (const auto maximum = scrollMaximumFor(imageCount())) {
        scrollMaximum_ = *maximum;
        if (scrollValue_ > scrollMaximum_)
            scrollTo(scrollMaximum_);
    }
    return true;
}

void PictureStock::scrollTo(int value) {
    scrollValue_ = std::clamp(value, 0, scrollMaximum_);
    layOut();
}

void PictureStock::layOut() {
    const int last = std::min(static_cast<int>(imageCount()), kListLimit);
    for (int i = 0; i < last; ++i)
        lefts_[static_cast<size_t>(i)] = slotLeft(i, scrollValue_);
}

} // namespace lumivane::stock
