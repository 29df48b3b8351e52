// One recorded fight frame drawn by Krellin, against a minimal OpenGL 3.3
// program that draws the very same triangles with the same textures from
// one vertex buffer, in the same run. Krellin keeps the geometry of the
// frame it presented, so both sides draw identical quads. Goal: Krellin at
// least 0.8 of the minimal program's frame rate. Runs on the offscreen video
// driver unless SDL_VIDEODRIVER says otherwise, in the game folder.
#include <GL/glcorearb.h>
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "base/Library.h"
#include "base/Plugin.h"
#include "bench/BareGlWindow.h"
#include "bench/fight/LiveParticles.h"
#include "bench/fight/RecordedFrame.h"
#include "fight/Fight.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "platform/SonidoNulo.h"
#include "sdk/GameSettings.h"
#include "plugins/renderer_gl/KrellinExports.h"
#include "support/testing/IdleKeyboard.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr float kDt = 1.0f / 60.0f;

template <typename F>
F Gl(const char* name) {
    return reinterpret_cast<F>(SDL_GL_GetProcAddress(name));
}

// The Krellin side: the renderer, the fight that made the frame, and the
// frame's calls.
struct KrellinSide {
    Renderer* krellin = nullptr;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    RecordingRenderer* recorder = nullptr;
    std::vector<KrellinVertex> vertices;
    std::vector<KrellinRun> runs;
    std::string error;
};

// The minimal program: its own window, context, one shader, one buffer.
struct MinimalSide {
    BareGlWindow bare;
    GLuint program = 0, vertexArray = 0, buffer = 0, white = 0;
    GLint alphaCut = -1, premultiply = -1;
    std::map<TextureHandle, GLuint> textures;
    std::string error;
};

KrellinSide krellinSide;
MinimalSide minimalSide;
double framesPerSecond[2] = {0.0, 0.0};  // Krellin, minimal

bool RecordFightFrame(KrellinSide& k) {
    if (chdir(CORRALON_GAME_DIR) != 0) return k.error = "no game folder", false;
    k.krellin = LoadPlugin<Renderer>("Krellin.dll", "CreateRendererInstance").object;
    WindowHandle handle = nullptr;
    if (!k.krellin || !k.krellin->Init(&handle, nullptr))
        return k.error = "Krellin does not start", false;
    k.window = static_cast<SDL_Window*>(handle);
    k.context = SDL_GL_GetCurrentContext();
    SDL_SetWindowSize(k.window, kWidth, kHeight);
    SDL_PumpEvents();
    void* library = PlatformLoadLibrary("Krellin.dll");
    auto keep = reinterpret_cast<KrellinKeepFramesFn>(PlatformGetSymbol(library, "KrellinKeepFrames"));
    auto last = reinterpret_cast<KrellinLastFrameFn>(PlatformGetSymbol(library, "KrellinLastFrame"));
    if (!keep || !last) return k.error = "Krellin lacks the frame exports", false;

    k.recorder = new RecordingRenderer(k.krellin);
    k.recorder->SetFontTexture(k.recorder->LoadTextureKeyed("bmp\\fuenteZeltor.bmp", 0, 255, 0));
    static IdleKeyboard keyboard;
    static SonidoNulo sound;
    static Particulas particles;
    static GameSettings settings;
    static GestionJuego run;
    static GameState gameState = GameState::kFight;
    static FightController fight;
    particles.Init(k.recorder);
    settings.player1Name = strdup("Bichos\\rana.qvl");
    settings.player2Name = strdup("Bichos\\truvaldino.qvl");
    settings.gameMode = 3;
    settings.unlimitedTime = 1;
    fight.context = {k.recorder, &keyboard, &sound, &particles, &settings, &run, &gameState, {}};
    LoadFight(fight);
    if (!FightLoaded(fight)) return k.error = "the fight does not load", false;
    // Past the round start, so both fighters move and the marker shows.
    for (int i = 0; i < 240; ++i) {
        FightFrame(fight, kDt);
        k.krellin->Present();
    }
    TopUpParticles(&particles);
    keep(k.krellin, 1);
    k.recorder->recording = true;
    FightFrame(fight, kDt);
    k.recorder->recording = false;
    k.krellin->Present();
    keep(k.krellin, 0);

    int runCount = 0;
    const int vertexCount = last(k.krellin, nullptr, 0, nullptr, 0, &runCount);
    if (vertexCount <= 0) return k.error = "no frame kept", false;
    k.vertices.resize(vertexCount);
    k.runs.resize(runCount);
    last(k.krellin, k.vertices.data(), vertexCount, k.runs.data(), runCount, &runCount);
    return true;
}

