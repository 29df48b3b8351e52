// Every picture the game loads is there, loads the way the game loads it,
// and has the layout the drawing code cuts out of it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "ArtOutput.h"
#include "effects/ParticlePictures.h"

namespace {

struct Expected {
    const char* name;
    bool keyed;  // as the game loads it
    int width = 0, height = 0;  // 0: any size
};

// Every picture of the marker, menus, intro and credits; the particles'
// come from their own list.
const Expected kPictures[] = {
    {"bmp\\barra3.bmp", true},     {"bmp\\numerosB.bmp", true},   {"bmp\\loflipo.bmp", false},
    {"bmp\\MenuBgSI.bmp", false},  {"bmp\\MenuBgSD.bmp", false},  {"bmp\\MenuBgII.bmp", false},
    {"bmp\\MenuBgID.bmp", false},  {"bmp\\quarvell.bmp", false},  {"bmp\\huevohi.bmp", true},
    {"bmp\\burbuja.bmp", false},   {"bmp\\cuernos.bmp", true},    {"bmp\\rayos.bmp", false},
    {"bmp\\Brocanto.bmp", true},   {"bmp\\Truvaldino.bmp", true}, {"bmp\\elverdadero.bmp", false},
    {"bmp\\caricatas.bmp", true},  {"bmp\\bocetosmini.bmp", false},
    {"bmp\\bocetosmini2.bmp", false}, {"bmp\\bocetogrande.bmp", false},
    {"bmp\\bocetogrande2.bmp", false}, {"bmp\\caricatas2.bmp", true},
};

// Pictures drawn with additive blending: empty parts must be black.
const char* const kAdditive[] = {"bmp\\star.bmp",   "bmp\\sunflare.bmp",   "bmp\\circle.bmp",
                                 "bmp\\humo.bmp",   "bmp\\Escupitajo.bmp", "bmp\\burbuja.bmp",
                                 "bmp\\rayos.bmp"};

double Brightness(const Picture& p, int x, int y) {
    const unsigned char* c = PixelOf(p, x, y);
    return (c[0] + c[1] + c[2]) / 3.0;
}

// No covered pixel on the lines x = k * cell (k > 0) and y = k * cell, and
// on the picture's outer edge, unless `allowed` says so.
template <typename Allowed>
int CoveredOnGridLines(const Picture& p, int cellW, int cellH, Allowed allowed) {
    int hits = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const bool onLine = x % cellW == 0 || x % cellW == cellW - 1 || y % cellH == 0 ||
                                y % cellH == cellH - 1;
            if (onLine && Covered(p, x, y) && !allowed(x, y)) ++hits;
        }
    return hits;
}

}  // namespace

TEST(PictureLayoutTest, EveryPictureLoadsAsTheGameLoadsIt) {
    ASSERT_FALSE(ArtFolder().empty());
    std::vector<Expected> pictures;
    for (const ParticlePicture& p : kParticlePictures)
        pictures.push_back({p.file, p.keyed, p.width, p.height});
    pictures.insert(pictures.end(), std::begin(kPictures), std::end(kPictures));
    for (const Expected& e : pictures) {
        SCOPED_TRACE(e.name);
        Picture picture;
        ASSERT_TRUE(LoadArt(e.name, e.keyed, &picture));
        EXPECT_GE(picture.width, 64);
        EXPECT_GE(picture.height, 64);
        if (e.width) {
            EXPECT_EQ(e.width, picture.width);
            EXPECT_EQ(e.height, picture.height);
        }
        if (e.keyed) {
            // Something is drawn and something is see-through.
            const int covered = CoveredIn(picture, 0, 0, picture.width, picture.height);
            EXPECT_GT(covered, 0);
            EXPECT_LT(covered, picture.width * picture.height);
        }
    }
    // The stage asks for the numerals in lower case; the lookup finds them.
    Picture lower;
    EXPECT_TRUE(LoadArt("bmp\\numerosb.bmp", true, &lower));
}

