#include "platform/PadMapping.h"

#include <SDL.h>

#include "platform/PadSource.h"

namespace {

// The pad layout: the one place that says which button does what. The six
// actions follow the key configuration's rows (punch 1, 2, 3, kick 1, 2, 3);
// Start acts as Enter and Back as Escape.
const struct {
    SDL_GameControllerButton button;
    uint32_t gives;
} kLayout[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, kInputUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kInputDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kInputLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kInputRight},
    {SDL_CONTROLLER_BUTTON_A, kInputPunch1},
    {SDL_CONTROLLER_BUTTON_B, kInputPunch2},
    {SDL_CONTROLLER_BUTTON_X, kInputPunch3},
    {SDL_CONTROLLER_BUTTON_Y, kInputKick1},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kInputKick2},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kInputKick3},
    {SDL_CONTROLLER_BUTTON_START, kPadStart},
    {SDL_CONTROLLER_BUTTON_BACK, kPadBack},
};
// The left stick gives directions as the D-pad does.
constexpr SDL_GameControllerAxis kStickX = SDL_CONTROLLER_AXIS_LEFTX;
constexpr SDL_GameControllerAxis kStickY = SDL_CONTROLLER_AXIS_LEFTY;

// About a quarter of the travel: worn sticks rest off centre by less.
constexpr int64_t kDeadZone = 8000;
// sin(22.5 degrees), squared: a side counts when the stick is within 67.5
// degrees of it, which cuts the circle into eight equal directions.
constexpr double kSideShare = 0.14644660940672624;

// SDL axis values; y grows downwards.
uint32_t StickDirections(int x, int y) {
    const int64_t xx = int64_t(x) * x, yy = int64_t(y) * y;
    const int64_t squared = xx + yy;
    if (squared <= kDeadZone * kDeadZone) return 0;
    uint32_t sides = 0;
    if (xx > kSideShare * squared) sides |= x > 0 ? kInputRight : kInputLeft;
    if (yy > kSideShare * squared) sides |= y > 0 ? kInputDown : kInputUp;
    return sides;
}

}  // namespace

uint32_t PadButtonsOf(SDL_GameController* pad) {
    uint32_t buttons = 0;
    for (const auto& entry : kLayout)
        if (SDL_GameControllerGetButton(pad, entry.button)) buttons |= entry.gives;
    return buttons | StickDirections(SDL_GameControllerGetAxis(pad, kStickX),
                                     SDL_GameControllerGetAxis(pad, kStickY));
}
