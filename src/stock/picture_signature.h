#pragma once

#include <string_view>

namespace lumivane::stock {

/// The picture formats a thumbnail can show.
enum class PictureFormat { Unknown, Bmp, Jpeg, Gif };

/// The format that the first bytes of a file announce ("BM", FF D8 FF, "GIF87a"/"GIF89a"),
/// whatever the file is called; Unknown for anything else, an empty or a cut-off file.
PictureFormat pictureFormat(std::string_view bytes);

/// True when `bytes` start like a BMP, JPEG or GIF picture.
inline bool looksLikePicture(std::string_view bytes) {
    return pictureFormat(bytes) != PictureFormat::Unknown;
}

} // namespace lumivane::stock