TEST(PictureLayoutTest, AdditivePicturesAreLightOnBlack) {
    for (const char* name : kAdditive) {
        SCOPED_TRACE(name);
        Picture p;
        ASSERT_TRUE(LoadArt(name, false, &p));
        // Corners add nothing; the middle of the picture lights up.
        EXPECT_LT(Brightness(p, 0, 0), 4);
        EXPECT_LT(Brightness(p, p.width - 1, p.height - 1), 4);
        double brightest = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) brightest = std::max(brightest, Brightness(p, x, y));
        EXPECT_GT(brightest, 200);
    }
}

TEST(PictureLayoutTest, NumeralsFillTheirCellsWithoutCrossingThem) {
    Picture p;
    ASSERT_TRUE(LoadArt("bmp\\numerosB.bmp", true, &p));
    ASSERT_EQ(p.width % 4, 0);
    ASSERT_EQ(p.height % 4, 0);
    const int cw = p.width / 4, ch = p.height / 4;
    for (int d = 0; d <= 9; ++d) {
        SCOPED_TRACE(d);
        const int x0 = (d % 4) * cw, y0 = (d / 4) * ch;
        EXPECT_GT(CoveredIn(p, x0, y0, x0 + cw, y0 + ch), cw * ch / 10);
    }
    // The unlimited-time sign spans the first two cells of row 3, "VS" the
    // lower right quarter.
    EXPECT_GT(CoveredIn(p, 0, 3 * ch, cw, 4 * ch), cw * ch / 20);
    EXPECT_GT(CoveredIn(p, cw, 3 * ch, 2 * cw, 4 * ch), cw * ch / 20);
    EXPECT_GT(CoveredIn(p, 2 * cw, 2 * ch, 4 * cw, 4 * ch), cw * ch);
    // Nothing crosses a cell edge, except inside the two wide signs.
    const int crossing = CoveredOnGridLines(p, cw, ch, [&](int x, int y) {
        const bool insideVs = x > 2 * cw && x < 4 * cw - 1 && y > 2 * ch && y < 4 * ch - 1;
        const bool insideSign = y > 3 * ch && y < 4 * ch - 1 && x > 0 && x < 2 * cw - 1;
        return insideVs || insideSign;
    });
    EXPECT_EQ(crossing, 0);
}

TEST(PictureLayoutTest, BarStripsLineUpAndStayInTheirQuarters) {
    Picture p;
    ASSERT_TRUE(LoadArt("bmp\\barra3.bmp", true, &p));
    const int strip = p.height / 4;
    ASSERT_EQ(strip * 4, p.height);
    // Each strip keeps to itself: no ink on its first or last row; the
    // fourth is unused.
    EXPECT_EQ(CoveredOnGridLines(p, p.width + 1, strip, [](int, int) { return false; }), 0);
    EXPECT_EQ(CoveredIn(p, 0, 3 * strip, p.width, p.height), 0);
    // Columns covered by each strip.
    auto columns = [&](int s) {
        int first = p.width, last = -1;
        for (int y = s * strip; y < (s + 1) * strip; ++y)
            for (int x = 0; x < p.width; ++x)
                if (Covered(p, x, y)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return std::make_pair(first, last);
    };
    const auto frame = columns(0), life = columns(1), power = columns(2);
    // The life fill reaches across the bar (the game cuts it at 0.25..1.0
    // of the width) and the power fill to at least 0.6 of it, both inside
    // the frame.
    EXPECT_GT(life.second, p.width * 0.9);
    EXPECT_GT(power.second, p.width * 0.55);
    EXPECT_GE(life.first, frame.first);
    EXPECT_LE(life.second, frame.second);
    EXPECT_GE(power.first, frame.first);
    EXPECT_LE(power.second, frame.second);
    // Every filled pixel lies over the frame, so no fill sticks out of it.
    int outside = 0;
    for (int s = 1; s <= 2; ++s)
        for (int y = 0; y < strip; ++y)
            for (int x = 0; x < p.width; ++x)
                if (Covered(p, x, s * strip + y) && !Covered(p, x, y)) ++outside;
    EXPECT_EQ(outside, 0);
    // The arcade score is written at the top left corner (0.15 x 0.045 of
    // the screen; the bar is 0.43 x 0.15 of it): no strip draws there.
    const int sw = static_cast<int>(p.width * 0.15 / 0.43), sh = static_cast<int>(strip * 0.045 / 0.15);
    for (int s = 0; s < 3; ++s) EXPECT_EQ(CoveredIn(p, 0, s * strip, sw, s * strip + sh), 0) << s;
}

TEST(PictureLayoutTest, TheBigEggLeavesTheCaptionRowsFree) {
    // Drawn 0.85 of the screen tall from the top; captions from 0.76 down.
    Picture p;
    ASSERT_TRUE(LoadArt("bmp\\huevohi.bmp", true, &p));
    const int firstCaptionRow = static_cast<int>(p.height * 0.76 / 0.85);
    EXPECT_EQ(CoveredIn(p, 0, firstCaptionRow, p.width, p.height), 0);
    EXPECT_GT(CoveredIn(p, 0, 0, p.width, firstCaptionRow), p.width * p.height / 2);
}

TEST(PictureLayoutTest, BoltsAreFourFramesStacked) {
    Picture p;
    ASSERT_TRUE(LoadArt("bmp\\rayos.bmp", false, &p));
    const int frame = p.height / 4;
    ASSERT_EQ(frame * 4, p.height);
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        double brightest = 0, edge = 0;
        for (int y = f * frame; y < (f + 1) * frame; ++y)
            for (int x = 0; x < p.width; ++x) {
                const double b = Brightness(p, x, y);
                brightest = std::max(brightest, b);
                if (y == f * frame || y == (f + 1) * frame - 1) edge = std::max(edge, b);
            }
        EXPECT_GT(brightest, 200);
        // A bolt cut by the frame's edge would flash a line on screen.
        EXPECT_LT(edge, 16);
    }
}

