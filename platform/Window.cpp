#include "platform/Window.h"

#include <SDL.h>

void PlatformSetWindowTitle(WindowHandle window, const char* title) {
    if (!window || !title) return;
    SDL_SetWindowTitle(static_cast<SDL_Window*>(window), title);
}
