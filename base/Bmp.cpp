#include "base/Bmp.h"

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

namespace {

// One channel of a packed pixel, scaled to 8 bits; 255 without a mask.
unsigned char Channel(uint32_t value, uint32_t mask) {
    if (!mask) return 255;
    int shift = 0;
    while (!(mask >> shift & 1)) ++shift;
    const uint32_t top = mask >> shift;
    return static_cast<unsigned char>(((value & mask) >> shift) * 255u / top);
}

struct Layout {
    unsigned bits = 0;
    uint32_t masks[4] = {0, 0, 0, 0};  // R G B A, for 16 and 32 bits
    std::vector<unsigned char> palette;  // B G R x entries
};

}  // namespace

bool DecodeBmp(const std::vector<unsigned char>& data, const std::string& name,
               const BmpReadRules& rules, BmpImage& image, std::string& reason) {
    if (data.size() < kHeaderBytes || data[0] != 'B' || data[1] != 'M') {
        reason = name + ": not a BMP file";
        return false;
    }
    const uint32_t offset = Get32(&data[10]);
    const uint32_t headerSize = Get32(&data[14]);
    const int32_t width = static_cast<int32_t>(Get32(&data[18]));
    const int32_t rawHeight = static_cast<int32_t>(Get32(&data[22]));
    Layout layout;
    layout.bits = Get16(&data[28]);
    const unsigned bits = layout.bits;
    const uint32_t compression = Get32(&data[30]);
    const bool topDown = rules.topDown && rawHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    const bool palette = rules.palettes && (bits == 1 || bits == 4 || bits == 8);
    const bool packed = bits == 24 || bits == 32 || (rules.palettes && bits == 16);
    const bool masked = rules.bitfields && (bits == 16 || bits == 32) && compression == kBitfields;
    if (!(palette || packed) || !(compression == 0 || masked) || headerSize < 40 ||
        width <= 0 || height <= 0 || width > rules.maxSide || height > rules.maxSide) {
        reason = name + ": only uncompressed 24- and 32-bit bottom-up BMP files are taken";
        return false;
    }
    const uint64_t tableAt = 14ull + headerSize;
    if (masked || (bits == 32 && headerSize >= 56)) {
        // Masks follow a 40-byte header, or sit inside a longer one.
        const uint64_t at = headerSize >= 52 ? 54 : tableAt;
        const int count = headerSize >= 56 ? 4 : 3;
        if (at + 4ull * count > data.size()) {
            reason = name + ": pixel data cut short";
            return false;
        }
        for (int i = 0; i < count; ++i) layout.masks[i] = Get32(&data[at + 4 * i]);
        if (!masked) layout.masks[0] = layout.masks[1] = layout.masks[2] = 0;
    }
    if (bits == 16 && !masked) {  // 5-5-5
        layout.masks[0] = 0x7c00;
        layout.masks[1] = 0x03e0;
        layout.masks[2] = 0x001f;
    }
    if (bits == 32 && !masked) {
        layout.masks[0] = 0x00ff0000;
        layout.masks[1] = 0x0000ff00;
        layout.masks[2] = 0x000000ff;
        if (headerSize < 56 || !layout.masks[3]) layout.masks[3] = 0xff000000;
    }
    if (palette) {
        uint32_t count = Get32(&data[46]);
        if (count == 0 || count > (1u << bits)) count = 1u << bits;
        if (tableAt + 4ull * count > data.size()) {
            reason = name + ": pixel data cut short";
            return false;
        }
        layout.palette.assign(data.begin() + static_cast<long>(tableAt),
                              data.begin() + static_cast<long>(tableAt + 4ull * count));
    }
    const size_t row = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (offset > data.size() || data.size() - offset < row * static_cast<size_t>(height)) {
        reason = name + ": pixel data cut short";
        return false;
    }
    const bool alpha = bits == 32 && layout.masks[3];
    const int bpp = alpha ? 4 : 3;
    image.width = width;
    image.height = static_cast<int>(height);
    image.bytesPerPixel = bpp;
    image.pixels.assign(static_cast<size_t>(width) * image.height * bpp, 0);
    for (int y = 0; y < image.height; ++y) {
        const unsigned char* src = &data[offset + row * static_cast<size_t>(topDown ? y : height - 1 - y)];
        unsigned char* dst = &image.pixels[static_cast<size_t>(y) * width * bpp];
        for (int x = 0; x < width; ++x, dst += bpp) {
            if (palette) {
                const unsigned index = bits == 8 ? src[x] : bits == 4 ? src[x / 2] >> (x % 2 ? 0 : 4) & 15
                                                                     : src[x / 8] >> (7 - x % 8) & 1;
                const size_t at = index * 4u;
                const bool known = at + 2 < layout.palette.size();
                for (int c = 0; c < 3; ++c) dst[c] = known ? layout.palette[at + 2 - c] : 0;
            } else if (bits == 24) {
                dst[0] = src[x * 3 + 2];
                dst[1] = src[x * 3 + 1];
                dst[2] = src[x * 3];
            } else {
                const unsigned char* p = src + x * (bits / 8);
                const uint32_t value = bits == 16 ? Get16(p) : Get32(p);
                for (int c = 0; c < bpp; ++c) dst[c] = Channel(value, layout.masks[c]);
            }
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
