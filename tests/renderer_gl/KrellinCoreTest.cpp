// The renderer's parts that need no GL context.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plugins/renderer_gl/BlendModes.h"
#include "plugins/renderer_gl/FontMetrics.h"
#include "plugins/renderer_gl/KrellinSettings.h"
#include "plugins/renderer_gl/ScreenshotFiles.h"
#include "plugins/renderer_gl/SpriteQueue.h"
#include "plugins/renderer_gl/TextureUpload.h"
#include "plugins/renderer_gl/ViewMapping.h"
#include "tests/TestFolder.h"

TEST(KrellinView, LetterboxKeepsFourToThreeCentred) {
    PixelRect same = LetterboxRect(800, 600);
    EXPECT_EQ(same.x, 0);
    EXPECT_EQ(same.y, 0);
    EXPECT_EQ(same.width, 800);
    EXPECT_EQ(same.height, 600);
    PixelRect wide = LetterboxRect(1920, 1080);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.x, 240);
    PixelRect tall = LetterboxRect(800, 1000);
    EXPECT_EQ(tall.width, 800);
    EXPECT_EQ(tall.height, 600);
    EXPECT_EQ(tall.y, 200);
    PixelRect empty = LetterboxRect(0, 600);
    EXPECT_EQ(empty.width, 0);
    PixelRect huge = LetterboxRect(2000000000, 3);
    EXPECT_EQ(huge.width, 4);
    EXPECT_GE(huge.x, 0);
}

TEST(KrellinView, ScaleSeventyShowsExactlyTheScreen) {
    ViewMapping normal(70.0f);
    EXPECT_NEAR(normal.NdcX(0.0f), -1.0f, 1e-5f);
    EXPECT_NEAR(normal.NdcX(1.0f), 1.0f, 1e-5f);
    EXPECT_NEAR(normal.NdcY(0.0f), 1.0f, 1e-5f);  // y down becomes y up
    EXPECT_NEAR(normal.NdcY(1.0f), -1.0f, 1e-5f);
    // No scale shows past the screen: past it there is no stage and no fade.
    for (float scale = -10.0f; scale <= 300.0f; scale += 0.25f) {
        EXPECT_LE(ViewExtent(scale), 1.0f) << scale;
        EXPECT_GT(ViewExtent(scale), 0.0f) << scale;
    }
    EXPECT_LT(ViewExtent(50.0f), 1.0f);
    ViewMapping close(50.0f);
    EXPECT_NEAR(close.NdcX(0.5f), 0.0f, 1e-6f);
    EXPECT_EQ(ClampViewScale(180.0f, 70.0f), 170.0f);
    EXPECT_EQ(ClampViewScale(0.0f, 70.0f), 1.0f);
    EXPECT_EQ(ClampViewScale(INFINITY, 80.0f), 80.0f);
    EXPECT_EQ(ClampViewScale(NAN, 80.0f), 80.0f);
}

TEST(KrellinBlend, OverlayModesMapToTheirBlends) {
    EXPECT_EQ(BlendKindFor(0, 3), BlendKind::Opaque);
    EXPECT_EQ(BlendKindFor(1, 1), BlendKind::Alpha);
    EXPECT_EQ(BlendKindFor(1, 3), BlendKind::Additive);
    EXPECT_EQ(BlendKindFor(1, 4), BlendKind::Shadow);
    EXPECT_EQ(BlendKindFor(1, 5), BlendKind::SoftLight);
    EXPECT_EQ(BlendKindFor(1, 0), BlendKind::Alpha);
    EXPECT_EQ(BlendKindFor(1, 99), BlendKind::Alpha);
    EXPECT_FALSE(BlendSetupFor(BlendKind::Opaque).enabled);
    EXPECT_FLOAT_EQ(BlendSetupFor(BlendKind::Opaque).alphaCut, 0.5f);
    EXPECT_EQ(BlendSetupFor(BlendKind::Shadow).source, static_cast<GLenum>(GL_ZERO));
}

TEST(KrellinQueue, RunsMergeOnlyForTheSameTextureAndBlend) {
    SpriteQueue queue;
    queue.Append(1, BlendKind::Alpha, 6);
    queue.Append(1, BlendKind::Alpha, 6);
    queue.Append(2, BlendKind::Alpha, 3);
    queue.Append(2, BlendKind::Additive, 6);
    queue.Append(1, BlendKind::Alpha, 6);
    EXPECT_EQ(queue.Append(1, BlendKind::Alpha, 0), nullptr);
    ASSERT_EQ(queue.Runs().size(), 4u);
    EXPECT_EQ(queue.Runs()[0].count, 12);
    EXPECT_EQ(queue.Runs()[1].first, 12);
    EXPECT_EQ(queue.Runs()[3].first, 21);
    EXPECT_EQ(queue.Vertices().size(), 27u);
    EXPECT_TRUE(queue.UsesTexture(2));
    EXPECT_FALSE(queue.UsesTexture(3));
    const SpriteVertex* before = queue.Vertices().data();
    queue.Clear();
    EXPECT_TRUE(queue.Empty());
    queue.Append(5, BlendKind::Opaque, 27);
    EXPECT_EQ(queue.Vertices().data(), before) << "storage not kept between frames";
}

