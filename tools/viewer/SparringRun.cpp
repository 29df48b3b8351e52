#include "tools/viewer/SparringRun.h"

#include <SDL.h>

#include <cstdio>
#include <memory>

#include "effects/Particulas.h"
#include "input/InputSession.h"
#include "input/Teclado.h"
#include "platform/Events.h"
#include "platform/SoundLoader.h"
#include "sdk/Bicho.h"
#include "sdk/Renderer.h"
#include "sdk/Sonido.h"
#include "tools/viewer/FileWatch.h"
#include "tools/viewer/Sparring.h"
#include "tools/viewer/ViewerOptions.h"

namespace {

const float kLongestFrame = 0.1f;
const Uint32 kWatchIntervalMs = 250;

void Report(const char* what, const ViewerOptions& options, Sparring& sparring) {
    // A creature file that could not be read leaves a fighter with nothing to show.
    bool loaded = true;
    for (Bicho* fighter : sparring.Controller().fighters)
        loaded = loaded && fighter && fighter->GetCurrentAnimation();
    printf("viewer: %s %s against %s: %s\n", what, options.sparring.fighters[0].c_str(),
           options.sparring.fighters[1].c_str(), loaded ? "ok" : "unreadable");
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
    Particulas particles;
    particles.Init(renderer);
    {
        std::unique_ptr<FileWatch> watches[3];
        // Watching starts before the load, so a change made while loading
        // still brings a reload.
        for (int i = 0; i < 2; ++i) watches[i].reset(new FileWatch(options.sparring.fighters[i]));
        const std::string& stage = options.sparring.stage;
        if (!stage.empty()) watches[2].reset(new FileWatch(stage));
        Sparring sparring(renderer, keyboard, sound, &particles, options.sparring);
        sparring.Start();
        Report("sparring", options, sparring);
        bool running = true;
        long frames = 0;
        Uint32 lastTicks = SDL_GetTicks();
        Uint32 lastWatch = lastTicks;
        while (running) {
            SDL_Event event;
            while (SDL_PollEvent(&event))
                if (event.type == SDL_QUIT) running = false;
            const Uint32 now = SDL_GetTicks();
            float measured = (now - lastTicks) / 1000.0f;
            if (measured > kLongestFrame) measured = kLongestFrame;
            lastTicks = now;
            // CORRALON_RECORD / CORRALON_REPLAY: the frame runs on the time
            // the session holds, so a replayed match repeats exactly.
            const float dt = static_cast<float>(InputSessionFrameTime(measured));
            if (now - lastWatch >= kWatchIntervalMs) {
                lastWatch = now;
                bool changed = false;
                for (auto& watch : watches) changed = (watch && watch->Changed()) || changed;
                if (changed) {
                    sparring.Start();
                    Report("reloaded", options, sparring);
                }
            }
            if (!sparring.Frame(dt)) running = false;
            // The end of a replayed session, or Ctrl-C.
            if (PlatformCloseRequested()) running = false;
            renderer->SetOverlayMode(0, 0);
            renderer->Present();
            if (options.frames && ++frames >= options.frames) running = false;
            SDL_Delay(1);
        }
        printf("viewer: %d matches started\n", sparring.Matches());
        fflush(stdout);
    }
    particles.Shutdown();
    sound->Shutdown();
    keyboard->Shutdown();
    delete keyboard;
    return 0;
}
