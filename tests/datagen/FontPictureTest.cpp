#include <gtest/gtest.h>

#include <algorithm>

#include "DatagenOutput.h"

#include "base/Bmp.h"

namespace {

const int kCell = 64;
const int kBaseline = 50;

struct CellInk {
    int pixels = 0, white = 0;
    int left = kCell, right = -1, top = kCell, bottom = -1;  // any glyph pixel (alpha)
    int whiteTop = kCell, whiteBottom = -1;                  // bright ink only
};

class FontPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(GeneratedFolder().empty());
        std::string reason;
        ASSERT_TRUE(ReadBmp(GeneratedFolder() + "/bmp/fuenteZeltor.bmp", BmpReadRules(), font_,
                            reason))
            << reason;
    }
    const unsigned char* At(int x, int y) const {
        return &font_.pixels[(static_cast<size_t>(y) * font_.width + x) * 4];
    }
    CellInk InkOf(int code) const {
        CellInk ink;
        const int x0 = (code % 16) * kCell, y0 = (code / 16) * kCell;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                const unsigned char* p = At(x0 + x, y0 + y);
                if (p[3] < 128) continue;
                ++ink.pixels;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                if (p[0] >= 200) {
                    ++ink.white;
                    ink.whiteTop = std::min(ink.whiteTop, y);
                    ink.whiteBottom = std::max(ink.whiteBottom, y);
                }
            }
        return ink;
    }
    BmpImage font_;
};

}  // namespace

TEST_F(FontPictureTest, Is1024SquareWithSoftEdgesOverTheKeyGreen) {
    ASSERT_EQ(font_.width, 1024);
    ASSERT_EQ(font_.height, 1024);
    ASSERT_EQ(font_.bytesPerPixel, 4);
    int soft = 0, off = 0;
    for (int y = 0; y < font_.height; ++y)
        for (int x = 0; x < font_.width; ++x) {
            const unsigned char* p = At(x, y);
            if (p[3] == 0)
                off += !(p[0] == 0 && p[1] == 255 && p[2] == 0);
            else
                off += !(p[0] == p[1] && p[1] == p[2]);
            soft += p[3] > 0 && p[3] < 255;
        }
    EXPECT_EQ(off, 0) << "pixels neither clear key green nor grey glyph";
    EXPECT_GT(soft, 1000) << "edges are smooth, not cut";
}

TEST_F(FontPictureTest, EveryPrintableCodeHasAGlyphAndEmptyCellsStayEmpty) {
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        const CellInk ink = InkOf(code);
        if (code <= 32 || (code >= 127 && code <= 160)) {
            EXPECT_EQ(ink.pixels, 0);
        } else if (code != 173) {  // the soft hyphen may stay blank
            EXPECT_GT(ink.white, 0);
            EXPECT_LE(ink.left, 5) << "glyphs start at x = 4 of their cell";
        }
    }
}

TEST_F(FontPictureTest, CapitalsSitOnTheBaselineTailsAndMarksInTheirCells) {
    const CellInk h = InkOf('H');
    EXPECT_EQ(h.whiteBottom, kBaseline - 1);
    const int capital = h.whiteBottom - h.whiteTop + 1;
    EXPECT_GE(capital, 34);
    EXPECT_LE(capital, 38);
    // J and Q reach below the baseline at the capitals' own size.
    for (int code : {'J', 'Q'}) {
        const CellInk tail = InkOf(code);
        EXPECT_GT(tail.whiteBottom, kBaseline) << static_cast<char>(code);
        EXPECT_LE(tail.whiteTop, h.whiteTop + 1) << static_cast<char>(code);
    }
    const CellInk tildeN = InkOf(0xD1);  // Ñ
    EXPECT_LT(tildeN.top, InkOf('N').top) << "the tilde stands above the N";
    EXPECT_EQ(tildeN.whiteBottom, kBaseline - 1) << "at the capitals' size";
    for (int code : {0xBF, 0xA1, 0xC1, 0xC9, 0xCD, 0xD3, 0xDA, 0xDC}) {  // ¿ ¡ Á É Í Ó Ú Ü
        SCOPED_TRACE(code);
        EXPECT_GT(InkOf(code).white, 0);
    }
}

TEST(ArrowPictureTest, FourArrowsOnMagenta) {
    ASSERT_FALSE(GeneratedFolder().empty());
    SDL_Surface* arrows = LoadRgb(GeneratedFolder() + "/bmp/flechas.bmp");
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(arrows->w, 128);
    EXPECT_EQ(arrows->h, 128);
    auto isKey = [](Rgb p) { return p.r == 255 && p.g == 0 && p.b == 255; };
    auto isWhite = [](Rgb p) { return p.r == 255 && p.g == 255 && p.b == 255; };
    for (int cell = 0; cell < 4; ++cell) {
        SCOPED_TRACE(cell);
        int x0 = (cell % 2) * 64, y0 = (cell / 2) * 64;
        EXPECT_TRUE(isKey(PixelAt(arrows, x0, y0)));
        EXPECT_TRUE(isKey(PixelAt(arrows, x0 + 63, y0 + 63)));
        EXPECT_TRUE(isWhite(PixelAt(arrows, x0 + 32, y0 + 32)));
    }
    // Up, down, left, right: the tip is white near the edge it points to.
    EXPECT_TRUE(isWhite(PixelAt(arrows, 32, 10)));
    EXPECT_TRUE(isKey(PixelAt(arrows, 32 + 20, 10)));
    EXPECT_TRUE(isWhite(PixelAt(arrows, 64 + 32, 53)));
    EXPECT_TRUE(isWhite(PixelAt(arrows, 10, 64 + 32)));
    EXPECT_TRUE(isWhite(PixelAt(arrows, 64 + 53, 64 + 32)));
    SDL_FreeSurface(arrows);
}
