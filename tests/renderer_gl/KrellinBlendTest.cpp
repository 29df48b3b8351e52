// Clear colour, keyed pictures and what each blend mode does to the pixels.
#include <SDL.h>

#include "tests/renderer_gl/KrellinFixture.h"

namespace {

// A 24-bit BMP: left half magenta (the key), right half blue.
void WriteKeyedBmp(const char* path) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 16, 16, 24, SDL_PIXELFORMAT_BGR24);
    ASSERT_NE(s, nullptr);
    SDL_Rect left = {0, 0, 8, 16}, right = {8, 0, 8, 16};
    SDL_FillRect(s, &left, SDL_MapRGB(s->format, 255, 0, 255));
    SDL_FillRect(s, &right, SDL_MapRGB(s->format, 0, 0, 255));
    ASSERT_EQ(SDL_SaveBMP(s, path), 0);
    SDL_FreeSurface(s);
}

}  // namespace

TEST_F(KrellinTest, ClearColourFillsTheNextFrame) {
    Start();
    renderer_->SetClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    renderer_->Present();
    EXPECT_TRUE(Near(At(0.0f, 0.0f), {0, 255, 0, 255}));
    EXPECT_TRUE(Near(At(0.99f, 0.99f), {0, 255, 0, 255}));
}

TEST_F(KrellinTest, KeyedPictureIsTransparentWhereTheKeyWas) {
    Start();
    ASSERT_EQ(system("mkdir -p bmp"), 0);
    WriteKeyedBmp("bmp/clave.bmp");
    TextureHandle keyed = renderer_->LoadTextureKeyed("bmp\\clave.bmp", 255, 0, 255);
    ASSERT_NE(keyed, 0u);
    TextureHandle plain = renderer_->LoadTexture("bmp\\clave.bmp");
    ASSERT_NE(plain, 0u);
    renderer_->SetClearColor(0, 1, 0, 1);
    renderer_->Present();
    // Opaque mode and ordinary alpha both leave the background under the key.
    renderer_->SetOverlayMode(0, 0);
    renderer_->DrawImage(0.0f, 0.0f, 0.5f, 0.5f, keyed, 1, 1, 1, 1);
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawImage(0.5f, 0.0f, 0.5f, 0.5f, keyed, 1, 1, 1, 1);
    renderer_->DrawImage(0.0f, 0.5f, 0.5f, 0.5f, plain, 1, 1, 1, 1);
    EXPECT_TRUE(Near(At(0.1f, 0.25f), {0, 255, 0, 255}));
    EXPECT_TRUE(Near(At(0.4f, 0.25f), {0, 0, 255, 255}));
    EXPECT_TRUE(Near(At(0.6f, 0.25f), {0, 255, 0, 255}));
    EXPECT_TRUE(Near(At(0.9f, 0.25f), {0, 0, 255, 255}));
    EXPECT_TRUE(Near(At(0.1f, 0.75f), {255, 0, 255, 255}));
    // No key colour fringe where the halves meet.
    for (int x = 185; x < 215; ++x) {
        const Rgba p = Pixel(x, 150);
        EXPECT_LT(p[0], 40) << "magenta fringe at x " << x;
    }
    int h = 0, w = 0, bpp = 0, flag = -1;
    const char* name = nullptr;
    renderer_->GetTextureInfo(keyed, &h, &w, &bpp, &name, &flag);
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 16);
    EXPECT_EQ(bpp, 4);
    EXPECT_EQ(flag, 1);
    EXPECT_STREQ(name, "bmp\\clave.bmp");
}

