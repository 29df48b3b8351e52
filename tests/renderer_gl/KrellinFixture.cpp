#include "tests/renderer_gl/KrellinFixture.h"

#include <cstdlib>
#include <vector>

#include "base/Library.h"
#include "support/rendercheck/FallbackFont.h"

void KrellinTest::SetUp() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    void* library = PlatformLoadLibrary(CORRALON_GAME_DIR "/Krellin.so");
    ASSERT_NE(library, nullptr) << PlatformLibraryError();
    create_ = reinterpret_cast<CreateRendererInstanceFn>(
        PlatformGetSymbol(library, "CreateRendererInstance"));
    readPixels_ =
        reinterpret_cast<KrellinReadPixelsFn>(PlatformGetSymbol(library, "KrellinReadPixels"));
    saveScreenshot_ = reinterpret_cast<KrellinSaveScreenshotFn>(
        PlatformGetSymbol(library, "KrellinSaveScreenshot"));
    drawCalls_ =
        reinterpret_cast<KrellinDrawCallsFn>(PlatformGetSymbol(library, "KrellinDrawCalls"));
    destroy_ = reinterpret_cast<KrellinDestroyInstanceFn>(
        PlatformGetSymbol(library, "KrellinDestroyInstance"));
    ASSERT_TRUE(create_ && readPixels_ && saveScreenshot_ && drawCalls_ && destroy_);
    folder_ = std::make_unique<TestFolder>();
}

void KrellinTest::TearDown() {
    if (renderer_) {
        renderer_->Shutdown();
        destroy_(renderer_);
        renderer_ = nullptr;
    }
    folder_.reset();
}

Renderer* KrellinTest::NewRenderer() {
    renderer_ = create_();
    return renderer_;
}

void KrellinTest::Start() {
    ASSERT_NE(NewRenderer(), nullptr);
    ASSERT_EQ(renderer_->Init(&window_, nullptr), 1);
    ASSERT_NE(window_, nullptr);
}

Rgba KrellinTest::Pixel(int x, int y) {
    unsigned char p[4] = {0, 0, 0, 0};
    EXPECT_EQ(readPixels_(renderer_, x, y, 1, 1, p), 1) << "at " << x << "," << y;
    return Rgba{p[0], p[1], p[2], p[3]};
}

int KrellinTest::CountBright(int x, int y, int w, int h, int level) {
    std::vector<unsigned char> p(size_t(w) * h * 4);
    EXPECT_EQ(readPixels_(renderer_, x, y, w, h, p.data()), 1);
    int n = 0;
    for (size_t i = 0; i < size_t(w) * h; ++i)
        if (p[i * 4] + p[i * 4 + 1] + p[i * 4 + 2] > level) ++n;
    return n;
}

TextureHandle KrellinTest::SetTestFont() {
    std::vector<unsigned char> font = MakeFallbackFont();
    TextureHandle handle =
        renderer_->CreateTexture(font.data(), kFallbackFontSide, kFallbackFontSide, 4, "font");
    renderer_->SetFontTexture(handle);
    return handle;
}

TextureHandle KrellinTest::Solid(int r, int g, int b, int a, int side) {
    std::vector<unsigned char> p(size_t(side) * side * 4);
    for (size_t i = 0; i < size_t(side) * side; ++i) {
        p[i * 4] = static_cast<unsigned char>(r);
        p[i * 4 + 1] = static_cast<unsigned char>(g);
        p[i * 4 + 2] = static_cast<unsigned char>(b);
        p[i * 4 + 3] = static_cast<unsigned char>(a);
    }
    return renderer_->CreateTexture(p.data(), side, side, 4, "solid");
}

::testing::AssertionResult Near(const Rgba& got, const Rgba& want, int tolerance) {
    for (int i = 0; i < 3; ++i) {
        if (abs(got[i] - want[i]) > tolerance)
            return ::testing::AssertionFailure()
                   << "got (" << got[0] << "," << got[1] << "," << got[2] << ") want ("
                   << want[0] << "," << want[1] << "," << want[2] << ")";
    }
    return ::testing::AssertionSuccess();
}
