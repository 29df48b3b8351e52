// viewer: shows a creature file in a renderer window, plays its animations
// and reloads the file whenever it changes on disk.
#include <SDL.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "effects/Particulas.h"
#include "base/DataFolder.h"
#include "base/Plugin.h"
#include "sdk/Renderer.h"
#include "tools/viewer/FileWatch.h"
#include "tools/viewer/Playback.h"
#include "tools/viewer/SparringRun.h"
#include "tools/viewer/ViewerCreature.h"
#include "tools/viewer/ViewerKeys.h"
#include "tools/viewer/ViewerOptions.h"
#include "tools/viewer/ViewerScene.h"

namespace {

const float kLongestFrame = 0.1f;
const Uint32 kWatchIntervalMs = 250;

Renderer* OpenRenderer(const std::string& name) {
    // Like the game, the library stays loaded until the process ends.
    auto plugin = LoadPlugin<Renderer>(name.c_str(), "CreateRendererInstance");
    if (!plugin.libraryOpened)
        fprintf(stderr, "viewer: cannot load %s: %s\n", name.c_str(), PlatformLibraryError());
    else if (!plugin.object)
        fprintf(stderr, "viewer: %s has no renderer\n", name.c_str());
    return plugin.object;
}

void Report(const char* what, const std::string& path, bool loaded, const ViewerCreature& viewed,
            const Playback& playback) {
    Bicho* creature = viewed.Get();
    const std::string state = !loaded                   ? "unreadable (" + viewed.Fault() + ")"
                              : viewed.Fault().empty() ? std::string("ok")
                                                       : "broken (" + viewed.Fault() + ")";
    printf("viewer: %s %s: %s, %d animations\n", what, path.c_str(), state.c_str(),
           playback.AnimationCount());
    if (creature && creature->GetName()) printf("viewer: name %s\n", creature->GetName());
    fflush(stdout);
}

// A file named from the folder the viewer was started in; other names are
// the game data's ("Bichos\\rana.qvl").
void FromStartFolder(const std::string& left, std::string* path) {
    struct stat st;
    const std::string there = PathFrom(left, *path);
    if (!path->empty() && stat(there.c_str(), &st) == 0) *path = there;
}

}  // namespace

int main(int argc, char** argv) {
    ViewerOptions options;
    std::string error;
    if (!ParseViewerOptions(argc, argv, &options, &error)) {
        fprintf(stderr, "viewer: %s\n%s", error.c_str(), kViewerUsage);
        return 2;
    }
    if (options.help) {
        printf("%s", kViewerUsage);
        return 0;
    }
    std::string left;
    EnterInstalledDataFolder(&left);
    for (std::string* path : {&options.creaturePath, &options.sparring.fighters[0],
                              &options.sparring.fighters[1], &options.sparring.stage})
        FromStartFolder(left, path);
    Renderer* renderer = OpenRenderer(options.rendererName);
    if (!renderer) return 1;
    WindowHandle window = nullptr;
    if (!renderer->Init(&window, nullptr)) {
        fprintf(stderr, "viewer: the renderer could not open its window\n");
        return 1;
    }
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    renderer->SetClearColor(0.15f, 0.15f, 0.2f, 1.0f);
    renderer->SetFontTexture(renderer->LoadTextureKeyed("bmp\\fuenteZeltor.bmp", 0, 255, 0));
    if (options.spar) {
        const int status = RunSparring(renderer, window, options);
        renderer->ReleaseFont();
        renderer->Shutdown();
        return status;
    }

    GameSettings settings;
    Particulas particles;
    particles.Init(renderer);
    particles.SetFloor(0.75f);

    ViewerStatus status;
    status.path = options.creaturePath.c_str();
    status.boxes = options.boxes;
    ViewerCreature creature(renderer, &particles, &settings);
    Playback playback;
    // The watch looks before the load: a change made while loading, or just
    // after the "loaded" line, still brings a reload.
    FileWatch watch(options.creaturePath);
    status.loaded = creature.Load(options.creaturePath);
    playback.SetCreature(creature.Get());
    playback.Select(std::string());
    Report("loaded", options.creaturePath, status.loaded, creature, playback);

    bool running = true;
    long frames = 0;
    Uint32 lastTicks = SDL_GetTicks();
    Uint32 lastWatch = lastTicks;
    while (running) {
        bool reload = false;
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) running = false;
            if (event.type != SDL_KEYDOWN) continue;
            switch (ViewerKeyCommand(event.key.keysym.sym)) {
                case kViewerQuit: running = false; break;
                case kViewerNextAnimation: playback.NextAnimation(); break;
                case kViewerPreviousAnimation: playback.PreviousAnimation(); break;
                case kViewerPause: playback.TogglePause(); break;
                case kViewerStep: playback.Step(); break;
                case kViewerBoxes: status.boxes = !status.boxes; break;
                case kViewerFlip:
                    if (creature.Get()) creature.Get()->SetFacing(-creature.Get()->GetFacing());
                    break;
                case kViewerReload: reload = true; break;
                case kViewerNothing: break;
            }
        }
        const Uint32 now = SDL_GetTicks();
        float dt = (now - lastTicks) / 1000.0f;
        if (dt > kLongestFrame) dt = kLongestFrame;
        lastTicks = now;
        if (now - lastWatch >= kWatchIntervalMs) {
            lastWatch = now;
            if (watch.Changed()) reload = true;
        }
        if (reload) {
            const Anima* shown = creature.Get() ? creature.Get()->GetCurrentAnimation() : nullptr;
            const std::string name = shown && shown->name ? shown->name : "";
            const int facing = creature.Get() ? creature.Get()->GetFacing() : 1;
            particles.Clear();
            status.loaded = creature.Load(options.creaturePath);
            playback.SetCreature(creature.Get());
            playback.Select(name);
            creature.Get()->SetFacing(facing);
            ++status.reloads;
            Report("reloaded", options.creaturePath, status.loaded, creature, playback);
        }
        playback.Advance(dt);
        particles.DrawBack(0.0f, 0.0f, dt);
        DrawViewerScene(renderer, creature.Get(), playback, status, dt);
        particles.DrawBleeding(0.0f, 0.0f, dt);
        particles.DrawFront(0.0f, 0.0f, dt);
        renderer->SetOverlayMode(0, 0);
        renderer->Present();
        if (options.frames && ++frames >= options.frames) running = false;
        SDL_Delay(1);
    }
    // The creature releases its textures through the renderer, so it goes first.
    creature.Close();
    particles.Shutdown();
    renderer->ReleaseFont();
    renderer->Shutdown();
    return 0;
}
