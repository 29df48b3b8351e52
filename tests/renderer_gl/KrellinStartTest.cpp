// Start-up, settings, window shape and the operations before Init.
#include <SDL.h>

#include <cstdlib>
#include <string>

#include "tests/renderer_gl/KrellinFixture.h"

TEST_F(KrellinTest, EveryOperationBeforeInitIsHarmless) {
    Renderer* r = NewRenderer();
    ASSERT_NE(r, nullptr);
    const unsigned char pixels[4 * 4 * 3] = {0};
    EXPECT_EQ(r->CreateTexture(pixels, 4, 4, 3, "x"), 0u);
    EXPECT_EQ(r->LoadTexture("bmp\\nada.bmp"), 0u);
    EXPECT_EQ(r->LoadTextureKeyed("bmp\\nada.bmp", 255, 0, 255), 0u);
    EXPECT_EQ(r->CountTextures(), 0);
    int h = -1, w = -1, bpp = -1, flag = -1;
    const char* name = nullptr;
    r->GetTextureInfo(1, &h, &w, &bpp, &name, &flag);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(bpp, 0);
    EXPECT_EQ(flag, 0);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "");
    r->GetTextureData(1, nullptr);
    r->ReleaseTexture(1);
    r->SetFontTexture(1);
    r->ReleaseFont();
    r->SetArrowTexture(1);
    r->BindTexture(1);
    r->SetClearColor(1, 0, 0, 1);
    r->SetOverlayMode(1, 3);
    r->SetRenderFlags(1, 1);
    r->DrawText(0, 0, 1, 1, 1, 1, 1, "HOLA %d", 3);
    r->DrawTextCentered(0.5f, 0, 1, 1, 1, 1, 1, "HOLA");
    r->DrawLine(0, 0, 1, 1, 1, 1, 1, 1);
    r->DrawFrame(0, 0, 1, 1, 1, 1, 1, 1);
    r->FillRect(0, 0, 1, 1, 1, 1, 1, 1);
    r->DrawImage(0, 0, 1, 1, 1, 1, 1, 1, 1);
    r->DrawImagePart(0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1);
    TriangleRecord t = {};
    r->DrawParticleBatch(&t);
    r->Present();
    float a = -1, b = -1, c = -1;
    r->QueryView(&a, &b, &c);
    EXPECT_EQ(a, 0.0f);
    EXPECT_EQ(b, 0.0f);
    r->QueryView(nullptr, nullptr, nullptr);
    unsigned char p[4];
    EXPECT_EQ(readPixels_(r, 0, 0, 1, 1, p), 0);
    EXPECT_EQ(saveScreenshot_(r, "x.png"), 0);
    r->Shutdown();
    r->Shutdown();
}

TEST_F(KrellinTest, InitMakesTheDefaultWindowAndShutdownAllowsAnotherStart) {
    Start();
    SDL_Window* window = static_cast<SDL_Window*>(window_);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Brocanto OGL");
    EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_RESIZABLE, 0u);
    float w = 0, h = 0, scale = 0;
    renderer_->QueryView(&w, &h, &scale);
    EXPECT_EQ(w, 800.0f);
    EXPECT_EQ(h, 600.0f);
    EXPECT_EQ(scale, 70.0f);
    // A second Init keeps the same window.
    WindowHandle again = nullptr;
    EXPECT_EQ(renderer_->Init(&again, nullptr), 1);
    EXPECT_EQ(again, window_);

    renderer_->Shutdown();
    window_ = nullptr;
    ASSERT_EQ(renderer_->Init(&window_, nullptr), 1);
    renderer_->SetClearColor(0, 0, 1, 1);
    renderer_->Present();
    EXPECT_TRUE(Near(At(0.5f, 0.5f), {0, 0, 255, 255}));
}

