#pragma once
// The OpenGL 3.3 renderer: an SDL window with a core context, the 4:3
// picture letterboxed inside it, everything drawn through one batched
// sprite program.
#include <SDL.h>

#include <atomic>
#include <cstdarg>
#include <vector>

#include "plugins/renderer_gl/KrellinExports.h"
#include "sdk/Renderer.h"
#include "plugins/renderer_common/TextureTable.h"
#include "plugins/renderer_gl/BlendModes.h"
#include "plugins/renderer_gl/FontMetrics.h"
#include "plugins/renderer_gl/GlApi.h"
#include "plugins/renderer_gl/KrellinSettings.h"
#include "plugins/renderer_gl/SpriteBatch.h"
#include "plugins/renderer_gl/SpriteQueue.h"
#include "plugins/renderer_gl/ViewMapping.h"

class KrellinRenderer final : public Renderer {
public:
    KrellinRenderer() = default;
    ~KrellinRenderer();
    KrellinRenderer(const KrellinRenderer&) = delete;
    KrellinRenderer& operator=(const KrellinRenderer&) = delete;

    CORRALON_RENDERER_OVERRIDES

    // Test and tool access (see KrellinExports.cpp).
    // Reads window pixels (origin top left, rows top to bottom) of the frame
    // being drawn, after drawing what is queued. 1 on success.
    int ReadPixels(int x, int y, int width, int height, unsigned char* rgba);
    int DrawCallsLastFrame() const { return drawCallsLastFrame_; }
    // Keeping a copy of each presented frame's geometry, for benchmarks
    // that draw the same frame elsewhere.
    void KeepFrames(bool keep) { keepFrames_ = keep; }
    int LastFrame(KrellinVertex* vertices, int maxVertices, KrellinRun* runs, int maxRuns,
                  int* runCount) const;
    // Saves the frame being drawn as a PNG; what F12 does at Present.
    bool SaveScreenshot(const char* path);

private:
    // Window and context.
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    bool videoStarted_ = false;
    bool ready_ = false;
    KrellinSettings settings_;
    GlApi gl_;
    SpriteBatch batch_;
    SpriteQueue queue_;
    PixelRect picture_;  // the letterboxed 4:3 area
    int windowWidth_ = 0, windowHeight_ = 0;
    int screenshotCounter_ = 1;
    // The window's size and place before it went full screen.
    int windowedWidth_ = 0, windowedHeight_ = 0, windowedX_ = 0, windowedY_ = 0;
    int drawCallsLastFrame_ = 0;
    bool keepFrames_ = false;
    bool frameKept_ = false;
    std::vector<SpriteVertex> keptVertices_;
    std::vector<SpriteRun> keptRuns_;
    bool presented_ = false;
    long presents_ = 0;
    std::vector<long> screenshotPresents_;  // still to come, ascending
    GLsync lastFrameDone_ = nullptr;  // signalled when the GPU has drawn the last frame

    // Flags the event watch raises; Present acts on them.
    std::atomic<bool> wantFullscreenToggle_{false};
    std::atomic<bool> wantScreenshot_{false};
    std::atomic<bool> windowResized_{false};

    // Drawing state.
    float viewScale_ = kNormalViewScale;
    ViewMapping view_;
    float clearColor_[4] = {0, 0, 0, 0};
    BlendKind blend_ = BlendKind::Opaque;
    int renderFlags_[2] = {0, 0};
    TextureHandle boundTexture_ = 0;
    TextureHandle fontTexture_ = 0;
    TextureHandle arrowTexture_ = 0;
    FontMetrics font_;

    // Textures: the CPU copies and, by handle, their GPU names.
    TextureTable textures_;
    std::vector<GLuint> gpuNames_;
    GLuint whiteTexture_ = 0;

    static int EventWatch(void* self, SDL_Event* event);
    void TearDown();
    bool CreateWindowAndContext();
    void UpdateViewport();
    void BeginFrame();
    void HandleRequests();
    void ToggleFullscreen();
    bool ReadFrame(int x, int y, int width, int height, unsigned char* rgba);

    TextureHandle AddTexture(const unsigned char* pixels, int width, int height,
                             int bytesPerPixel, const char* name, int flag);
    GLuint Upload(const unsigned char* pixels, int width, int height, int bytesPerPixel);
    // The GPU name for drawing; 0 for unknown handles, which draw nothing.
    GLuint DrawableTexture(TextureHandle texture) const;

    void AddQuad(GLuint texture, float x, float y, float w, float h, float u0, float v0,
                 float u1, float v1, float r, float g, float b, float a);
    void AddQuadCorners(GLuint texture, const float corners[8], float u0, float v0, float u1,
                        float v1, float r, float g, float b, float a);
    void DrawTextLine(float x, float y, float scale, const char* text, bool centred, float r,
                      float g, float b, float a);
    void DrawFormatted(float x, float y, float scale, bool centred, float r, float g, float b,
                       float a, const char* format, va_list args)
        __attribute__((format(printf, 10, 0)));
};
