#include "tools/viewer/SparringRun.h"

#include <SDL.h>

#include <cstdio>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "fight/Particulas.h"
#include "sdk/Renderer.h"
#include "platform/SoundLoader.h"
#include "input/Teclado.h"
#include "tools/viewer/Sparring.h"
#include "tools/viewer/ViewerOptions.h"

namespace {

const float kLongestFrame = 0.1f;
const int kEscape = 5;

void Report(const ViewerOptions& options, bool loaded) {
    printf("viewer: sparring %s against %s: %s\n", options.sparPaths[0].c_str(),
           options.sparPaths[1].c_str(), loaded ? "ok" : "unreadable");
    fflush(stdout);
}

}  // namespace

int RunSparring(Renderer* renderer, WindowHandle window, const ViewerOptions& options) {
    Teclado* keyboard = CreateKeyboard();
    if (!keyboard->Init(window, nullptr)) {
        fprintf(stderr, "viewer: no keyboard\n");
        delete keyboard;
        return 1;
    }
    // Never null; without a sound device the samples stay silent.
    Sonido* sound = LoadSound(window, nullptr);
    sound->Init(window, nullptr);
    GameSettings settings;
    Particulas particles;
    particles.Init(renderer);
    particles.SetFloor(Sparring::kFloor);
    {
        Sparring sparring(renderer, &particles, &settings, keyboard, sound);
        const bool loaded = sparring.Load(options.sparPaths[0], options.sparPaths[1]);
        Report(options, loaded);
        bool running = true;
        long frames = 0;
        Uint32 lastTicks = SDL_GetTicks();
        while (running) {
            SDL_Event event;
            while (SDL_PollEvent(&event))
                if (event.type == SDL_QUIT) running = false;
            const Uint32 now = SDL_GetTicks();
            float dt = (now - lastTicks) / 1000.0f;
            if (dt > kLongestFrame) dt = kLongestFrame;
            lastTicks = now;
            sound->Update(settings.slowMotionTime);
            sparring.Frame(dt);
            if (keyboard->SpecialKeyOnce(kEscape)) running = false;
            renderer->SetOverlayMode(0, 0);
            renderer->Present();
            if (options.frames && ++frames >= options.frames) running = false;
            SDL_Delay(1);
        }
        printf("viewer: rounds %d - %d, lives %.0f - %.0f\n", sparring.RoundsWon(0),
               sparring.RoundsWon(1), sparring.Fighter(0)->GetLife(),
               sparring.Fighter(1)->GetLife());
        fflush(stdout);
        // The fighters free their samples through the sound object: they go first.
    }
    particles.Shutdown();
    sound->Shutdown();
    keyboard->Shutdown();
    delete keyboard;
    return 0;
}
