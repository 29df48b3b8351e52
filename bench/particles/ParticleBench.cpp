// Time per live particle per frame: 5,000 particles of every kind, updated
// and drawn into the headless renderer (and, for comparison, updated only).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "effects/Particulas.h"
#include "base/Plugin.h"

namespace {

constexpr int kLive = 5000;
constexpr float kDt = 1.0f / 60.0f;

Renderer* HeadlessRenderer() {
    static Renderer* renderer = [] {
        return LoadPlugin<Renderer>(CORRALON_GAME_DIR "/Headless.so", "CreateRendererInstance").object;
    }();
    return renderer;
}

// Every kind in turn; drops land and die, so the set is topped up between
// frames.
void TopUp(Particulas* particles, int live) {
    for (int i = live; i < kLive; ++i) {
        Emision e;
        e.kind = 1 + i % 17;
        e.x = 0.1f + (i % 97) * 0.008f;
        e.y = 0.2f + (i % 53) * 0.01f;
        e.vx = ((i % 7) - 3) * 0.001f;
        e.vy = ((i % 5) - 2) * 0.002f;
        e.w = e.h = 0.05f;
        e.radius = 0.02f;
        e.life = 1.0e6f;
        particles->Emitir(1, i % 2 == 0, e);
    }
}

int Live(const Particulas& particles) {
    return Particulas::CountList(particles.BackList()) + Particulas::CountList(particles.FrontList());
}

void RunFrames(benchmark::State& state, Renderer* renderer) {
    Particulas particles;
    particles.Init(renderer);
    TopUp(&particles, 0);
    for (auto _ : state) {
        particles.DrawBack(0.0f, 0.0f, kDt);
        particles.DrawFront(0.0f, 0.0f, kDt);
        state.PauseTiming();
        int live = Live(particles);
        if (live < kLive) TopUp(&particles, live);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLive);
    state.counters["per_particle"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kLive,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    particles.Shutdown();
}

void BM_ParticlesHeadless(benchmark::State& state) {
    Renderer* renderer = HeadlessRenderer();
    if (!renderer) {
        state.SkipWithError("Headless.so not found");
        return;
    }
    RunFrames(state, renderer);
}
BENCHMARK(BM_ParticlesHeadless)->Unit(benchmark::kMicrosecond);

void BM_ParticlesUpdateOnly(benchmark::State& state) { RunFrames(state, nullptr); }
BENCHMARK(BM_ParticlesUpdateOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