// The renderer's own shading, so both sides do the same work per pixel.
const char kVertexSource[] = R"(#version 330 core
layout(location = 0) in vec2 aPosition;
layout(location = 1) in vec2 aTexCoord;
layout(location = 2) in vec4 aColor;
out vec2 vTexCoord;
out vec4 vColor;
void main() {
    vTexCoord = aTexCoord;
    vColor = aColor;
    gl_Position = vec4(aPosition, 0.0, 1.0);
})";

const char kFragmentSource[] = R"(#version 330 core
uniform sampler2D uTexture;
uniform float uAlphaCut;
uniform float uPremultiply;
in vec2 vTexCoord;
in vec4 vColor;
out vec4 fragColor;
void main() {
    vec4 c = texture(uTexture, vTexCoord) * vColor;
    if (c.a < uAlphaCut) discard;
    c.rgb *= mix(1.0, c.a, uPremultiply);
    fragColor = c;
})";

GLuint Compile(GLenum kind, const char* source) {
    GLuint shader = Gl<PFNGLCREATESHADERPROC>("glCreateShader")(kind);
    Gl<PFNGLSHADERSOURCEPROC>("glShaderSource")(shader, 1, &source, nullptr);
    Gl<PFNGLCOMPILESHADERPROC>("glCompileShader")(shader);
    return shader;
}

GLuint Upload(const unsigned char* pixels, int width, int height, int bytesPerPixel) {
    GLuint name = 0;
    Gl<PFNGLGENTEXTURESPROC>("glGenTextures")(1, &name);
    Gl<PFNGLBINDTEXTUREPROC>("glBindTexture")(GL_TEXTURE_2D, name);
    Gl<PFNGLPIXELSTOREIPROC>("glPixelStorei")(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = bytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    Gl<PFNGLTEXIMAGE2DPROC>("glTexImage2D")(GL_TEXTURE_2D, 0, bytesPerPixel == 4 ? GL_RGBA8 : GL_RGB8,
                                            width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    auto parameter = Gl<PFNGLTEXPARAMETERIPROC>("glTexParameteri");
    parameter(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    parameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    parameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    parameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return name;
}

bool StartMinimal(MinimalSide& m, const KrellinSide& k) {
    if (!m.bare.Open("minimal", kWidth, kHeight)) return m.error = "no GL context", false;

    m.program = Gl<PFNGLCREATEPROGRAMPROC>("glCreateProgram")();
    Gl<PFNGLATTACHSHADERPROC>("glAttachShader")(m.program, Compile(GL_VERTEX_SHADER, kVertexSource));
    Gl<PFNGLATTACHSHADERPROC>("glAttachShader")(m.program, Compile(GL_FRAGMENT_SHADER, kFragmentSource));
    Gl<PFNGLLINKPROGRAMPROC>("glLinkProgram")(m.program);
    GLint linked = 0;
    Gl<PFNGLGETPROGRAMIVPROC>("glGetProgramiv")(m.program, GL_LINK_STATUS, &linked);
    if (!linked) return m.error = "the shader does not link", false;
    Gl<PFNGLUSEPROGRAMPROC>("glUseProgram")(m.program);
    auto uniform = Gl<PFNGLGETUNIFORMLOCATIONPROC>("glGetUniformLocation");
    Gl<PFNGLUNIFORM1IPROC>("glUniform1i")(uniform(m.program, "uTexture"), 0);
    m.alphaCut = uniform(m.program, "uAlphaCut");
    m.premultiply = uniform(m.program, "uPremultiply");

    Gl<PFNGLGENVERTEXARRAYSPROC>("glGenVertexArrays")(1, &m.vertexArray);
    Gl<PFNGLBINDVERTEXARRAYPROC>("glBindVertexArray")(m.vertexArray);
    Gl<PFNGLGENBUFFERSPROC>("glGenBuffers")(1, &m.buffer);
    Gl<PFNGLBINDBUFFERPROC>("glBindBuffer")(GL_ARRAY_BUFFER, m.buffer);
    auto attribute = Gl<PFNGLVERTEXATTRIBPOINTERPROC>("glVertexAttribPointer");
    auto enable = Gl<PFNGLENABLEVERTEXATTRIBARRAYPROC>("glEnableVertexAttribArray");
    const GLsizei stride = sizeof(KrellinVertex);
    attribute(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(KrellinVertex, x)));
    attribute(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(KrellinVertex, u)));
    attribute(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
              reinterpret_cast<void*>(offsetof(KrellinVertex, r)));
    for (GLuint i = 0; i < 3; ++i) enable(i);

    const unsigned char white[4] = {255, 255, 255, 255};
    m.white = Upload(white, 1, 1, 4);
    // The same pixels Krellin was given, read back through the renderer.
    for (const KrellinRun& run : k.runs) {
        if (run.texture == 0 || m.textures.count(run.texture)) continue;
        int height = 0, width = 0, bpp = 0, flag = 0;
        const char* name = nullptr;
        k.krellin->GetTextureInfo(run.texture, &height, &width, &bpp, &name, &flag);
        std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * bpp);
        k.krellin->GetTextureData(run.texture, pixels.data());
        m.textures[run.texture] = Upload(pixels.data(), width, height, bpp);
    }
    Gl<PFNGLVIEWPORTPROC>("glViewport")(0, 0, kWidth, kHeight);
    return true;
}