TEST_F(KrellinTest, FailedInitLogsAndLeavesNothingBehind) {
    ASSERT_EQ(system("mkdir -p logs"), 0);
    // The dummy video driver has no OpenGL: the context cannot be made.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    Renderer* r = NewRenderer();
    WindowHandle window = nullptr;
    EXPECT_EQ(r->Init(&window, nullptr), 0);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "video left running after a failed start";
    const std::string log = TestFolder::Read("logs/log.txt");
    EXPECT_EQ(log.rfind("     Graficos: ", 0), 0u) << log;
    // Still inert afterwards, and a later start works.
    EXPECT_EQ(r->CreateTexture(reinterpret_cast<const unsigned char*>("abcdefghijkl"), 2, 2, 3,
                               "x"),
              0u);
    r->Present();
    EXPECT_EQ(r->Init(&window, nullptr), 1);
    EXPECT_NE(window, nullptr);
}

TEST_F(KrellinTest, SettingsFileSizesTheWindowAndBadValuesAreIgnored) {
    ASSERT_EQ(system("mkdir -p cfg"), 0);
    TestFolder::Write("cfg/krellin.txt",
                      "[ventana]\nancho = 640\nalto = 48x\npantallacompleta = 7\nvsync = 1\n");
    Start();
    float w = 0, h = 0, scale = 0;
    renderer_->QueryView(&w, &h, &scale);
    EXPECT_EQ(w, 640.0f);
    EXPECT_EQ(h, 600.0f);  // "48x" is not a number: the default stays
    EXPECT_EQ(SDL_GetWindowFlags(static_cast<SDL_Window*>(window_)) & SDL_WINDOW_FULLSCREEN, 0u);
}

TEST_F(KrellinTest, SettingsFileCanStartInFullScreen) {
    ASSERT_EQ(system("mkdir -p cfg"), 0);
    TestFolder::Write("cfg/krellin.txt", "[ventana]\npantallacompleta = 1\n");
    Start();
    EXPECT_NE(SDL_GetWindowFlags(static_cast<SDL_Window*>(window_)) & SDL_WINDOW_FULLSCREEN, 0u);
}

TEST_F(KrellinTest, WiderWindowShowsThePictureBetweenBlackBars) {
    Start();
    SDL_Window* window = static_cast<SDL_Window*>(window_);
    SDL_SetWindowSize(window, 1000, 600);
    SDL_PumpEvents();  // the resize reaches the renderer's event watch
    renderer_->SetClearColor(1, 0, 0, 1);
    renderer_->Present();
    // 600 high: the 4:3 picture is 800 wide, from x 100 to 900.
    EXPECT_TRUE(Near(Pixel(50, 300), {0, 0, 0, 255}));
    EXPECT_TRUE(Near(Pixel(950, 300), {0, 0, 0, 255}));
    EXPECT_TRUE(Near(Pixel(105, 300), {255, 0, 0, 255}));
    // Screen fractions map into the picture, and nothing spills into a bar
    // even when the view is widened.
    renderer_->SetViewScale(120.0f);
    renderer_->SetOverlayMode(1, 1);
    renderer_->FillRect(-2, -2, 5, 5, 0, 1, 0, 1);
    EXPECT_TRUE(Near(Pixel(50, 300), {0, 0, 0, 255}));
    EXPECT_TRUE(Near(Pixel(500, 300), {0, 255, 0, 255}));
}

TEST_F(KrellinTest, AltEnterTogglesFullScreenAtPresent) {
    Start();
    SDL_Window* window = static_cast<SDL_Window*>(window_);
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.windowID = SDL_GetWindowID(window);
    key.key.keysym.sym = SDLK_RETURN;
    key.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&key);
    EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u) << "acted outside Present";
    renderer_->Present();
    EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
    SDL_PushEvent(&key);
    renderer_->Present();
    EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
    // Enter alone does nothing.
    key.key.keysym.mod = KMOD_NONE;
    SDL_PushEvent(&key);
    renderer_->Present();
    EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}
