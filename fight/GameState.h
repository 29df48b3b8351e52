#pragma once
#include <cstdint>

// The current top-level state. Screens receive its address and write the
// next state into it; the change takes effect on the next frame. It lives
// with the fight, the lowest layer that changes it.
enum class GameState : int32_t {
    kMenu = 1,
    kFight = 2,
    kIntro = 3,
    kCredits = 4,
    kClosing = 5,
};
