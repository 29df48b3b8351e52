// Start-up, settings, window shape and the operations before Init.
#include <SDL.h>

#include <cstdlib>
#include <string>

#include "tests/RendererOperations.h"
#include "tests/renderer_gl/KrellinFixture.h"

// The game keeps calling after a failed Init until its close request is
// handled; nothing may be drawn, kept or answered then.
TEST_F(KrellinTest, WithoutAWindowEveryOperationDoesNothing) {
    ASSERT_EQ(system("mkdir -p logs"), 0);
    for (const std::string state : {"never started", "failed Init", "shut down"}) {
        SCOPED_TRACE(state);
        Renderer* r = NewRenderer();
        ASSERT_NE(r, nullptr);
        WindowHandle window = nullptr;
        if (state == "failed Init") {
            // The dummy video driver has no OpenGL: the context cannot be made.
            const size_t logged = TestFolder::Read("logs/log.txt").size();
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            EXPECT_EQ(r->Init(&window, nullptr), 0);
            setenv("SDL_VIDEODRIVER", "offscreen", 1);
            EXPECT_EQ(window, nullptr);
            EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "video left running after a failed start";
            const std::string log = TestFolder::Read("logs/log.txt").substr(logged);
            EXPECT_EQ(log.rfind("     Graficos: No se ha podido", 0), 0u) << log;
        } else if (state == "shut down") {
            ASSERT_EQ(r->Init(&window, nullptr), 1);
            r->Shutdown();
        }
        for (const RendererOperation& operation : AllRendererOperations()) {
            SCOPED_TRACE(operation.name);
            EXPECT_EQ(operation.answer(r), 0.0);
        }
        unsigned char p[4];
        EXPECT_EQ(readPixels_(r, 0, 0, 1, 1, p), 0);
        EXPECT_EQ(saveScreenshot_(r, "x.png"), 0);
        EXPECT_FALSE(TestFolder::Exists("x.png"));

        // Nothing set while inert survives into a later start.
        ASSERT_EQ(r->Init(&window, nullptr), 1);
        EXPECT_NE(window, nullptr);
        EXPECT_EQ(r->GetViewScale(), 70.0f);
        EXPECT_EQ(r->CountTextures(), 0);
        r->Present();
        EXPECT_LT(At(0.5f, 0.5f)[0], 4) << "a clear colour set while inert was kept";
        r->Shutdown();
        destroy_(r);
        renderer_ = nullptr;
    }
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
