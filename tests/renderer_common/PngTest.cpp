#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "plugins/renderer_common/Picture.h"

namespace {

const std::string kDir = std::string(CORRALON_TEST_BIN_DIR) + "/png_test";

uint32_t U32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

struct DecodedPng {
    uint32_t width = 0, height = 0;
    int colourType = -1;
    std::vector<std::string> chunkOrder;
    std::vector<unsigned char> pixels;  // filter bytes removed
};

// Decodes what our writer produces: checks signature, every CRC and the
// filter byte of every row.
bool DecodePng(const std::string& path, DecodedPng* out) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<unsigned char> b;
    int c;
    while ((c = fgetc(f)) != EOF) b.push_back(static_cast<unsigned char>(c));
    fclose(f);
    const unsigned char sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (b.size() < 8 || memcmp(b.data(), sig, 8) != 0) return false;
    std::vector<unsigned char> idat;
    size_t pos = 8;
    while (pos + 12 <= b.size()) {
        uint32_t len = U32(&b[pos]);
        if (pos + 12 + len > b.size()) return false;
        std::string type(reinterpret_cast<const char*>(&b[pos + 4]), 4);
        const unsigned char* data = &b[pos + 8];
        uLong crc = crc32(crc32(0L, Z_NULL, 0), &b[pos + 4], len + 4);
        if (crc != U32(&b[pos + 8 + len])) return false;
        out->chunkOrder.push_back(type);
        if (type == "IHDR" && len == 13) {
            out->width = U32(data);
            out->height = U32(data + 4);
            if (data[8] != 8) return false;
            out->colourType = data[9];
        } else if (type == "IDAT") {
            idat.insert(idat.end(), data, data + len);
        }
        pos += 12 + len;
    }
    if (pos != b.size()) return false;
    int channels = out->colourType == 6 ? 4 : out->colourType == 2 ? 3 : 0;
    if (!channels) return false;
    size_t rowBytes = out->width * channels;
    std::vector<unsigned char> raw((rowBytes + 1) * out->height);
    uLongf rawSize = raw.size();
    if (uncompress(raw.data(), &rawSize, idat.data(), idat.size()) != Z_OK) return false;
    if (rawSize != raw.size()) return false;
    for (uint32_t y = 0; y < out->height; ++y) {
        if (raw[y * (rowBytes + 1)] != 0) return false;
        const unsigned char* row = &raw[y * (rowBytes + 1) + 1];
        out->pixels.insert(out->pixels.end(), row, row + rowBytes);
    }
    return true;
}

Picture Gradient(int w, int h, int bpp) {
    Picture p;
    p.width = w;
    p.height = h;
    p.bytesPerPixel = bpp;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < bpp; ++c)
                p.pixels.push_back(static_cast<unsigned char>(x * 7 + y * 13 + c * 61));
    return p;
}

}  // namespace

TEST(PngTest, RoundTripsRgbAndRgba) {
    ASSERT_EQ(system(("mkdir -p '" + kDir + "'").c_str()), 0);
    for (int bpp : {3, 4}) {
        SCOPED_TRACE(bpp);
        Picture p = Gradient(37, 11, bpp);  // odd width: no accidental alignment
        std::string path = kDir + "/shot" + std::to_string(bpp) + ".png";
        ASSERT_TRUE(SavePicturePng(path.c_str(), p));
        DecodedPng d;
        ASSERT_TRUE(DecodePng(path, &d));
        EXPECT_EQ(d.width, 37u);
        EXPECT_EQ(d.height, 11u);
        EXPECT_EQ(d.colourType, bpp == 4 ? 6 : 2);
        EXPECT_EQ(d.chunkOrder, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
        EXPECT_EQ(d.pixels, p.pixels);
    }
}

TEST(PngTest, RefusesPicturesItCannotWrite) {
    ASSERT_EQ(system(("mkdir -p '" + kDir + "'").c_str()), 0);
    std::string path = kDir + "/refused.png";
    remove(path.c_str());
    Picture twoBytes = Gradient(4, 4, 2);
    EXPECT_FALSE(SavePicturePng(path.c_str(), twoBytes));
    Picture shortBuffer = Gradient(4, 4, 3);
    shortBuffer.pixels.resize(10);
    EXPECT_FALSE(SavePicturePng(path.c_str(), shortBuffer));
    Picture empty;
    empty.bytesPerPixel = 4;
    EXPECT_FALSE(SavePicturePng(path.c_str(), empty));
    FILE* f = fopen(path.c_str(), "rb");
    EXPECT_EQ(f, nullptr) << "a refused picture must not leave a file";
    if (f) fclose(f);
    EXPECT_FALSE(SavePicturePng((kDir + "/no_such_folder/x.png").c_str(), Gradient(2, 2, 3)));
}
