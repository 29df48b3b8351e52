// The least a program can do to show a picture: the game's window (same
// size, same OpenGL 3.3 core context), one cleared frame presented, and the
// same finish-line stamp the renderer writes on its first swap.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kWidth = 800;  // the window cfg/krellin.txt gives the game
constexpr int kHeight = 600;
constexpr unsigned kColorBufferBit = 0x4000;

void Stamp() {
    const char* path = getenv("CORRALON_FIRST_PRESENT_STAMP");
    if (!path || !*path) return;
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
    const std::string aside = std::string(path) + ".part";
    FILE* file = fopen(aside.c_str(), "w");
    if (!file) return;
    fprintf(file, "%lld\n", ns);
    if (fclose(file) == 0) rename(aside.c_str(), path);
}

}  // namespace

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "bench_startup_bare: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_Window* window =
        SDL_CreateWindow("Brocanto OGL", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                         kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) {
        fprintf(stderr, "bench_startup_bare: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    auto clearColor = reinterpret_cast<void (*)(float, float, float, float)>(
        SDL_GL_GetProcAddress("glClearColor"));
    auto clear = reinterpret_cast<void (*)(unsigned)>(SDL_GL_GetProcAddress("glClear"));
    clearColor(0.0f, 0.0f, 0.0f, 1.0f);
    clear(kColorBufferBit);
    SDL_GL_SwapWindow(window);
    Stamp();
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
