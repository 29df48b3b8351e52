#pragma once
// Loads Krellin.so from the game folder the way the game does and starts it
// on the offscreen video driver, in a temporary working folder.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "sdk/Renderer.h"
#include "plugins/renderer_gl/KrellinExports.h"
#include "tests/TestFolder.h"

typedef std::array<int, 4> Rgba;

class KrellinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new, not yet started renderer object of the library.
    Renderer* NewRenderer();
    // Creates the renderer and starts it; fails the test if it cannot.
    void Start();

    // One window pixel of the frame being drawn (origin top left).
    Rgba Pixel(int x, int y);
    // The pixel under a screen fraction of an 800 x 600 window.
    Rgba At(float x, float y) { return Pixel(int(x * 800), int(y * 600)); }
    // Number of pixels in a window rectangle whose channel sum exceeds `level`.
    int CountBright(int x, int y, int w, int h, int level = 300);

    // Makes the fallback font texture and sets it as the font.
    TextureHandle SetTestFont();
    // A solid texture of one colour.
    TextureHandle Solid(int r, int g, int b, int a, int side = 8);

    std::unique_ptr<TestFolder> folder_;
    Renderer* renderer_ = nullptr;
    WindowHandle window_ = nullptr;
    KrellinReadPixelsFn readPixels_ = nullptr;
    KrellinSaveScreenshotFn saveScreenshot_ = nullptr;
    KrellinDrawCallsFn drawCalls_ = nullptr;
    KrellinDestroyInstanceFn destroy_ = nullptr;
    CreateRendererInstanceFn create_ = nullptr;
};

// Expects each channel within `tolerance` of the wanted colour.
::testing::AssertionResult Near(const Rgba& got, const Rgba& want, int tolerance = 3);
