// Texture handles, pictures on screen, particles, view scale and batching.
#include <cmath>
#include <vector>

#include "tests/renderer_gl/KrellinFixture.h"

TEST_F(KrellinTest, CreatedTexturesHandBackExactlyWhatTheyTook) {
    Start();
    std::vector<unsigned char> rgb(5 * 3 * 3), rgba(4 * 2 * 4);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<unsigned char>(i * 7);
    for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<unsigned char>(255 - i * 5);
    rgba[3] = 0;  // a transparent pixel is kept as given, colour and all
    const TextureHandle a = renderer_->CreateTexture(rgb.data(), 5, 3, 3, "tres");
    const TextureHandle b = renderer_->CreateTexture(rgba.data(), 4, 2, 4, nullptr);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_NE(a, b);

    int h = 0, w = 0, bpp = 0, flag = -1;
    const char* name = nullptr;
    renderer_->GetTextureInfo(a, &h, &w, &bpp, &name, &flag);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(bpp, 3);
    EXPECT_EQ(flag, 0);
    EXPECT_STREQ(name, "tres");
    std::vector<unsigned char> back(rgb.size() + 1, 0xEE);
    renderer_->GetTextureData(a, back.data());
    EXPECT_TRUE(std::equal(rgb.begin(), rgb.end(), back.begin()));
    EXPECT_EQ(back.back(), 0xEE) << "wrote past the texture's size";

    renderer_->GetTextureInfo(b, &h, &w, &bpp, &name, &flag);
    EXPECT_EQ(bpp, 4);
    EXPECT_STREQ(name, "");
    std::vector<unsigned char> back4(rgba.size());
    renderer_->GetTextureData(b, back4.data());
    EXPECT_EQ(back4, rgba);

    // Bad requests make no texture.
    EXPECT_EQ(renderer_->CreateTexture(rgb.data(), 5, 3, 2, "x"), 0u);
    EXPECT_EQ(renderer_->CreateTexture(rgb.data(), 0, 3, 3, "x"), 0u);
    EXPECT_EQ(renderer_->CreateTexture(nullptr, 5, 3, 3, "x"), 0u);
    EXPECT_EQ(renderer_->LoadTexture("bmp\\no_existe.bmp"), 0u);
}

