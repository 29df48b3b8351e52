// A whole fight frame on the farm: two fighters played by their behaviours,
// the stage's two actors, 1,000 live particles and the marker, drawn into a
// renderer that only counts calls. Goal: at most 167 us a frame (1% of a
// 60 Hz frame). On the same fight: the save and restore of its snapshot
// (goal 20 us the pair) and a rollback of 8 frames, a restore and 8 muted
// frames (goal 0.5 ms). Runs in the game folder, on the game's own files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "fight/Fight.h"
#include "fight/FightHistory.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "platform/Muting.h"
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

// The farm fight the benchmarks run: demo mode, unlimited time, past the
// round start so both behaviours think and fight.
class FarmFight {
public:
    FarmFight() : muting(&renderer) {
        particles.Init(&muting);
        settings.player1Name = strdup("Bichos\\rana.qvl");
        settings.player2Name = strdup("Bichos\\truvaldino.qvl");
        settings.gameMode = 3;
        settings.unlimitedTime = 1;
        fight.context = {&muting, &keyboard, &sound, &particles, &settings, &run, &gameState, {}};
        LoadFight(fight);
        for (int i = 0; i < 240; ++i) FightFrame(fight, kDt);
    }
    ~FarmFight() {
        FreeFight(fight);
        particles.Shutdown();
        free(settings.player1Name);
        free(settings.player2Name);
    }
    // Untimed: a fresh fight when the round ended, full lives, 1,000 particles.
    void KeepGoing() {
        if (!FightLoaded(fight) || fight.state.roundOver) {
            FreeFight(fight);
            gameState = GameState::kFight;
            LoadFight(fight);
        }
        for (Bicho* fighter : fight.fighters) fighter->SetLife(fighter->GetMaxLife());
        TopUpParticles(&particles);
    }

    CountingRenderer renderer;
    MutingRenderer muting;
    IdleKeyboard keyboard;
    SonidoNulo sound;
    Particulas particles;
    GameSettings settings;
    GestionJuego run;
    GameState gameState = GameState::kFight;
    FightController fight;
};

bool InGameFolder(benchmark::State& state) {
    if (chdir(CORRALON_GAME_DIR) == 0) return true;
    state.SkipWithError("no game folder");
    return false;
}

void BM_FightFrame(benchmark::State& state) {
    if (!InGameFolder(state)) return;
    FarmFight farm;
    const long callsBefore = farm.renderer.calls;
    for (auto _ : state) {
        state.PauseTiming();
        farm.KeepGoing();
        state.ResumeTiming();
        FightFrame(farm.fight, kDt);
    }
    state.counters["renderer_calls_per_frame"] =
        static_cast<double>(farm.renderer.calls - callsBefore) /
        static_cast<double>(state.iterations());
}
BENCHMARK(BM_FightFrame)->Unit(benchmark::kMicrosecond);

void BM_SaveRestoreFight(benchmark::State& state) {
    if (!InGameFolder(state)) return;
    FarmFight farm;
    farm.KeepGoing();
    SnapshotPlan plan;
    if (!PlanSnapshots(farm.fight, &plan, "Prueba")) return state.SkipWithError("no plan");
    std::vector<unsigned char> buffer;
    size_t size = SaveFightGrowing(farm.fight, plan, buffer);
    for (auto _ : state) {
        size = SaveFight(farm.fight, plan, buffer.data(), buffer.size());
        if (RestoreFight(farm.fight, plan, buffer.data(), size) != SnapshotResult::kOk)
            return state.SkipWithError("restore refused");
    }
    state.counters["snapshot_bytes"] = static_cast<double>(size);
    state.counters["particles"] = Particulas::CountList(farm.particles.BackList()) +
                                  Particulas::CountList(farm.particles.FrontList()) +
                                  Particulas::CountList(farm.particles.BleedingList());
}
BENCHMARK(BM_SaveRestoreFight)->Unit(benchmark::kMicrosecond);

void BM_Rollback8(benchmark::State& state) {
    if (!InGameFolder(state)) return;
    FarmFight farm;
    FightHistory history;
    if (!history.Begin(farm.fight, 8, "Prueba")) return state.SkipWithError("no plan");
    const PolledInput none;
    for (auto _ : state) {
        state.PauseTiming();
        farm.KeepGoing();
        if (!history.Active()) history.Begin(farm.fight, 8, "Prueba");
        while (history.Frames() < 8 && history.SaveBefore()) {
            FightFrame(farm.fight, kDt);
            history.Commit(none, kDt);
        }
        state.ResumeTiming();
        farm.muting.SetMuted(true);
        history.RunAgain(8, false);
        farm.muting.SetMuted(false);
    }
}
BENCHMARK(BM_Rollback8)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