TEST_F(KrellinTest, OpaqueModeDropsHalfTransparentPixelsAndKeepsTheRest) {
    Start();
    TextureHandle faint = Solid(255, 0, 0, 100);
    TextureHandle strong = Solid(255, 0, 0, 200);
    renderer_->SetOverlayMode(0, 0);
    renderer_->DrawImage(0.0f, 0.0f, 0.5f, 1.0f, faint, 1, 1, 1, 1);
    renderer_->DrawImage(0.5f, 0.0f, 0.5f, 1.0f, strong, 1, 1, 1, 1);
    EXPECT_TRUE(Near(At(0.25f, 0.5f), {0, 0, 0, 255}));
    EXPECT_TRUE(Near(At(0.75f, 0.5f), {255, 0, 0, 255}));
}

TEST_F(KrellinTest, AlphaBlendMixesAndFillRectBlendsEvenInOpaqueMode) {
    Start();
    renderer_->SetClearColor(0, 0, 1, 1);
    renderer_->Present();
    renderer_->SetOverlayMode(0, 0);
    renderer_->FillRect(0.0f, 0.0f, 0.5f, 1.0f, 1, 0, 0, 0.5f);
    renderer_->SetOverlayMode(1, 1);
    renderer_->FillRect(0.5f, 0.0f, 0.5f, 1.0f, 1, 0, 0, 0.25f);
    EXPECT_TRUE(Near(At(0.25f, 0.5f), {128, 0, 127, 255}, 4));
    EXPECT_TRUE(Near(At(0.75f, 0.5f), {64, 0, 191, 255}, 4));
}

TEST_F(KrellinTest, AdditiveBlendAddsUpToWhite) {
    Start();
    renderer_->SetClearColor(0.2f, 0.2f, 0.2f, 1);
    renderer_->Present();
    renderer_->SetOverlayMode(1, 3);
    renderer_->FillRect(0.0f, 0.0f, 1.0f, 1.0f, 0.25f, 0.5f, 0.0f, 1.0f);
    renderer_->FillRect(0.0f, 0.0f, 0.5f, 1.0f, 0.25f, 0.5f, 0.0f, 1.0f);
    renderer_->FillRect(0.0f, 0.0f, 0.5f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f);  // adds nothing
    EXPECT_TRUE(Near(At(0.75f, 0.5f), {115, 179, 51, 255}, 4));
    EXPECT_TRUE(Near(At(0.25f, 0.5f), {179, 255, 51, 255}, 4));
}

TEST_F(KrellinTest, ShadowDarkensByTheSourceAlphaWhateverItsColour) {
    Start();
    renderer_->SetClearColor(1, 1, 1, 1);
    renderer_->Present();
    renderer_->SetOverlayMode(1, 4);
    renderer_->FillRect(0.0f, 0.0f, 0.5f, 1.0f, 1, 1, 1, 0.5f);
    renderer_->FillRect(0.5f, 0.0f, 0.5f, 1.0f, 1, 0, 0, 0.0f);
    EXPECT_TRUE(Near(At(0.25f, 0.5f), {127, 127, 127, 255}, 4));
    EXPECT_TRUE(Near(At(0.75f, 0.5f), {255, 255, 255, 255}));
}

TEST_F(KrellinTest, SoftLightLightensSoftlyAndNeverDarkens) {
    Start();
    renderer_->SetClearColor(0.5f, 0.5f, 0.5f, 1);
    renderer_->Present();
    renderer_->SetOverlayMode(1, 5);
    renderer_->FillRect(0.0f, 0.0f, 0.5f, 1.0f, 1, 1, 1, 1.0f);
    renderer_->FillRect(0.5f, 0.0f, 0.5f, 1.0f, 1, 1, 1, 0.5f);
    // src * a * (1 - dst) + dst
    EXPECT_TRUE(Near(At(0.25f, 0.5f), {255, 255, 255, 255}, 4));
    EXPECT_TRUE(Near(At(0.75f, 0.5f), {191, 191, 191, 255}, 4));
    renderer_->FillRect(0.0f, 0.0f, 1.0f, 1.0f, 0, 0, 0, 1.0f);
    EXPECT_TRUE(Near(At(0.75f, 0.5f), {191, 191, 191, 255}, 4));
}
