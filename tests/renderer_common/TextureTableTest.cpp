#include <gtest/gtest.h>

#include <vector>

#include "plugins/renderer_common/Picture.h"
#include "plugins/renderer_common/TextureTable.h"

namespace {

std::vector<unsigned char> Bytes(int w, int h, int bpp, unsigned char seed) {
    std::vector<unsigned char> v(static_cast<size_t>(w) * h * bpp);
    for (size_t i = 0; i < v.size(); ++i) v[i] = static_cast<unsigned char>(seed + i * 3);
    return v;
}

}  // namespace

TEST(TextureTableTest, KeepsAnExactCopyUnderNonZeroHandles) {
    TextureTable table;
    EXPECT_EQ(table.Count(), 0);
    std::vector<unsigned char> rgb = Bytes(5, 3, 3, 1);
    std::vector<unsigned char> rgba = Bytes(2, 7, 4, 9);
    TextureHandle a = table.Add(rgb.data(), 5, 3, 3, "uno", 0);
    TextureHandle b = table.Add(rgba.data(), 2, 7, 4, nullptr, 42);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_NE(a, b);
    rgb[0] ^= 0xFF;  // the table holds its own copy

    const TextureEntry* ea = table.Find(a);
    ASSERT_NE(ea, nullptr);
    EXPECT_EQ(ea->width, 5);
    EXPECT_EQ(ea->height, 3);
    EXPECT_EQ(ea->bytesPerPixel, 3);
    EXPECT_EQ(ea->name, "uno");
    rgb[0] ^= 0xFF;
    EXPECT_EQ(ea->pixels, rgb);

    const TextureEntry* eb = table.Find(b);
    ASSERT_NE(eb, nullptr);
    EXPECT_EQ(eb->name, "");
    EXPECT_EQ(eb->flag, 42);
    EXPECT_EQ(eb->pixels, rgba);

    EXPECT_GT(table.Count(), static_cast<int>(a));
    EXPECT_GT(table.Count(), static_cast<int>(b));
    EXPECT_EQ(table.Find(0), nullptr);
    EXPECT_EQ(table.Find(b + 100), nullptr);
}

TEST(TextureTableTest, ReleasedHandlesAreGoneAndReused) {
    TextureTable table;
    std::vector<unsigned char> px = Bytes(4, 4, 4, 0);
    TextureHandle h1 = table.Add(px.data(), 4, 4, 4, "a", 0);
    TextureHandle h2 = table.Add(px.data(), 4, 4, 4, "b", 0);
    TextureHandle h3 = table.Add(px.data(), 4, 4, 4, "c", 0);
    EXPECT_TRUE(table.Release(h2));
    EXPECT_EQ(table.Find(h2), nullptr);
    EXPECT_FALSE(table.Release(h2)) << "double release";
    EXPECT_FALSE(table.Release(0));
    EXPECT_FALSE(table.Release(9999));
    EXPECT_GT(table.Count(), static_cast<int>(h3));

    TextureHandle again = table.Add(px.data(), 4, 4, 4, "d", 0);
    EXPECT_EQ(again, h2);
    EXPECT_EQ(table.Find(again)->name, "d");
    EXPECT_EQ(table.Find(h1)->name, "a");
    EXPECT_EQ(table.Find(h3)->name, "c");

    // Releasing the highest handle shrinks the count, never below a live one.
    EXPECT_TRUE(table.Release(h3));
    EXPECT_GT(table.Count(), static_cast<int>(again));
    EXPECT_LE(table.Count(), static_cast<int>(h3));
    EXPECT_TRUE(table.Release(h1));
    EXPECT_TRUE(table.Release(again));
    EXPECT_EQ(table.Count(), 0);
    EXPECT_NE(table.Add(px.data(), 4, 4, 4, "e", 0), 0u);
}

TEST(TextureTableTest, RefusesImpossibleTextures) {
    TextureTable table;
    std::vector<unsigned char> px = Bytes(2, 2, 4, 0);
    EXPECT_EQ(table.Add(px.data(), 2, 2, 1, "bpp1", 0), 0u);
    EXPECT_EQ(table.Add(px.data(), 2, 2, 2, "bpp2", 0), 0u);
    EXPECT_EQ(table.Add(px.data(), 1, 1, 5, "bpp5", 0), 0u);
    EXPECT_EQ(table.Add(px.data(), 0, 2, 4, "zero", 0), 0u);
    EXPECT_EQ(table.Add(px.data(), 2, -1, 4, "negative", 0), 0u);
    EXPECT_EQ(table.Add(px.data(), kMaxPictureSide + 1, 1, 3, "wide", 0), 0u);
    EXPECT_EQ(table.Add(px.data(), 1, kMaxPictureSide + 1, 3, "tall", 0), 0u);
    EXPECT_EQ(table.Add(nullptr, 2, 2, 4, "null", 0), 0u);
    EXPECT_EQ(table.Count(), 0);
}

TEST(TextureTableTest, LiveCountsHeldTexturesNotHandles) {
    TextureTable table;
    std::vector<unsigned char> rgb = Bytes(2, 2, 3, 5);
    TextureHandle a = table.Add(rgb.data(), 2, 2, 3, "a", 0);
    table.Add(rgb.data(), 2, 2, 3, "b", 0);
    table.Add(rgb.data(), 2, 2, 3, "c", 0);
    EXPECT_EQ(table.Live(), 3);
    ASSERT_TRUE(table.Release(a));
    // The highest handle still stands, so Count does not move; Live does.
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Live(), 2);
    table.Clear();
    EXPECT_EQ(table.Live(), 0);
}
