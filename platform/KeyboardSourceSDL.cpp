#include "platform/KeyboardSourceSDL.h"

#include <SDL.h>

#include <cstring>

#include "platform/KeyNames.h"

static_assert(SDL_NUM_SCANCODES <= 512, "scancode table too small");

KeyboardSourceSDL::KeyboardSourceSDL(WindowHandle window) : window_(window) {
    for (int sc = 0; sc < 512; ++sc) dikOfScancode_[sc] = DikFromSdlScancode(sc);
}

bool KeyboardSourceSDL::Read(uint8_t state[kKeyStateSize]) {
    memset(state, 0, kKeyStateSize);
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return true;
    SDL_Window* focus = SDL_GetKeyboardFocus();
    if (!focus || (window_ && focus != static_cast<SDL_Window*>(window_))) return true;
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    if (!keys) return false;
    if (count > 512) count = 512;
    for (int sc = 0; sc < count; ++sc)
        if (keys[sc] && dikOfScancode_[sc]) state[dikOfScancode_[sc]] = kKeyDown;
    altEnter_.Apply(state);
    return true;
}
