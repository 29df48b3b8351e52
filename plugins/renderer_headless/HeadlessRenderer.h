#pragma once
// A renderer without a window: draws nothing, keeps textures in memory and
// records every call, so the game and its tools run with no display.
#include <string>

#include "sdk/Renderer.h"
#include "plugins/renderer_common/TextureTable.h"

class CallLog;

class HeadlessRenderer : public Renderer {
public:
    explicit HeadlessRenderer(CallLog* log) : log_(log) {}

    int Init(WindowHandle* window, InstanceHandle instance) override;
    void Shutdown() override;
    void QueryView(float* a, float* b, float* c) override;
    float GetViewScale() override;
    void SetViewScale(float scale) override;
    void SetClearColor(float r, float g, float b, float a) override;
    void SetOverlayMode(int enable, int blend) override;
    void SetRenderFlags(int a, int b) override;
    void Present() override;
    void SetArrowTexture(TextureHandle texture) override;
    void SetFontTexture(TextureHandle texture) override;
    void ReleaseFont() override;
    void DrawText(float x, float y, float scale, float r, float g, float b, float a,
                  const char* format, ...) override __attribute__((format(printf, 9, 10)));
    void DrawTextCentered(float x, float y, float scale, float r, float g, float b, float a,
                          const char* format, ...) override
        __attribute__((format(printf, 9, 10)));
    void DrawLine(float x1, float y1, float x2, float y2, float r, float g, float b,
                  float a) override;
    void DrawFrame(float x, float y, float w, float h, float r, float g, float b,
                   float a) override;
    void FillRect(float x, float y, float w, float h, float r, float g, float b,
                  float a) override;
    void DrawImage(float x, float y, float w, float h, TextureHandle texture, float r, float g,
                   float b, float a) override;
    void DrawImagePart(float x, float y, float w, float h, float u0, float v0, float u1,
                       float v1, TextureHandle texture, float r, float g, float b,
                       float a) override;
    void DrawParticleBatch(const TriangleRecord* first) override;
    void BindTexture(TextureHandle texture) override;
    TextureHandle LoadTexture(const char* path) override;
    TextureHandle LoadTextureKeyed(const char* path, int r, int g, int b) override;
    TextureHandle CreateTexture(const unsigned char* pixels, int width, int height,
                                int bytesPerPixel, const char* name) override;
    void GetTextureInfo(TextureHandle texture, int* height, int* width, int* bytesPerPixel,
                        const char** name, int* flag) override;
    void GetTextureData(TextureHandle texture, unsigned char* pixels) override;
    int CountTextures() override;
    void ReleaseTexture(TextureHandle texture) override;

    // Longest piece of a drawn text kept in a recorded line.
    static constexpr size_t kMaxRecordedText = 1024;

private:
    void Record(const std::string& line);
    void RecordText(const char* operation, float x, float y, float scale, float r, float g,
                    float b, float a, const std::string& text);
    TextureHandle LoadPictureTexture(const char* path, bool keyed, int r, int g, int b);

    CallLog* log_;
    TextureTable textures_;
    float viewScale_ = 70.0f;
    // After a failed Init every call is still recorded but does nothing and
    // answers 0, like a renderer without its window.
    bool failed_ = false;
    // CORRALON_HEADLESS_TEXTURE_COUNT=1: the game log gets the live texture
    // count whenever it changes, so a long run can be checked for leaks
    // without a trace of every call.
    bool logTextureCount_ = false;
    int loggedTextureCount_ = -1;
    unsigned long presents_ = 0;
};
