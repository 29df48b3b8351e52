// The least a program can do to show a picture: the game's window (same
// size, same OpenGL 3.3 core context), one cleared frame presented, and the
// same finish-line stamp the renderer writes on its first swap.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/Clock.h"
#include "bench/BareGlWindow.h"

namespace {

constexpr int kWidth = 800;  // the window cfg/krellin.txt gives the game
constexpr int kHeight = 600;
constexpr unsigned kColorBufferBit = 0x4000;

}  // namespace

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "bench_startup_bare: %s\n", SDL_GetError());
        return 1;
    }
    BareGlWindow bare;
    if (!bare.Open("Brocanto OGL", kWidth, kHeight, SDL_WINDOW_RESIZABLE)) {
        fprintf(stderr, "bench_startup_bare: %s\n", SDL_GetError());
        return 1;
    }
    auto clearColor = reinterpret_cast<void (*)(float, float, float, float)>(
        SDL_GL_GetProcAddress("glClearColor"));
    auto clear = reinterpret_cast<void (*)(unsigned)>(SDL_GL_GetProcAddress("glClear"));
    clearColor(0.0f, 0.0f, 0.0f, 1.0f);
    clear(kColorBufferBit);
    SDL_GL_SwapWindow(bare.window);
    StampFirstPresent();
    bare.Close();
    SDL_Quit();
    return 0;
}