TEST(PictureLayoutTest, CaricaturesSitInsideTheRectanglesTheCreditsCut) {
    struct Rect {
        double u0, v0, u1, v1;
    };
    const Rect kSheet[] = {{0, 0, 0.3, 0.3},     {0.3, 0, 0.65, 0.5},   {0.7, 0.4, 1.0, 0.8},
                           {0, 0.3, 0.3, 0.65},  {0.7, 0, 1.0, 0.35},   {0.3, 0.5, 0.65, 0.8}};
    Picture p;
    ASSERT_TRUE(LoadArt("bmp\\caricatas.bmp", true, &p));
    int outside = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            if (!Covered(p, x, y)) continue;
            const double u = (x + 0.5) / p.width, v = (y + 0.5) / p.height;
            bool inside = false;
            for (const Rect& r : kSheet) inside |= u > r.u0 && u < r.u1 && v > r.v0 && v < r.v1;
            if (!inside) ++outside;
        }
    EXPECT_EQ(outside, 0);
    for (const Rect& r : kSheet) {
        const int x0 = static_cast<int>(r.u0 * p.width), x1 = static_cast<int>(r.u1 * p.width);
        const int y0 = static_cast<int>(r.v0 * p.height), y1 = static_cast<int>(r.v1 * p.height);
        EXPECT_GT(CoveredIn(p, x0, y0, x1, y1), (x1 - x0) * (y1 - y0) / 25)
            << "rectangle at " << r.u0 << ", " << r.v0;
    }

    Picture closing;
    ASSERT_TRUE(LoadArt("bmp\\caricatas2.bmp", true, &closing));
    const int w = static_cast<int>(0.66 * closing.width), h = static_cast<int>(0.2 * closing.height);
    const int all = CoveredIn(closing, 0, 0, closing.width, closing.height);
    EXPECT_GT(all, w * h / 4);
    EXPECT_EQ(CoveredIn(closing, 0, 0, w, h), all);
}

