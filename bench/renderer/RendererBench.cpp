// Frames per second of the check scene drawn by Krellin at 800 x 600, next
// to a bare program that only clears and presents. Runs on the offscreen
// video driver unless SDL_VIDEODRIVER says otherwise.
#include <GL/glcorearb.h>
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "base/Plugin.h"
#include "bench/BareGlWindow.h"
#include "support/rendercheck/CheckScene.h"

namespace {

// Every frame ends with glFinish, so a frame counts only once it is drawn:
// a software driver would otherwise let frames pile up unrendered.
PFNGLFINISHPROC LoadFinish() {
    return reinterpret_cast<PFNGLFINISHPROC>(SDL_GL_GetProcAddress("glFinish"));
}

struct KrellinSession {
    Renderer* renderer = nullptr;
    SDL_Window* window = nullptr;
    PFNGLFINISHPROC finish = nullptr;

    bool Start(benchmark::State& state) {
        // The game folder: the generated font and arrows when they are there.
        if (chdir(CORRALON_GAME_DIR) != 0) {
            state.SkipWithError("no game folder");
            return false;
        }
        renderer = LoadPlugin<Renderer>("Krellin.dll", "CreateRendererInstance").object;
        WindowHandle handle = nullptr;
        if (!renderer || !renderer->Init(&handle, nullptr)) {
            state.SkipWithError("Krellin does not start");
            return false;
        }
        window = static_cast<SDL_Window*>(handle);
        finish = LoadFinish();
        if (!finish) {
            state.SkipWithError("no glFinish");
            return false;
        }
        // A local cfg\krellin.txt must not change what is measured.
        SDL_SetWindowSize(window, 800, 600);
        SDL_PumpEvents();
        renderer->Present();
        return true;
    }
    ~KrellinSession() {
        if (renderer) renderer->Shutdown();
    }
};

void BM_CheckSceneKrellin(benchmark::State& state) {
    KrellinSession session;
    if (!session.Start(state)) return;
    CheckScene scene;
    if (!scene.Load(session.renderer)) {
        state.SkipWithError("check scene textures");
        return;
    }
    float t = 0.0f;
    for (auto _ : state) {
        scene.Draw(t);
        session.renderer->Present();
        session.finish();
        t += 1.0f / 60.0f;
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
    scene.Release();
}
BENCHMARK(BM_CheckSceneKrellin)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_EmptyFrameKrellin(benchmark::State& state) {
    KrellinSession session;
    if (!session.Start(state)) return;
    for (auto _ : state) {
        session.renderer->Present();
        session.finish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EmptyFrameKrellin)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The floor: a window of the same size that only clears and presents.
void BM_ClearAndPresentBare(benchmark::State& state) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    BareGlWindow bare;
    bool opened = bare.Open("bare", 800, 600);
    auto clearColor =
        reinterpret_cast<PFNGLCLEARCOLORPROC>(SDL_GL_GetProcAddress("glClearColor"));
    auto clear = reinterpret_cast<PFNGLCLEARPROC>(SDL_GL_GetProcAddress("glClear"));
    PFNGLFINISHPROC finish = LoadFinish();
    if (!opened || !clearColor || !clear || !finish) {
        state.SkipWithError("no GL context");
    } else {
        clearColor(0.0f, 0.0f, 0.0f, 0.0f);
        for (auto _ : state) {
            clear(GL_COLOR_BUFFER_BIT);
            SDL_GL_SwapWindow(bare.window);
            finish();
        }
        state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    }
    bare.Close();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(BM_ClearAndPresentBare)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
