// The background tiler: which pictures it refuses and where each stored
// pixel ends up.
#include "tests/fight/StageSupport.h"

namespace {

struct Refusal {
    const char* name;
    BmpShape shape;
    const char* line;
};

const char kBpp[] = "     Fondo: La imagen de fondo debe ser de 24 bpp:  p.bmp\n";
const char kPacked[] = "     Fondo: La imagen de fondo NO debe estar comprimida:  p.bmp\n";
const char kMultiple[] =
    "     Fondo: La imagen de fondo debe tener dimensiones multiplo de 256:  p.bmp\n";
const char kSides[] =
    "     Fondo: La imagen de fondo debe medir de 256 a 16384 pixeles de lado:  p.bmp\n";
const char kCut[] = "     Fondo: La imagen de fondo esta cortada:  p.bmp\n";

const Refusal kRefusals[] = {
    {"32 bits", {512, 256, 32, 0, 0}, kBpp},
    // RLE8 lands in the low half of the compression field, read with the depth.
    {"RLE code", {512, 256, 24, 1, 0}, kBpp},
    {"high compression half", {512, 256, 24, 0x10000, 0}, kPacked},
    {"300 wide", {300, 256, 24, 0, 0}, kMultiple},
    {"one pixel byte short", {512, 256, 24, 0, 1}, kCut},
    {"header only", {256, 256, 24, 0, 256 * 256 * 3}, kCut},
    {"half a header", {512, 256, 24, 0, 256 * 512 * 3 + 30}, kCut},
    {"wider than 16384", {16640, 256, 24, 0, 0}, kSides},
    {"taller than 16384", {256, 16640, 24, 0, 0}, kSides},
    {"negative height", {256, -256, 24, 0, 0}, kSides},
    {"zero height", {256, 0, 24, 0, 0}, kSides},
    {"zero width", {0, 256, 24, 0, 0}, kSides},
    {"pixels past the end", {256, 256, 24, 0, 0, 1u << 31}, kCut},
    {"pixels inside the header", {256, 256, 24, 0, 0, 20}, kCut},
    {"editor header one byte short", {256, 256, 24, 0, 1, 138}, kCut},
};

TEST_F(StageTest, RefusedPicturesLogTheirLineAndLeaveNoTiles) {
    stage.renderer = &renderer;
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(r.name);
        TestFolder::Write("logs/log.txt", "");
        TestFolder::Write("p.bmp", MakeBmp(r.shape));
        int columns = -1, rows = -1;
        TextureHandle stale = 7;
        TextureHandle* tiles = &stale;
        EXPECT_EQ(stage.LoadImage("p.bmp", &columns, &rows, &tiles), Fondo::kImageRefused);
        EXPECT_EQ(Log(), r.line);
        EXPECT_EQ(columns, 0);
        EXPECT_EQ(rows, 0);
        EXPECT_EQ(tiles, nullptr);
        EXPECT_TRUE(renderer.created.empty());
    }
    int columns, rows;
    TextureHandle* tiles;
    TestFolder::Write("logs/log.txt", "");
    EXPECT_EQ(stage.LoadImage("falta.bmp", &columns, &rows, &tiles), Fondo::kImageRefused);
    EXPECT_EQ(Log(), "     Fondo: No se puede abrir la imagen de fondo:  falta.bmp\n");
}

struct Tiling {
    int width, height, columns, rows;
    uint32_t pixelOffset;
    // Stored tile (column, row from the bottom) of each tile index, and the
    // creation order: columns outside, stored rows inside.
    std::vector<std::pair<int, int>> source;
    std::vector<int> createdIndex;
};

TEST_F(StageTest, TilesCutTopRowFirstTopLineFirstWithBytesTurnedToRgb) {
    const Tiling cases[] = {
        {512, 256, 2, 1, 54, {{0, 0}, {1, 0}}, {0, 1}},
        {256, 512, 1, 2, 54, {{0, 1}, {0, 0}}, {1, 0}},
        {512, 512, 2, 2, 54, {{0, 1}, {1, 1}, {0, 0}, {1, 0}}, {2, 0, 3, 1}},
        {512, 256, 2, 1, 138, {{0, 0}, {1, 0}}, {0, 1}},
    };
    stage.renderer = &renderer;
    for (const Tiling& t : cases) {
        SCOPED_TRACE(std::to_string(t.width) + "x" + std::to_string(t.height));
        TestFolder::Write("p.bmp", MakeBmp({t.width, t.height, 24, 0, 0, t.pixelOffset}));
        renderer.created.clear();
        int columns, rows;
        TextureHandle* tiles;
        ASSERT_EQ(stage.LoadImage("p.bmp", &columns, &rows, &tiles), Fondo::kImageLoaded);
        ASSERT_EQ(columns, t.columns);
        ASSERT_EQ(rows, t.rows);
        for (size_t i = 0; i < t.source.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(tiles[t.createdIndex[i]], renderer.created[i]);
            const std::vector<unsigned char>& px = renderer.live.at(tiles[i]).pixels;
            ASSERT_EQ(px.size(), 256u * 256u * 3u);
            int sx = t.source[i].first * 256, sy = t.source[i].second * 256;
            // Tile rows run top-down: its first row is the band's top line.
            for (int k : {0, 255, 256 * 5 + 7, 65535}) {
                int x = sx + k % 256, y = sy + 255 - k / 256;
                EXPECT_EQ(px[k * 3 + 0], StoredRed(x, y)) << k;
                EXPECT_EQ(px[k * 3 + 1], StoredGreen(x, y)) << k;
                EXPECT_EQ(px[k * 3 + 2], StoredBlue(x, y)) << k;
            }
        }
        for (int i = 0; i < columns * rows; ++i) renderer.ReleaseTexture(tiles[i]);
        delete[] tiles;
    }
}

}  // namespace
