#include "tools/qvl/Bmp.h"

#include <cstdint>
#include <cstdio>

#include "creature/QvlFormat.h"
#include "base/Files.h"

namespace {

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

bool WriteBmp(const std::string& path, const BmpImage& image) {
    const int bpp = image.bytesPerPixel;
    if ((bpp != 3 && bpp != 4) || image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height * bpp)
        return false;
    size_t row = RowBytes(image.width, bpp);
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(54 + row * image.height));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bpp * 8));
    for (int i = 0; i < 6; ++i) Put32(out, i == 1 ? static_cast<uint32_t>(row * image.height) : 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const unsigned char* src = &image.pixels[static_cast<size_t>(y) * image.width * bpp];
        for (int x = 0; x < image.width; ++x, src += bpp) {
            out.push_back(src[2]);
            out.push_back(src[1]);
            out.push_back(src[0]);
            if (bpp == 4) out.push_back(src[3]);
        }
        for (size_t pad = static_cast<size_t>(image.width) * bpp; pad < row; ++pad) out.push_back(0);
    }
    FILE* file = PlatformOpenFile(path.c_str(), "wb");
    if (!file) return false;
    bool ok = fwrite(out.data(), 1, out.size(), file) == out.size();
    return fclose(file) == 0 && ok;
}

bool ReadBmp(const std::string& path, BmpImage& image, std::string& reason) {
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
    if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') {
        reason = path + ": not a BMP file";
        return false;
    }
    uint32_t offset = Get32(&data[10]);
    int32_t width = static_cast<int32_t>(Get32(&data[18]));
    int32_t height = static_cast<int32_t>(Get32(&data[22]));
    unsigned bits = Get16(&data[28]);
    uint32_t compression = Get32(&data[30]);
    int bpp = static_cast<int>(bits / 8);
    if ((bits != 24 && bits != 32) || compression != 0 || width <= 0 || height <= 0 ||
        width > kQvlMaxSide || height > kQvlMaxSide) {
        reason = path + ": only uncompressed 24- and 32-bit bottom-up BMP files are taken";
        return false;
    }
    size_t row = RowBytes(width, bpp);
    if (offset > data.size() || data.size() - offset < row * height) {
        reason = path + ": pixel data cut short";
        return false;
    }
    image.width = width;
    image.height = height;
    image.bytesPerPixel = bpp;
    image.pixels.assign(static_cast<size_t>(width) * height * bpp, 0);
    for (int y = 0; y < height; ++y) {
        const unsigned char* src = &data[offset + row * (height - 1 - y)];
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
