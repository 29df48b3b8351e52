#pragma once
#include <cstdint>

// The current top-level state. Screens receive its address and write the
// next state into it; the change takes effect on the next frame. It lives
// with the fight, the lowest layer that changes it.
enum GameStateValue : int32_t {
    Menu = 1,
    Fight = 2,
    Intro = 3,
    Credits = 4,
    Closing = 5,
};

typedef int32_t GameState;