TEST(PictureLayoutTest, MenuQuartersJoinIntoOnePicture) {
    const char* const names[4] = {"bmp\\MenuBgSI.bmp", "bmp\\MenuBgSD.bmp", "bmp\\MenuBgII.bmp",
                                  "bmp\\MenuBgID.bmp"};
    Picture q[4];
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(LoadArt(names[i], false, &q[i])) << names[i];
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(q[i].width, q[0].width);
        EXPECT_EQ(q[i].height, q[0].height);
    }
    // Across a seam neighbouring pixels are alike; across swapped quarters
    // they are not.
    auto seam = [](const Picture& a, const Picture& b, bool vertical) {
        double total = 0;
        const int n = vertical ? a.height : a.width;
        for (int i = 0; i < n; ++i) {
            const unsigned char* pa = vertical ? PixelOf(a, a.width - 1, i) : PixelOf(a, i, a.height - 1);
            const unsigned char* pb = vertical ? PixelOf(b, 0, i) : PixelOf(b, i, 0);
            for (int c = 0; c < 3; ++c) total += std::abs(pa[c] - pb[c]);
        }
        return total / (n * 3);
    };
    EXPECT_LT(seam(q[0], q[1], true), 12);
    EXPECT_LT(seam(q[2], q[3], true), 12);
    EXPECT_LT(seam(q[0], q[2], false), 12);
    EXPECT_LT(seam(q[1], q[3], false), 12);
    // White texts need a dark ground: the board (0.03..0.97 x 0.25..0.86
    // of the screen) and the help strip (0..0.75 x 0.89..1.0), which is
    // also plain. Each quarter is a quarter of the screen.
    auto brightest = [&](double x0, double y0, double x1, double y1, double* spread) {
        double lo = 255, hi = 0;
        for (double y = y0; y < y1; y += 0.005)
            for (double x = x0; x < x1; x += 0.005) {
                const int qi = (x >= 0.5) + 2 * (y >= 0.5);
                const Picture& pq = q[qi];
                const int px = static_cast<int>((x - 0.5 * (qi % 2)) * 2 * pq.width);
                const int py = static_cast<int>((y - 0.5 * (qi / 2)) * 2 * pq.height);
                const double b = Brightness(pq, px, py);
                lo = std::min(lo, b);
                hi = std::max(hi, b);
            }
        *spread = hi - lo;
        return hi;
    };
    double spread = 0;
    EXPECT_LT(brightest(0.03, 0.25, 0.97, 0.86, &spread), 90);
    EXPECT_LT(brightest(0.0, 0.89, 0.75, 1.0, &spread), 60);
    EXPECT_LT(spread, 24);
}

TEST(PictureLayoutTest, VersusBackdropRepeatsWithoutASeam) {
    Picture p;
    ASSERT_TRUE(LoadArt("bmp\\loflipo.bmp", false, &p));
    double total = 0;
    for (int y = 0; y < p.height; ++y)
        for (int c = 0; c < 3; ++c)
            total += std::abs(PixelOf(p, 0, y)[c] - PixelOf(p, p.width - 1, y)[c]);
    EXPECT_LT(total / (p.height * 3), 16);
}

TEST(PictureLayoutTest, CreditsFontFollowsTheGameFontsGridOnWhite) {
    Picture credits, game;
    ASSERT_TRUE(LoadArt("bmp\\fuenteCreditos.bmp", true, &credits, 255, 255, 255));
    ASSERT_TRUE(LoadArt("bmp\\fuenteZeltor.bmp", true, &game, 0, 255, 0));
    EXPECT_EQ(credits.width, game.width);
    EXPECT_EQ(credits.height, game.height);
    const int cell = credits.width / 16;
    // The same cells hold glyphs in both fonts.
    for (int code = 0; code < 256; ++code) {
        const int x0 = (code % 16) * cell, y0 = (code / 16) * cell;
        EXPECT_EQ(CoveredIn(credits, x0, y0, x0 + cell, y0 + cell) > 0,
                  CoveredIn(game, x0, y0, x0 + cell, y0 + cell) > 0)
            << "code " << code;
    }
    // The ink is not white: it would vanish with the key.
    for (int y = 0; y < credits.height; ++y)
        for (int x = 0; x < credits.width; ++x)
            if (Covered(credits, x, y)) {
                const unsigned char* c = PixelOf(credits, x, y);
                ASSERT_FALSE(c[0] == 255 && c[1] == 255 && c[2] == 255) << x << ", " << y;
            }
}
