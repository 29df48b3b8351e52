// Loading a creature of 8 animations of 6 frames of 128x128 RGBA: the whole
// load against bare inflation of the same texture bytes, and the preview
// against the whole load.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "sdk/Bicho.h"
#include "creature/QvlRead.h"
#include "base/Plugin.h"

namespace {

const char kPath[] = "bench_creature.qvl";
const int kSide = 128;

Renderer* Headless() {
    static Renderer* renderer = [] {
        Renderer* headless =
            LoadPlugin<Renderer>(CORRALON_GAME_DIR "/Headless.dll", "CreateRendererInstance").object;
        if (!headless) fprintf(stderr, "Headless.so not found in %s\n", CORRALON_GAME_DIR);
        return headless;
    }();
    return renderer;
}

// Sprite-like pictures: a figure of a few flat colours with a little noise
// on a keyed background, so they pack like real frames.
std::vector<unsigned char> SpritePixels(int seed) {
    std::vector<unsigned char> p(kSide * kSide * 4);
    unsigned noise = static_cast<unsigned>(seed) * 2654435761u;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            unsigned char* px = &p[(y * kSide + x) * 4];
            int dx = x - 64, dy = y - 70 - seed % 5;
            bool inside = dx * dx + dy * dy < 40 * 40 + seed * 7;
            noise = noise * 1103515245u + 12345u;
            unsigned char n = static_cast<unsigned char>((noise >> 16) & 7);
            px[0] = inside ? static_cast<unsigned char>(60 + (y / 16) * 10 + n) : 255;
            px[1] = inside ? static_cast<unsigned char>(140 + (x / 32) * 20 + n) : 0;
            px[2] = inside ? static_cast<unsigned char>(40 + n) : 255;
            px[3] = inside ? 255 : 0;
        }
    return p;
}

struct Fixture {
    std::vector<std::vector<unsigned char>> packed;
    bool ready = false;
};

Fixture& Prepare() {
    static Fixture fixture;
    if (fixture.ready || !Headless()) return fixture;
    Renderer* r = Headless();
    Bicho* c = CreateBicho();
    c->Init(nullptr, r, nullptr, nullptr, nullptr, nullptr);
    char name[32];
    for (int a = 0; a < 8; ++a) {
        snprintf(name, sizeof name, "ANI_%d", a);
        c->AddAnimation(0, 0, 0, "", name);
        for (int f = 0; f < 6; ++f) {
            std::vector<unsigned char> pixels = SpritePixels(a * 6 + f);
            TextureHandle t = r->CreateTexture(pixels.data(), kSide, kSide, 4, "frame");
            c->AddFrame(0.15f, 0.3f, static_cast<int>(t), 0, 0, 0.3f, 0.3f, 0.04f, 0.015f, 0.28f,
                        0.295f, 0, 0, 0.2f, 0.2f, 0.15f, 0.3f, 0.05f);
            uLongf room = compressBound(pixels.size());
            std::vector<unsigned char> packed(room);
            compress2(packed.data(), &room, pixels.data(), pixels.size(), 6);
            packed.resize(room);
            fixture.packed.push_back(std::move(packed));
        }
    }
    c->Save(kPath);
    c->Release();
    DestroyBicho(c);
    fixture.ready = true;
    return fixture;
}

double SecondsPer(int rounds, void (*work)()) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) work();
    std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / rounds;
}

void InflateAll() {
    std::vector<unsigned char> out(kSide * kSide * 4);
    for (const auto& packed : Prepare().packed) {
        uLongf size = out.size();
        uncompress(out.data(), &size, packed.data(), packed.size());
        benchmark::DoNotOptimize(out.data());
    }
}

void LoadOnce(QvlMode mode) {
    Bicho* c = CreateBicho();
    c->Init(nullptr, Headless(), nullptr, nullptr, nullptr, nullptr);
    ReadQvl(*c, kPath, mode, nullptr);
    benchmark::DoNotOptimize(c->frameCount);
    c->Release();
    DestroyBicho(c);
}

void LoadWhole() { LoadOnce(QvlMode::kWhole); }
void LoadPreview() { LoadOnce(QvlMode::kPreview); }

void BM_BareUncompress(benchmark::State& state) {
    if (!Prepare().ready) return state.SkipWithError("no headless renderer");
    for (auto _ : state) InflateAll();
}
BENCHMARK(BM_BareUncompress)->Unit(benchmark::kMillisecond);

// Load time over bare inflation of the same textures, measured side by side.
void BM_LoadWhole(benchmark::State& state) {
    if (!Prepare().ready) return state.SkipWithError("no headless renderer");
    double bare = SecondsPer(10, InflateAll);
    for (auto _ : state) LoadWhole();
    double load = SecondsPer(10, LoadWhole);
    state.counters["vs_uncompress"] = load / bare;
}
BENCHMARK(BM_LoadWhole)->Unit(benchmark::kMillisecond);

// The preview against the whole load: how many times faster.
void BM_LoadPiece(benchmark::State& state) {
    if (!Prepare().ready) return state.SkipWithError("no headless renderer");
    for (auto _ : state) LoadPreview();
    double whole = SecondsPer(10, LoadWhole);
    double piece = SecondsPer(50, LoadPreview);
    state.counters["times_faster"] = whole / piece;
}
BENCHMARK(BM_LoadPiece)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