TEST_F(KrellinTest, CountLiesAboveEveryLiveHandleAndReleasedHandlesAreGone) {
    Start();
    EXPECT_EQ(renderer_->CountTextures(), 0);
    TextureHandle handles[4];
    for (TextureHandle& h : handles) {
        h = Solid(10, 20, 30, 255);
        ASSERT_NE(h, 0u);
    }
    for (TextureHandle h : handles) EXPECT_GT(renderer_->CountTextures(), static_cast<int>(h));
    renderer_->ReleaseTexture(handles[1]);
    renderer_->ReleaseTexture(handles[1]);  // twice is harmless
    renderer_->ReleaseTexture(0);
    renderer_->ReleaseTexture(9999);
    int h = -1, w = -1, bpp = -1, flag = -1;
    const char* name = nullptr;
    renderer_->GetTextureInfo(handles[1], &h, &w, &bpp, &name, &flag);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(bpp, 0);
    unsigned char untouched[4] = {7, 7, 7, 7};
    renderer_->GetTextureData(handles[1], untouched);
    EXPECT_EQ(untouched[0], 7);
    EXPECT_GT(renderer_->CountTextures(), static_cast<int>(handles[3]));
    // Drawing with a released or unknown handle draws nothing.
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawImage(0, 0, 1, 1, handles[1], 1, 1, 1, 1);
    renderer_->DrawImage(0, 0, 1, 1, 12345, 1, 1, 1, 1);
    renderer_->BindTexture(handles[1]);
    float pos[3][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    TriangleRecord t = {};
    for (int i = 0; i < 3; ++i) t.position[i] = pos[i];
    t.alpha = 1;
    renderer_->DrawParticleBatch(&t);
    EXPECT_TRUE(Near(At(0.1f, 0.1f), {0, 0, 0, 255}));
    renderer_->Present();
    // Releasing everything empties the count.
    for (TextureHandle handle : handles) renderer_->ReleaseTexture(handle);
    EXPECT_EQ(renderer_->CountTextures(), 0);
}

TEST_F(KrellinTest, ReleasingATextureDrawsWhatWasAlreadyQueuedWithIt) {
    Start();
    TextureHandle red = Solid(255, 0, 0, 255);
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawImage(0, 0, 1, 1, red, 1, 1, 1, 1);
    renderer_->ReleaseTexture(red);
    EXPECT_TRUE(Near(At(0.5f, 0.5f), {255, 0, 0, 255}));
}

TEST_F(KrellinTest, NegativeWidthMirrorsAndPartsSelectTexels) {
    Start();
    // Left half red, right half blue.
    std::vector<unsigned char> p(16 * 2 * 3, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 16; ++x) p[(y * 16 + x) * 3 + (x < 8 ? 0 : 2)] = 255;
    TextureHandle t = renderer_->CreateTexture(p.data(), 16, 2, 3, "dos");
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawImage(0.0f, 0.0f, 0.5f, 0.5f, t, 1, 1, 1, 1);
    // Grows leftwards from x 1.0 and shows the picture mirrored.
    renderer_->DrawImage(1.0f, 0.0f, -0.5f, 0.5f, t, 1, 1, 1, 1);
    renderer_->DrawImagePart(0.0f, 0.5f, 1.0f, 0.5f, 0.5f, 0.0f, 1.0f, 1.0f, t, 1, 1, 1, 1);
    EXPECT_TRUE(Near(At(0.1f, 0.25f), {255, 0, 0, 255}));
    EXPECT_TRUE(Near(At(0.4f, 0.25f), {0, 0, 255, 255}));
    EXPECT_TRUE(Near(At(0.6f, 0.25f), {0, 0, 255, 255}));
    EXPECT_TRUE(Near(At(0.9f, 0.25f), {255, 0, 0, 255}));
    EXPECT_TRUE(Near(At(0.1f, 0.75f), {0, 0, 255, 255}));
    // Tinting multiplies.
    renderer_->DrawImage(0.0f, 0.0f, 0.5f, 0.5f, t, 0.5f, 1, 1, 1);
    EXPECT_TRUE(Near(At(0.1f, 0.25f), {128, 0, 0, 255}, 4));
}

TEST_F(KrellinTest, ViewScaleZoomsAroundTheCentreNeverPastTheScreenAndIsClamped) {
    Start();
    renderer_->SetOverlayMode(1, 1);
    for (float scale : {70.0f, 82.0f, 200.0f}) {
        renderer_->SetViewScale(scale);
        renderer_->FillRect(0, 0, 1, 1, 1, 0, 0, 1);
        EXPECT_TRUE(Near(Pixel(0, 0), {255, 0, 0, 255})) << scale;
        EXPECT_TRUE(Near(Pixel(799, 599), {255, 0, 0, 255})) << scale;
        renderer_->Present();
    }
    // Below 70 it zooms in: at 50, tan(25) / tan(35) of the screen shows, so
    // x 0.55 lands 60 pixels right of the centre.
    renderer_->SetViewScale(50.0f);
    renderer_->FillRect(0.5f, 0.45f, 0.05f, 0.1f, 1, 0, 0, 1);
    EXPECT_TRUE(Near(Pixel(457, 300), {255, 0, 0, 255}));
    EXPECT_TRUE(Near(Pixel(463, 300), {0, 0, 0, 255}));
    float w, h, scale;
    renderer_->QueryView(&w, &h, &scale);
    EXPECT_FLOAT_EQ(scale, 50.0f);

    renderer_->SetViewScale(1000.0f);
    EXPECT_FLOAT_EQ(renderer_->GetViewScale(), 170.0f);
    renderer_->SetViewScale(-5.0f);
    EXPECT_FLOAT_EQ(renderer_->GetViewScale(), 1.0f);
    renderer_->SetViewScale(NAN);
    EXPECT_FLOAT_EQ(renderer_->GetViewScale(), 1.0f);
}

TEST_F(KrellinTest, ParticleBatchFollowsTheLinksWithVertexColourAndAlpha) {
    Start();
    TextureHandle white = Solid(255, 255, 255, 255);
    // Two triangles forming the left half of the screen, red then green.
    float p[4][3] = {{0, 0, 0.1f}, {0.5f, 0, 0.1f}, {0.5f, 1, 0.1f}, {0, 1, 0.1f}};
    float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    float red[3] = {1, 0, 0}, green[3] = {0, 1, 0};
    TriangleRecord a = {}, b = {};
    const int first[3] = {0, 1, 2}, second[3] = {0, 2, 3};
    for (int k = 0; k < 3; ++k) {
        a.position[k] = p[first[k]];
        a.texCoord[k] = uv[first[k]];
        a.color[k] = red;
        b.position[k] = p[second[k]];
        b.texCoord[k] = uv[second[k]];
        b.color[k] = green;
    }
    a.alpha = 1.0f;
    b.alpha = 0.5f;
    a.next = &b;
    renderer_->BindTexture(white);
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawParticleBatch(&a);
    EXPECT_TRUE(Near(At(0.4f, 0.2f), {255, 0, 0, 255}));
    EXPECT_TRUE(Near(At(0.1f, 0.8f), {0, 128, 0, 255}, 4));
    EXPECT_TRUE(Near(At(0.75f, 0.5f), {0, 0, 0, 255}));
    // A list that loops back on itself still ends.
    b.next = &a;
    renderer_->DrawParticleBatch(&a);
    renderer_->Present();
}

TEST_F(KrellinTest, SpritesWithTheSameTextureAndBlendShareOneDrawCall) {
    Start();
    TextureHandle t1 = Solid(255, 0, 0, 255);
    TextureHandle t2 = Solid(0, 255, 0, 255);
    renderer_->Present();
    renderer_->SetOverlayMode(1, 1);
    for (int i = 0; i < 200; ++i)
        renderer_->DrawImage(i * 0.004f, 0.1f, 0.01f, 0.01f, t1, 1, 1, 1, 1);
    renderer_->Present();
    EXPECT_EQ(drawCalls_(renderer_), 1);

    for (int i = 0; i < 50; ++i) renderer_->DrawImage(0, 0, 0.1f, 0.1f, t1, 1, 1, 1, 1);
    for (int i = 0; i < 50; ++i) renderer_->DrawImage(0, 0, 0.1f, 0.1f, t2, 1, 1, 1, 1);
    renderer_->SetOverlayMode(1, 3);
    for (int i = 0; i < 50; ++i) renderer_->DrawImage(0, 0, 0.1f, 0.1f, t2, 1, 1, 1, 1);
    renderer_->Present();
    EXPECT_EQ(drawCalls_(renderer_), 3);
}

TEST_F(KrellinTest, FramesOutlineAndLinesJoinTheirEnds) {
    Start();
    renderer_->SetOverlayMode(1, 1);
    renderer_->DrawFrame(0.25f, 0.25f, 0.5f, 0.5f, 1, 1, 1, 1);
    EXPECT_TRUE(Near(Pixel(300, 150), {255, 255, 255, 255}));  // top edge
    EXPECT_TRUE(Near(Pixel(200, 300), {255, 255, 255, 255}));  // left edge
    EXPECT_TRUE(Near(Pixel(599, 300), {255, 255, 255, 255}));  // right edge
    EXPECT_TRUE(Near(Pixel(400, 300), {0, 0, 0, 255}));        // hollow
    EXPECT_EQ(CountBright(190, 140, 420, 320), CountBright(190, 140, 420, 320, 600));
    renderer_->Present();
    renderer_->DrawLine(0.0f, 0.0f, 1.0f, 1.0f, 0, 1, 0, 1);
    EXPECT_TRUE(Near(At(0.5f, 0.5f), {0, 255, 0, 255}, 80));
    EXPECT_TRUE(Near(At(0.9f, 0.1f), {0, 0, 0, 255}));
    // Thin: a diagonal across 800 x 600 lights a few pixels per column.
    const int lit = CountBright(0, 0, 800, 600, 100);
    EXPECT_GT(lit, 800);
    EXPECT_LT(lit, 800 * 4);
}
