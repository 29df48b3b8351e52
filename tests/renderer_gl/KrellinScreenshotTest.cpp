// Screenshots: the saved file holds the frame, F12 never overwrites.
#include <SDL.h>

#include <vector>

#include "tests/renderer_gl/KrellinFixture.h"
#include "tests/renderer_gl/PngRead.h"

namespace {

void PressF12(SDL_Window* window) {
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.windowID = SDL_GetWindowID(window);
    key.key.keysym.sym = SDLK_F12;
    SDL_PushEvent(&key);
}

}  // namespace

TEST_F(KrellinTest, SavedScreenshotReadsBackWhatWasDrawn) {
    Start();
    renderer_->SetClearColor(0, 0, 0.5f, 1);
    renderer_->Present();
    renderer_->SetOverlayMode(1, 1);
    renderer_->FillRect(0.0f, 0.0f, 0.5f, 0.5f, 1, 0, 0, 1);
    renderer_->FillRect(0.5f, 0.5f, 0.5f, 0.5f, 0, 1, 0, 1);
    std::vector<unsigned char> frame(800 * 600 * 4);
    ASSERT_EQ(readPixels_(renderer_, 0, 0, 800, 600, frame.data()), 1);
    ASSERT_EQ(saveScreenshot_(renderer_, "captura.png"), 1);

    int w = 0, h = 0;
    std::vector<unsigned char> saved;
    ASSERT_TRUE(ReadPngRgba("captura.png", &w, &h, &saved));
    ASSERT_EQ(w, 800);
    ASSERT_EQ(h, 600);
    for (size_t i = 0; i < frame.size(); i += 4) {
        ASSERT_EQ(saved[i], frame[i]) << "pixel " << i / 4;
        ASSERT_EQ(saved[i + 1], frame[i + 1]) << "pixel " << i / 4;
        ASSERT_EQ(saved[i + 2], frame[i + 2]) << "pixel " << i / 4;
    }
    // Top left red, bottom right green, the rest the clear colour.
    EXPECT_EQ(saved[(10 * 800 + 10) * 4], 255);
    EXPECT_EQ(saved[(590 * 800 + 790) * 4 + 1], 255);
    EXPECT_NEAR(saved[(10 * 800 + 790) * 4 + 2], 128, 1);
}

TEST_F(KrellinTest, F12SavesNumberedScreenshotsWithoutOverwriting) {
    Start();
    ASSERT_EQ(system("mkdir -p screenshots"), 0);
    TestFolder::Write("screenshots/krellin0002.png", "keep me");
    SDL_Window* window = static_cast<SDL_Window*>(window_);
    renderer_->SetOverlayMode(1, 1);
    for (int i = 0; i < 3; ++i) {
        renderer_->FillRect(0, 0, 1, 1, 0, 0, 1, 1);
        PressF12(window);
        renderer_->Present();
    }
    renderer_->Present();  // no key: no file
    EXPECT_TRUE(TestFolder::Exists("screenshots/krellin0001.png"));
    EXPECT_EQ(TestFolder::Read("screenshots/krellin0002.png"), "keep me");
    EXPECT_TRUE(TestFolder::Exists("screenshots/krellin0003.png"));
    EXPECT_TRUE(TestFolder::Exists("screenshots/krellin0004.png"));
    EXPECT_FALSE(TestFolder::Exists("screenshots/krellin0005.png"));
    int w = 0, h = 0;
    std::vector<unsigned char> saved;
    ASSERT_TRUE(ReadPngRgba("screenshots/krellin0004.png", &w, &h, &saved));
    EXPECT_EQ(saved[(300 * 800 + 400) * 4 + 2], 255) << "saved before the frame was finished";
}

TEST_F(KrellinTest, F12MakesTheScreenshotFolderWhenMissing) {
    Start();
    PressF12(static_cast<SDL_Window*>(window_));
    renderer_->Present();
    EXPECT_TRUE(TestFolder::Exists("screenshots/krellin0001.png"));
}
