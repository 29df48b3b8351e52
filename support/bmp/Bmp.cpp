#include "support/bmp/Bmp.h"

#include <cstdio>

#include "base/Files.h"

namespace {

const uint32_t kHeaderBytes = 14 + 40;
const uint32_t kBitfields = 3;

void Put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(std::vector<unsigned char>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}
uint32_t Get32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
unsigned Get16(const unsigned char* p) { return p[0] | p[1] << 8; }

size_t RowBytes(int width, int bpp) { return (static_cast<size_t>(width) * bpp + 3) & ~size_t(3); }

}  // namespace

std::vector<unsigned char> EncodeBmp(int width, int height, int bpp, const unsigned char* pixels,
                                     uint32_t pixelsPerMetre) {
    const size_t row = RowBytes(width, bpp);
    const uint32_t pixelBytes = static_cast<uint32_t>(row * height);
    std::vector<unsigned char> out;
    out.reserve(kHeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaderBytes + pixelBytes);
    Put32(out, 0);  // reserved
    Put32(out, kHeaderBytes);
    Put32(out, 40);  // BITMAPINFOHEADER
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));  // positive: bottom-up
    Put16(out, 1);                               // planes
    Put16(out, static_cast<unsigned>(bpp * 8));
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, pixelsPerMetre);
    Put32(out, pixelsPerMetre);
    Put32(out, 0);  // palette colours
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const unsigned char* src = pixels + static_cast<size_t>(y) * width * bpp;
        for (int x = 0; x < width; ++x, src += bpp) {
            out.push_back(src[2]);
            out.push_back(src[1]);
            out.push_back(src[0]);
            if (bpp == 4) out.push_back(src[3]);
        }
        for (size_t pad = static_cast<size_t>(width) * bpp; pad < row; ++pad) out.push_back(0);
    }
    return out;
}

bool WriteBmp(const std::string& path, const BmpImage& image) {
    const int bpp = image.bytesPerPixel;
    if ((bpp != 3 && bpp != 4) || image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height * bpp)
        return false;
    std::vector<unsigned char> out =
        EncodeBmp(image.width, image.height, bpp, image.pixels.data());
    FILE* file = PlatformOpenFile(path.c_str(), "wb");
    if (!file) return false;
    bool ok = fwrite(out.data(), 1, out.size(), file) == out.size();
    return fclose(file) == 0 && ok;
}

bool DecodeBmp(const std::vector<unsigned char>& data, const std::string& name,
               const BmpReadRules& rules, BmpImage& image, std::string& reason) {
    if (data.size() < kHeaderBytes || data[0] != 'B' || data[1] != 'M') {
        reason = name + ": not a BMP file";
        return false;
    }
    const uint32_t offset = Get32(&data[10]);
    const int32_t width = static_cast<int32_t>(Get32(&data[18]));
    const int32_t rawHeight = static_cast<int32_t>(Get32(&data[22]));
    const unsigned bits = Get16(&data[28]);
    const uint32_t compression = Get32(&data[30]);
    const bool topDown = rules.topDown && rawHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    const bool packed = compression == 0 || (rules.bitfields && bits == 32 && compression == kBitfields);
    if ((bits != 24 && bits != 32) || !packed || width <= 0 || height <= 0 ||
        width > rules.maxSide || height > rules.maxSide) {
        reason = name + ": only uncompressed 24- and 32-bit bottom-up BMP files are taken";
        return false;
    }
    const int bpp = static_cast<int>(bits / 8);
    const size_t row = RowBytes(width, bpp);
    if (offset > data.size() || data.size() - offset < row * static_cast<size_t>(height)) {
        reason = name + ": pixel data cut short";
        return false;
    }
    image.width = width;
    image.height = static_cast<int>(height);
    image.bytesPerPixel = bpp;
    image.pixels.assign(static_cast<size_t>(width) * image.height * bpp, 0);
    for (int y = 0; y < image.height; ++y) {
        const unsigned char* src = &data[offset + row * static_cast<size_t>(topDown ? y : height - 1 - y)];
        unsigned char* dst = &image.pixels[static_cast<size_t>(y) * width * bpp];
        for (int x = 0; x < width; ++x, src += bpp, dst += bpp) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
            if (bpp == 4) dst[3] = src[3];
        }
    }
    return true;
}

bool ReadBmp(const std::string& path, const BmpReadRules& rules, BmpImage& image,
             std::string& reason) {
    FILE* file = PlatformOpenFile(path.c_str(), "rb");
    if (!file) {
        reason = "cannot open " + path;
        return false;
    }
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) data.insert(data.end(), chunk, chunk + n);
    fclose(file);
    return DecodeBmp(data, path, rules, image, reason);
}
