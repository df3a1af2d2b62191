#include "platform/emulated/standard_pictures.h"

#include <cstdint>

namespace lumivane::platform::emulated {
namespace {

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

} // namespace

std::string standardLeftBitmap() {
    constexpr std::uint32_t width = 64;
    constexpr std::uint32_t height = 96;
    constexpr std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    constexpr std::uint32_t imageBytes = rowBytes * height;
    std::string out = "BM";
    put32(out, 14 + 40 + imageBytes);
    put32(out, 0);
    put32(out, 14 + 40);
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    // A soft blue fading to white from top to bottom; rows are stored bottom-up, BGR.
    for (std::uint32_t row = 0; row < height; ++row) {
        const std::uint32_t fromTop = height - 1 - row;
        const auto shade = static_cast<char>(128 + fromTop * 127 / (height - 1));
        for (std::uint32_t x = 0; x < width; ++x) {
            out += static_cast<char>(255);
            out += shade;
            out += shade;
        }
        out.append(rowBytes - width * 3, '\0');
    }
    return out;
}

std::string standardLineGif() {
    constexpr std::uint32_t width = 128;
    std::string out = "GIF89a";
    put16(out, width);
    put16(out, 1);
    out += static_cast<char>(0x81); // global colour table of 4 entries
    out += '\0';
    out += '\0';
    for (const unsigned rgb : {0x0000C0u, 0x4060E0u, 0x90A8F0u, 0xFFFFFFu}) {
        out += static_cast<char>(rgb >> 16);
        out += static_cast<char>((rgb >> 8) & 0xFF);
        out += static_cast<char>(rgb & 0xFF);
    }
    out += ',';
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, 1);
    out += '\0';

    // LZW with a clear code after every two pixels, so every code stays three bits wide.
    constexpr unsigned clear = 4;
    constexpr unsigned endOfData = 5;
    std::string data;
    std::uint32_t bits = 0;
    int bitCount = 0;
    const auto emit = [&](unsigned code) {
        bits |= code << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            data += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            bitCount -= 8;
        }
    };
    for (std::uint32_t x = 0; x < width; ++x) {
        if (x % 2 == 0)
            emit(clear);
        emit(x * 4 / width); // four bands from dark to light
    }
    emit(endOfData);
    if (bitCount > 0)
        data += static_cast<char>(bits & 0xFF);

    out += '\2'; // minimum code size
    for (std::size_t pos = 0; pos < data.size(); pos += 255) {
        const std::string block = data.substr(pos, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    out += '\0';
    out += ';';
    return out;
}

} // namespace lumivane::platform::emulated
