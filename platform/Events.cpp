#include "platform/Events.h"

#include <SDL.h>
#include <signal.h>

namespace {
volatile sig_atomic_t closeRequested = 0;

void OnSignal(int) { closeRequested = 1; }
}  // namespace

PlatformMessage PlatformPeekMessage() {
    if (closeRequested) return kMessageQuit;
    // Without SDL video (no window yet, or a windowless renderer) there is
    // no queue to read.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return kMessageNone;
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return kMessageNone;
    if (event.type == SDL_QUIT) {
        closeRequested = 1;
        return kMessageQuit;
    }
    return kMessageOther;
}

void PlatformPostClose() { closeRequested = 1; }
bool PlatformCloseRequested() { return closeRequested != 0; }
void PlatformResetClose() { closeRequested = 0; }

void PlatformInstallSignalHandlers() {
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
