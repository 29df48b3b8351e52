#pragma once
// The window of the minimal OpenGL programs the game's renderer is measured
// against: OpenGL 3.3 core, double buffered, no depth or stencil, no vsync.
#include <SDL.h>

struct BareGlWindow {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;

    // False when there is no window or no context (SDL_GetError says why).
    bool Open(const char* title, int width, int height, Uint32 flags = SDL_WINDOW_OPENGL) {
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
        window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                  height, flags | SDL_WINDOW_OPENGL);
        context = window ? SDL_GL_CreateContext(window) : nullptr;
        if (!context) return false;
        SDL_GL_SetSwapInterval(0);
        return true;
    }

    void Close() {
        if (context) SDL_GL_DeleteContext(context);
        if (window) SDL_DestroyWindow(window);
        context = nullptr;
        window = nullptr;
    }
};
