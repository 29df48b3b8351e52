#include "tools/datagen/art/BmpReader.h"

#include <cstdint>
#include <cstdlib>

#include "tools/datagen/art/Canvas.h"

namespace {

const int kMaxSide = 8192;

uint32_t Read32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t Read16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                                 static_cast<unsigned char>(b[at + 1]) << 8);
}

}  // namespace

bool ReadBmp(const std::string& path, RgbImage* image) {
    std::string b;
    if (!ReadSourceFile(path, &b) || b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    const uint32_t offset = Read32(b, 10);
    const int32_t width = static_cast<int32_t>(Read32(b, 18));
    const int32_t rawHeight = static_cast<int32_t>(Read32(b, 22));
    const int bits = Read16(b, 28);
    const uint32_t compression = Read32(b, 30);
    if ((bits != 24 && bits != 32) || (compression != 0 && !(bits == 32 && compression == 3)))
        return false;
    const bool topDown = rawHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    const size_t pixelBytes = bits / 8;
    const size_t rowBytes = (static_cast<size_t>(width) * pixelBytes + 3) & ~static_cast<size_t>(3);
    if (offset > b.size() || rowBytes * static_cast<size_t>(height) > b.size() - offset)
        return false;
    *image = RgbImage(width, static_cast<int>(height), 0, 0, 0);
    for (int y = 0; y < height; ++y) {
        const size_t row = offset + rowBytes * static_cast<size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const size_t p = row + x * pixelBytes;
            image->Set(x, y, static_cast<unsigned char>(b[p + 2]),
                       static_cast<unsigned char>(b[p + 1]), static_cast<unsigned char>(b[p]));
        }
    }
    return true;
}
