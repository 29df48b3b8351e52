#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "HeadlessFixture.h"

namespace {

std::vector<unsigned char> Pattern(int w, int h, int bpp) {
    std::vector<unsigned char> v(static_cast<size_t>(w) * h * bpp);
    for (size_t i = 0; i < v.size(); ++i) v[i] = static_cast<unsigned char>(i * 31 + 7);
    return v;
}

}  // namespace

TEST_F(HeadlessTest, TexturesRoundTripExactly) {
    Renderer* r = NewRenderer();
    for (int bpp : {3, 4}) {
        SCOPED_TRACE(bpp);
        std::vector<unsigned char> pixels = Pattern(13, 5, bpp);
        TextureHandle t = r->CreateTexture(pixels.data(), 13, 5, bpp, "bichos\\rana.tex");
        ASSERT_NE(t, 0u);
        int height = -1, width = -1, gotBpp = -1, flag = -1;
        const char* name = nullptr;
        r->GetTextureInfo(t, &height, &width, &gotBpp, &name, &flag);
        EXPECT_EQ(height, 5);
        EXPECT_EQ(width, 13);
        EXPECT_EQ(gotBpp, bpp);
        EXPECT_STREQ(name, "bichos\\rana.tex");
        EXPECT_EQ(flag, 0);
        // One guard byte past the end must stay untouched.
        std::vector<unsigned char> back(pixels.size() + 1, 0xEE);
        r->GetTextureData(t, back.data());
        EXPECT_EQ(back.back(), 0xEE);
        back.pop_back();
        EXPECT_EQ(back, pixels);
        EXPECT_GT(r->CountTextures(), static_cast<int>(t));
    }
}

TEST_F(HeadlessTest, UnknownAndReleasedTexturesReportNothing) {
    Renderer* r = NewRenderer();
    std::vector<unsigned char> pixels = Pattern(2, 2, 4);
    TextureHandle a = r->CreateTexture(pixels.data(), 2, 2, 4, "a");
    TextureHandle b = r->CreateTexture(pixels.data(), 2, 2, 4, "b");
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_EQ(LastLine(), "CreateTexture 2 2 4 \"b\" -> " + std::to_string(b));
    r->ReleaseTexture(a);
    EXPECT_EQ(LastLine(), "ReleaseTexture " + std::to_string(a));
    r->ReleaseTexture(a);
    EXPECT_EQ(LastLine(), "ReleaseTexture " + std::to_string(a) + " (unknown)");

    for (TextureHandle t : {TextureHandle(0), a, TextureHandle(b + 50)}) {
        SCOPED_TRACE(t);
        int height = -1, width = -1, bpp = -1, flag = -1;
        const char* name = nullptr;
        r->GetTextureInfo(t, &height, &width, &bpp, &name, &flag);
        EXPECT_EQ(height, 0);
        EXPECT_EQ(width, 0);
        EXPECT_EQ(bpp, 0);
        ASSERT_NE(name, nullptr);
        EXPECT_STREQ(name, "");
        EXPECT_EQ(flag, 0);
        unsigned char guard = 0x5A;
        r->GetTextureData(t, &guard);
        EXPECT_EQ(guard, 0x5A);
    }
    r->GetTextureInfo(b, nullptr, nullptr, nullptr, nullptr, nullptr);
    r->GetTextureData(b, nullptr);
    EXPECT_GT(r->CountTextures(), static_cast<int>(b));

    EXPECT_EQ(r->CreateTexture(pixels.data(), 2, 2, 2, "bad"), 0u);
    EXPECT_EQ(r->CreateTexture(pixels.data(), 0, 2, 4, "bad"), 0u);
    EXPECT_EQ(r->CreateTexture(nullptr, 2, 2, 4, "bad"), 0u);
    EXPECT_EQ(LastLine(), "CreateTexture 2 2 4 \"bad\" -> 0");
}

TEST_F(HeadlessTest, ShutdownReleasesEveryTexture) {
    Renderer* r = NewRenderer();
    std::vector<unsigned char> pixels = Pattern(2, 2, 3);
    TextureHandle t = r->CreateTexture(pixels.data(), 2, 2, 3, nullptr);
    ASSERT_NE(t, 0u);
    r->Shutdown();
    EXPECT_EQ(r->CountTextures(), 0);
    int width = -1;
    r->GetTextureInfo(t, nullptr, &width, nullptr, nullptr, nullptr);
    EXPECT_EQ(width, 0);
}

TEST_F(HeadlessTest, LoadsPicturesFromFiles) {
    std::string path = std::string(CORRALON_TEST_BIN_DIR) + "/headless_picture.bmp";
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 2, 1, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_NE(s, nullptr);
    unsigned char* p = static_cast<unsigned char*>(s->pixels);
    const unsigned char row[6] = {255, 0, 255, 10, 20, 30};
    memcpy(p, row, 6);
    ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
    SDL_FreeSurface(s);

    Renderer* r = NewRenderer();
    TextureHandle keyed = r->LoadTextureKeyed(path.c_str(), 255, 0, 255);
    ASSERT_NE(keyed, 0u);
    EXPECT_EQ(LastLine(), "LoadTextureKeyed \"" + path + "\" 255 0 255 -> " +
                              std::to_string(keyed));
    int height = 0, width = 0, bpp = 0, flag = -1;
    const char* name = nullptr;
    r->GetTextureInfo(keyed, &height, &width, &bpp, &name, &flag);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 1);
    ASSERT_EQ(bpp, 4);
    unsigned char data[8] = {};
    r->GetTextureData(keyed, data);
    const unsigned char expectKeyed[8] = {255, 0, 255, 0, 10, 20, 30, 255};
    EXPECT_EQ(memcmp(data, expectKeyed, 8), 0);

    TextureHandle plain = r->LoadTexture(path.c_str());
    ASSERT_NE(plain, 0u);
    EXPECT_NE(plain, keyed);
    r->GetTextureData(plain, data);
    EXPECT_EQ(data[3], 255);
    EXPECT_EQ(data[7], 255);

    EXPECT_EQ(r->LoadTextureKeyed("bmp\\no_such_picture.bmp", 0, 255, 0), 0u);
    EXPECT_EQ(LastLine(), "LoadTextureKeyed \"bmp\\no_such_picture.bmp\" 0 255 0 -> 0");
    EXPECT_EQ(r->LoadTexture(nullptr), 0u);
    EXPECT_EQ(LastLine(), "LoadTexture (null) -> 0");
}
