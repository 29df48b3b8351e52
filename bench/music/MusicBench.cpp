// The music must not dominate the data generation (all five tunes in a few
// seconds on two cores): rendering and encoding of each tune, measured
// apart. Real time per tune is reported against the tune's own length.
#include <benchmark/benchmark.h>

#include <string>

#include "support/music/OggEncoder.h"
#include "support/music/Synth.h"

namespace {

const char* const kTunes[] = {"intro", "menu", "seleccion", "granja", "creditos"};

Score LoadTune(int index) {
    Score score;
    std::string error;
    LoadScore(std::string(CORRALON_SOURCE_DIR) + "/data/music/" + kTunes[index] + ".txt", &score,
              &error);
    return score;
}

void BM_RenderTune(benchmark::State& state) {
    Score score = LoadTune(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(RenderScore(score, 44100).left.data());
    state.SetLabel(kTunes[state.range(0)]);
    state.counters["tune_seconds"] = score.Seconds();
}

void BM_EncodeTune(benchmark::State& state) {
    Score score = LoadTune(static_cast<int>(state.range(0)));
    StereoLoop loop = RenderScore(score, 44100);
    std::vector<unsigned char> bytes;
    std::string error;
    for (auto _ : state) {
        EncodeOgg(loop, 44100, 0.3, 1, "bench", &bytes, &error);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(kTunes[state.range(0)]);
    state.counters["kbytes"] = bytes.size() / 1024.0;
}

}  // namespace

BENCHMARK(BM_RenderTune)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_EncodeTune)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_MAIN();
