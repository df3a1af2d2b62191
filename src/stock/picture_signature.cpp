#include "stock/picture_signature.h"

namespace lumivane::stock {

PictureFormat pictureFormat(std::string_view bytes) {
    // A BMP's file header alone is 14 bytes and its info header follows; anything shorter
    // cannot hold a picture even when it starts with "BM".
    if (bytes.size() >= 26 && bytes.starts_with("BM"))
        return PictureFormat::Bmp;
    if (bytes.size() >= 4 && bytes.starts_with("\xFF\xD8\xFF"))
        return PictureFormat::Jpeg;
    if (bytes.size() >= 13 && (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")))
        return PictureFormat::Gif;
    return PictureFormat::Unknown;
}

} // namespace lumivane::stock
