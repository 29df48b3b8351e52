// The tools' BMP files: what is written reads back, headers are the ones the
// game and painting programs expect, and readers refuse what they cannot take.
#include "base/Bmp.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

uint32_t Le32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

BmpImage Picture(int width, int height, int bpp) {
    BmpImage image{width, height, bpp, {}};
    for (int i = 0; i < width * height * bpp; ++i) image.pixels.push_back(static_cast<unsigned char>(i * 37));
    return image;
}

TEST(Bmp, WrittenPicturesReadBackWithPaddedBottomUpRows) {
    for (int bpp : {3, 4}) {
        SCOPED_TRACE(bpp);
        const BmpImage in = Picture(3, 2, bpp);
        std::vector<unsigned char> file = EncodeBmp(in.width, in.height, bpp, in.pixels.data(), 2835);
        ASSERT_EQ(file.size(), 54u + 12 * 2);  // 24-bit: 9 bytes a row padded to 12
        EXPECT_EQ(Le32(file, 2), file.size());
        EXPECT_EQ(Le32(file, 28) & 0xffff, static_cast<uint32_t>(bpp * 8));
        EXPECT_EQ(Le32(file, 38), 2835u);
        // The first byte of the file's first row is the blue of the bottom-left pixel.
        EXPECT_EQ(file[54], in.pixels[3 * bpp + 2]);
        BmpImage out;
        std::string reason;
        ASSERT_TRUE(DecodeBmp(file, "x.bmp", BmpReadRules(), out, reason)) << reason;
        EXPECT_EQ(out.width, 3);
        EXPECT_EQ(out.bytesPerPixel, bpp);
        EXPECT_EQ(out.pixels, in.pixels);
    }
}

TEST(Bmp, ReadersTakeOnlyWhatTheirRulesAllow) {
    const BmpImage in = Picture(2, 2, 4);
    std::vector<unsigned char> file = EncodeBmp(2, 2, 4, in.pixels.data());
    BmpImage out;
    std::string reason;
    BmpReadRules small;
    small.maxSide = 1;
    EXPECT_FALSE(DecodeBmp(file, "x.bmp", small, out, reason));
    EXPECT_EQ(reason, "x.bmp: only uncompressed 24- and 32-bit bottom-up BMP files are taken");

    std::vector<unsigned char> topDown = file;
    topDown[22] = 0xfe;  // height -2
    topDown[23] = topDown[24] = topDown[25] = 0xff;
    EXPECT_FALSE(DecodeBmp(topDown, "x.bmp", BmpReadRules(), out, reason));
    BmpReadRules any{8192, true, true};
    ASSERT_TRUE(DecodeBmp(topDown, "x.bmp", any, out, reason)) << reason;
    // Read top-down, the file's first row is the picture's first.
    EXPECT_TRUE(std::equal(in.pixels.begin(), in.pixels.begin() + 8, out.pixels.begin() + 8));

    std::vector<unsigned char> bitfields = file;
    bitfields[30] = 3;
    EXPECT_FALSE(DecodeBmp(bitfields, "x.bmp", BmpReadRules(), out, reason));
    EXPECT_TRUE(DecodeBmp(bitfields, "x.bmp", any, out, reason));

    file.pop_back();
    EXPECT_FALSE(DecodeBmp(file, "x.bmp", any, out, reason));
    EXPECT_EQ(reason, "x.bmp: pixel data cut short");
    EXPECT_FALSE(DecodeBmp({'B', 'A'}, "x.bmp", any, out, reason));
    EXPECT_EQ(reason, "x.bmp: not a BMP file");
    EXPECT_FALSE(ReadBmp("/nonexistent/x.bmp", any, out, reason));
    EXPECT_EQ(reason, "cannot open /nonexistent/x.bmp");
    EXPECT_FALSE(WriteBmp("/tmp/never.bmp", Picture(2, 2, 2)));
}

}  // namespace
