#include "tools/datagen/BmpWriter.h"

#include <cstdint>

namespace {

void Put16(std::vector<unsigned char>* out, uint16_t v) {
    out->push_back(static_cast<unsigned char>(v));
    out->push_back(static_cast<unsigned char>(v >> 8));
}

void Put32(std::vector<unsigned char>* out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out->push_back(static_cast<unsigned char>(v >> shift));
}

}  // namespace

std::vector<unsigned char> EncodeBmp24(const RgbImage& image) {
    const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
    const uint32_t headerBytes = 14 + 40;
    std::vector<unsigned char> out;
    out.reserve(headerBytes + pixelBytes);

    out.push_back('B');
    out.push_back('M');
    Put32(&out, headerBytes + pixelBytes);
    Put32(&out, 0);  // reserved
    Put32(&out, headerBytes);

    Put32(&out, 40);  // BITMAPINFOHEADER
    Put32(&out, static_cast<uint32_t>(image.width));
    Put32(&out, static_cast<uint32_t>(image.height));  // positive: bottom-up
    Put16(&out, 1);                                      // planes
    Put16(&out, 24);                                     // bits per pixel
    Put32(&out, 0);                                      // BI_RGB
    Put32(&out, pixelBytes);
    Put32(&out, 2835);  // 72 dpi
    Put32(&out, 2835);
    Put32(&out, 0);  // palette colours
    Put32(&out, 0);

    for (int y = image.height - 1; y >= 0; --y) {
        const unsigned char* row = &image.rgb[static_cast<size_t>(y) * image.width * 3];
        for (int x = 0; x < image.width; ++x) {
            out.push_back(row[x * 3 + 2]);
            out.push_back(row[x * 3 + 1]);
            out.push_back(row[x * 3]);
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}
