#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <string>

namespace lumivane::testing {

/// A picture whose every pixel tells its own place: red = x * 16, green = y * 16 (mod 256).
inline QImage patternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor((x * 16) % 256, (y * 16) % 256, 77));
    return image;
}

inline QImage solidImage(int width, int height, const QColor& color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

/// The bytes of the picture in a file format ("BMP", "JPG").
inline std::string fileBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

} // namespace lumivane::testing
