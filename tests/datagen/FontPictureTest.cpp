#include <gtest/gtest.h>

#include "DatagenOutput.h"

namespace {

const int kCell = 32;

bool IsKey(Rgb p) { return p.r == 0 && p.g == 255 && p.b == 0; }

struct CellInk {
    int pixels = 0, white = 0;
    int left = kCell, right = -1, top = kCell, bottom = -1;        // any glyph pixel
    int whiteTop = kCell, whiteBottom = -1;                        // bright ink only
};

CellInk InkOf(const SDL_Surface* font, int code) {
    CellInk ink;
    const int x0 = (code % 16) * kCell, y0 = (code / 16) * kCell;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            Rgb p = PixelAt(font, x0 + x, y0 + y);
            if (IsKey(p)) continue;
            ++ink.pixels;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            if (p.r >= 200) {
                ++ink.white;
                ink.whiteTop = std::min(ink.whiteTop, y);
                ink.whiteBottom = std::max(ink.whiteBottom, y);
            }
        }
    return ink;
}

class FontPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(GeneratedFolder().empty());
        font_ = LoadRgb(GeneratedFolder() + "/bmp/fuenteZeltor.bmp");
        ASSERT_NE(font_, nullptr) << SDL_GetError();
    }
    void TearDown() override {
        if (font_) SDL_FreeSurface(font_);
    }
    SDL_Surface* font_ = nullptr;
};

}  // namespace

TEST_F(FontPictureTest, Is512SquareAndEveryPixelKeyOrGrey) {
    EXPECT_EQ(font_->w, 512);
    EXPECT_EQ(font_->h, 512);
    std::string bytes = ReadWhole(GeneratedFolder() + "/bmp/fuenteZeltor.bmp");
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // 24 bits per pixel
    int key = 0, off = 0;
    for (int y = 0; y < font_->h; ++y)
        for (int x = 0; x < font_->w; ++x) {
            Rgb p = PixelAt(font_, x, y);
            if (IsKey(p))
                ++key;
            else if (!(p.r == p.g && p.g == p.b))
                ++off;
        }
    EXPECT_EQ(off, 0) << "pixels neither key green nor grey";
    EXPECT_GT(key, 512 * 512 / 2) << "background is key green";
}

TEST_F(FontPictureTest, CellsWithoutGlyphsStayEmpty) {
    for (int code = 0; code < 256; ++code) {
        bool empty = code <= 32 || (code >= 127 && code <= 160);
        if (!empty) continue;
        SCOPED_TRACE(code);
        EXPECT_EQ(InkOf(font_, code).pixels, 0);
    }
}

TEST_F(FontPictureTest, EveryPrintableCodeHasAGlyph) {
    // The soft hyphen (173) is the only printable code a font may leave blank.
    for (int code = 33; code < 256; ++code) {
        if ((code >= 127 && code <= 160) || code == 173) continue;
        SCOPED_TRACE(code);
        CellInk ink = InkOf(font_, code);
        EXPECT_GT(ink.white, 0);
        EXPECT_EQ(ink.left, 2) << "glyphs start at x = 2 of their cell";
    }
}

TEST_F(FontPictureTest, CapitalsSitOnTheBaselineAtAboutTwentyPixels) {
    for (int code : {'A', 'H', 'E', 'Z'}) {
        SCOPED_TRACE(static_cast<char>(code));
        CellInk ink = InkOf(font_, code);
        EXPECT_EQ(ink.whiteBottom, 24) << "baseline at y = 25";
        int height = ink.whiteBottom - ink.whiteTop + 1;
        EXPECT_GE(height, 17);
        EXPECT_LE(height, 20);
        EXPECT_GE(ink.bottom, 25) << "outline below the ink";
        EXPECT_LE(ink.bottom, 26);
    }
}

TEST_F(FontPictureTest, SpanishLettersCarryTheirMarks) {
    CellInk plainN = InkOf(font_, 'N');
    CellInk tildeN = InkOf(font_, 0xD1);  // Ñ
    EXPECT_GT(tildeN.white, plainN.white);
    EXPECT_LT(tildeN.top, plainN.top) << "the tilde stands above the N";
    EXPECT_GE(tildeN.top, 0);
    CellInk question = InkOf(font_, 0xBF);  // ¿
    CellInk exclamation = InkOf(font_, 0xA1);  // ¡
    EXPECT_GT(question.white, 0);
    EXPECT_GT(exclamation.white, 0);
    for (int code : {0xC1, 0xC9, 0xCD, 0xD3, 0xDA, 0xDC}) {  // Á É Í Ó Ú Ü
        SCOPED_TRACE(code);
        EXPECT_GT(InkOf(font_, code).white, 0);
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