void BM_FightFrameKrellin(benchmark::State& state) {
    KrellinSide& k = krellinSide;
    if (!k.error.empty()) return state.SkipWithError(k.error.c_str());
    SDL_GL_MakeCurrent(k.window, k.context);
    auto finish = Gl<PFNGLFINISHPROC>("glFinish");
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        k.recorder->Play();
        k.krellin->Present();
        finish();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    framesPerSecond[0] = static_cast<double>(state.iterations()) / seconds;
    state.counters["fps"] = framesPerSecond[0];
    state.counters["calls"] = static_cast<double>(k.recorder->CallCount());
    state.counters["triangles"] = static_cast<double>(k.vertices.size() / 3);
}
BENCHMARK(BM_FightFrameKrellin)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FightFrameMinimalGl(benchmark::State& state) {
    MinimalSide& m = minimalSide;
    const KrellinSide& k = krellinSide;
    if (!k.error.empty()) return state.SkipWithError(k.error.c_str());
    if (!m.error.empty()) return state.SkipWithError(m.error.c_str());
    SDL_GL_MakeCurrent(m.bare.window, m.bare.context);
    auto clear = Gl<PFNGLCLEARPROC>("glClear");
    auto bufferSubData = Gl<PFNGLBUFFERSUBDATAPROC>("glBufferSubData");
    auto bind = Gl<PFNGLBINDTEXTUREPROC>("glBindTexture");
    auto enable = Gl<PFNGLENABLEPROC>("glEnable");
    auto disable = Gl<PFNGLDISABLEPROC>("glDisable");
    auto blendFunc = Gl<PFNGLBLENDFUNCPROC>("glBlendFunc");
    auto uniform = Gl<PFNGLUNIFORM1FPROC>("glUniform1f");
    auto draw = Gl<PFNGLDRAWARRAYSPROC>("glDrawArrays");
    auto finish = Gl<PFNGLFINISHPROC>("glFinish");
    const GLsizeiptr bytes = static_cast<GLsizeiptr>(k.vertices.size() * sizeof(KrellinVertex));
    // Storage made once; each frame only fills it.
    Gl<PFNGLBUFFERDATAPROC>("glBufferData")(GL_ARRAY_BUFFER, bytes, nullptr, GL_STREAM_DRAW);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        clear(GL_COLOR_BUFFER_BIT);
        bufferSubData(GL_ARRAY_BUFFER, 0, bytes, k.vertices.data());
        // Only what changes between runs is set, as any batching drawer does.
        const KrellinRun* previous = nullptr;
        for (const KrellinRun& run : k.runs) {
            const bool sameBlend = previous && previous->blendEnabled == run.blendEnabled &&
                                   previous->sourceFactor == run.sourceFactor &&
                                   previous->destinationFactor == run.destinationFactor &&
                                   previous->alphaCut == run.alphaCut &&
                                   previous->premultiply == run.premultiply;
            if (!sameBlend) {
                if (run.blendEnabled) {
                    enable(GL_BLEND);
                    blendFunc(run.sourceFactor, run.destinationFactor);
                } else {
                    disable(GL_BLEND);
                }
                uniform(m.alphaCut, run.alphaCut);
                uniform(m.premultiply, run.premultiply);
            }
            if (!previous || previous->texture != run.texture)
                bind(GL_TEXTURE_2D, run.texture ? m.textures[run.texture] : m.white);
            draw(GL_TRIANGLES, run.first, run.count);
            previous = &run;
        }
        SDL_GL_SwapWindow(m.bare.window);
        finish();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    framesPerSecond[1] = static_cast<double>(state.iterations()) / seconds;
    state.counters["fps"] = framesPerSecond[1];
    state.counters["runs"] = static_cast<double>(k.runs.size());
}
BENCHMARK(BM_FightFrameMinimalGl)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (RecordFightFrame(krellinSide)) StartMinimal(minimalSide, krellinSide);
    benchmark::RunSpecifiedBenchmarks();
    if (framesPerSecond[0] > 0.0 && framesPerSecond[1] > 0.0)
        printf("Krellin / minimal GL frame rate: %.2f (goal: at least 0.8)\n",
               framesPerSecond[0] / framesPerSecond[1]);
    benchmark::Shutdown();
    return 0;
}
