// A whole fight frame on the farm: two fighters played by their behaviours,
// the stage's two actors, 1,000 live particles and the marker, drawn into a
// renderer that only counts calls. Goal: at most 167 us a frame (1% of a
// 60 Hz frame). Runs in the game folder, on the game's own files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "fight/Fight.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "platform/SonidoNulo.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "bench/fight/LiveParticles.h"
#include "support/testing/IdleKeyboard.h"
#include "support/testing/NullRenderer.h"

namespace {

constexpr float kDt = 1.0f / 60.0f;

class CountingRenderer : public NullRenderer {
public:
    long calls = 0;
    TextureHandle next = 1;
    void SetOverlayMode(int, int) override { ++calls; }
    void SetViewScale(float) override { ++calls; }
    void DrawText(float, float, float, float, float, float, float, const char*, ...) override {
        ++calls;
    }
    void DrawTextCentered(float, float, float, float, float, float, float, const char*,
                          ...) override {
        ++calls;
    }
    void FillRect(float, float, float, float, float, float, float, float) override { ++calls; }
    void DrawImage(float, float, float, float, TextureHandle, float, float, float,
                   float) override {
        ++calls;
    }
    void DrawImagePart(float, float, float, float, float, float, float, float, TextureHandle,
                       float, float, float, float) override {
        ++calls;
    }
    void DrawParticleBatch(const TriangleRecord*) override { ++calls; }
    TextureHandle LoadTexture(const char*) override { return next++; }
    TextureHandle LoadTextureKeyed(const char*, int, int, int) override { return next++; }
    TextureHandle CreateTexture(const unsigned char*, int, int, int, const char*) override {
        return next++;
    }
};

void BM_FightFrame(benchmark::State& state) {
    if (chdir(CORRALON_GAME_DIR) != 0) {
        state.SkipWithError("no game folder");
        return;
    }
    CountingRenderer renderer;
    IdleKeyboard keyboard;
    SonidoNulo sound;
    Particulas particles;
    particles.Init(&renderer);
    GameSettings settings;
    settings.player1Name = strdup("Bichos\\rana.qvl");
    settings.player2Name = strdup("Bichos\\truvaldino.qvl");
    settings.gameMode = 3;
    settings.unlimitedTime = 1;
    GestionJuego run;
    GameState gameState = GameState::kFight;

    FightController fight;
    fight.context = {&renderer, &keyboard, &sound, &particles, &settings, &run, &gameState, {}};
    LoadFight(fight);
    // Past the round start, so both behaviours think and fight.
    for (int i = 0; i < 240; ++i) FightFrame(fight, kDt);

    const long callsBefore = renderer.calls;
    for (auto _ : state) {
        state.PauseTiming();
        if (!FightLoaded(fight) || fight.state.roundOver) {
            FreeFight(fight);
            gameState = GameState::kFight;
            LoadFight(fight);
        }
        for (Bicho* fighter : fight.fighters) fighter->SetLife(fighter->GetMaxLife());
        TopUpParticles(&particles);
        state.ResumeTiming();
        FightFrame(fight, kDt);
    }
    state.counters["renderer_calls_per_frame"] =
        static_cast<double>(renderer.calls - callsBefore) / static_cast<double>(state.iterations());
    FreeFight(fight);
    particles.Shutdown();
    free(settings.player1Name);
    free(settings.player2Name);
}
BENCHMARK(BM_FightFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
