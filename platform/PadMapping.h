#pragma once
// From a game controller's state to the game's pad buttons (PadSource.h).
#include <cstdint>

struct _SDL_GameController;

// The buttons held on the pad, its left stick folded into directions: none
// inside the dead zone, else the nearest of eight, so a diagonal gives both
// of its sides.
uint32_t PadButtonsOf(_SDL_GameController* pad);
