// The core loop's own cost per frame: clock, title, time effects, sound
// update, keyboard poll, dispatch and present, with the headless renderer.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "app/RunFrame.h"
#include "base/Clock.h"
#include "base/Plugin.h"
#include "sdk/Renderer.h"
#include "platform/SonidoNulo.h"
#include "input/Teclado.h"

namespace {

Renderer* LoadHeadless() {
    static Renderer* renderer = nullptr;
    if (renderer) return renderer;
    renderer = LoadPlugin<Renderer>(CORRALON_GAME_DIR "/Headless.so", "CreateRendererInstance").object;
    if (!renderer) return nullptr;
    WindowHandle window = nullptr;
    renderer->Init(&window, nullptr);
    return renderer;
}

void NoScreen(GameState*, float) {}
void NoFight(float) {}
void NoTitle(const char*) {}

void RunFrames(benchmark::State& state, bool debugInfo) {
    Renderer* renderer = LoadHeadless();
    if (!renderer) {
        state.SkipWithError("Headless.so not found in the game folder");
        return;
    }
    FrameTimer timer;
    GameSettings settings;
    settings.debugInfo = debugInfo ? 1 : 0;
    GameState current = GameState::kMenu;
    Teclado* keyboard = CreateKeyboard();
    keyboard->Init(nullptr, nullptr);
    SonidoNulo sound;
    FrameContext context = {&timer,  &settings, &current, renderer,          keyboard, &sound,
                            NoScreen, NoFight,  NoScreen, NoScreen, PlatformTickCount, NoTitle,
                            nullptr};
    FrameRateDisplay display;
    timer.Update();
    for (auto _ : state) RunFrameWith(context, &display);
    delete keyboard;  // no Shutdown: it would save bindings into the current folder
    state.SetItemsProcessed(state.iterations());
}

void BM_CoreFrame(benchmark::State& state) { RunFrames(state, false); }
void BM_CoreFrameWithOverlay(benchmark::State& state) { RunFrames(state, true); }

BENCHMARK(BM_CoreFrame);
BENCHMARK(BM_CoreFrameWithOverlay);

}  // namespace

BENCHMARK_MAIN();