namespace {

// A 16 x 16 grid of 8-pixel cells; cell 'I' has a 2-wide bar at x 3..4,
// cell 'W' a 6-wide block at x 1..6, the rest empty.
std::vector<unsigned char> GridFont() {
    const int side = 128;
    std::vector<unsigned char> p(side * side * 4, 0);
    auto fill = [&](int c, int from, int to) {
        const int cx = (c % 16) * 8, cy = (c / 16) * 8;
        for (int y = 1; y < 7; ++y)
            for (int x = from; x < to; ++x) p[((cy + y) * side + cx + x) * 4 + 3] = 255;
    };
    fill('I', 3, 5);
    fill('W', 1, 7);
    return p;
}

}  // namespace

TEST(KrellinFont, GlyphExtentsComeFromTheAlpha) {
    std::vector<unsigned char> font = GridFont();
    FontMetrics metrics;
    ASSERT_TRUE(metrics.Measure(font.data(), 128, 128, 4));
    EXPECT_EQ(metrics.CellWidth(), 8);
    EXPECT_FALSE(metrics.Glyph('I').empty);
    EXPECT_EQ(metrics.Glyph('I').left, 3);
    EXPECT_EQ(metrics.Glyph('I').right, 5);
    EXPECT_EQ(metrics.Glyph('W').left, 1);
    EXPECT_EQ(metrics.Glyph('W').right, 7);
    EXPECT_TRUE(metrics.Glyph(' ').empty);
    EXPECT_FLOAT_EQ(metrics.Advance('I'), 2.0f / 8 + FontMetrics::kGap);
    EXPECT_FLOAT_EQ(metrics.Advance(' '), FontMetrics::kEmptyAdvance);
    EXPECT_FLOAT_EQ(metrics.LineWidth("WI\nWWWW"), 6.0f / 8 + FontMetrics::kGap + 2.0f / 8);
    EXPECT_FLOAT_EQ(metrics.LineWidth(""), 0.0f);
}

TEST(KrellinFont, UnusablePicturesMeasureNothing) {
    FontMetrics metrics;
    std::vector<unsigned char> small(8 * 8 * 4, 255);
    EXPECT_FALSE(metrics.Measure(small.data(), 8, 8, 4));
    EXPECT_FALSE(metrics.Ready());
    EXPECT_FALSE(metrics.Measure(nullptr, 128, 128, 4));
    std::vector<unsigned char> rgb(32 * 32 * 3, 0);
    ASSERT_TRUE(metrics.Measure(rgb.data(), 32, 32, 3));
    EXPECT_EQ(metrics.Glyph('A').right, 2);  // no alpha: whole cells
}

TEST(KrellinUpload, TransparentPixelsTakeTheirNeighboursColour) {
    // Blue opaque left column, magenta transparent right column.
    const unsigned char pixels[] = {0, 0, 255, 255, 255, 0, 255, 0,
                                    0, 0, 255, 255, 255, 0, 255, 0};
    std::vector<unsigned char> out;
    ASSERT_TRUE(BleedTransparentColours(pixels, 2, 2, &out));
    EXPECT_EQ(out[4], 0);
    EXPECT_EQ(out[6], 255);
    EXPECT_EQ(out[7], 0);  // still transparent
    EXPECT_EQ(out[0], 0);  // opaque pixels unchanged
    const unsigned char opaque[] = {1, 2, 3, 255};
    EXPECT_FALSE(BleedTransparentColours(opaque, 1, 1, &out));
    const unsigned char lonely[] = {9, 9, 9, 0};
    ASSERT_TRUE(BleedTransparentColours(lonely, 1, 1, &out));
    EXPECT_EQ(out[0], 0);
}

TEST(KrellinSettingsFile, DefaultsAndValidValues) {
    struct Case {
        const char* text;  // null: no file
        int width, height;
        bool fullscreen, vsync;
    };
    const Case cases[] = {
        {nullptr, 800, 600, false, false},
        {"[otra]\nancho = 300\n[ventana]\nancho = 1024\nalto = 768\npantallacompleta = 1\nvsync = 1\n",
         1024, 768, true, true},
        {"[ventana]\nancho = -5\nalto = 99999999999\npantallacompleta = si\nvsync = 2\n", 800, 600,
         false, false},
    };
    TestFolder folder;
    ASSERT_EQ(system("mkdir -p cfg"), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "no file");
        if (c.text) TestFolder::Write("cfg/krellin.txt", c.text);
        const KrellinSettings got = ReadKrellinSettings("cfg\\krellin.txt");
        EXPECT_EQ(got.width, c.width);
        EXPECT_EQ(got.height, c.height);
        EXPECT_EQ(got.fullscreen, c.fullscreen);
        EXPECT_EQ(got.vsync, c.vsync);
    }
}

TEST(KrellinScreenshots, NamesCountPastExistingFiles) {
    TestFolder folder;
    EXPECT_TRUE(EnsureScreenshotFolder(kScreenshotFolder));
    EXPECT_TRUE(EnsureScreenshotFolder(kScreenshotFolder));
    TestFolder::Write("screenshots/krellin0001.png", "x");
    TestFolder::Write("screenshots/krellin0002.png", "x");
    int counter = 1;
    EXPECT_EQ(NextScreenshotPath(kScreenshotFolder, &counter), "screenshots\\krellin0003.png");
    EXPECT_EQ(counter, 4);
    TestFolder::Write("not_a_folder", "x");
    EXPECT_FALSE(EnsureScreenshotFolder("not_a_folder"));
    counter = 10000;
    EXPECT_EQ(NextScreenshotPath(kScreenshotFolder, &counter), "");
}
