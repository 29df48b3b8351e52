#pragma once
// A renderer that accepts every operation and draws nothing. Test renderers
// derive from it and override only the calls they look at.
#include "sdk/Renderer.h"

class NullRenderer : public Renderer {
public:
    int Init(WindowHandle*, InstanceHandle) override { return 1; }
    void Shutdown() override {}
    void QueryView(float* a, float* b, float* c) override {
        if (a) *a = 0.0f;
        if (b) *b = 0.0f;
        if (c) *c = 0.0f;
    }
    float GetViewScale() override { return 70.0f; }
    void SetViewScale(float) override {}
    void SetClearColor(float, float, float, float) override {}
    void SetOverlayMode(int, int) override {}
    void SetRenderFlags(int, int) override {}
    void Present() override {}
    void SetArrowTexture(TextureHandle) override {}
    void SetFontTexture(TextureHandle) override {}
    void ReleaseFont() override {}
    void DrawText(float, float, float, float, float, float, float, const char*, ...) override {}
    void DrawTextCentered(float, float, float, float, float, float, float, const char*,
                          ...) override {}
    void DrawLine(float, float, float, float, float, float, float, float) override {}
    void DrawFrame(float, float, float, float, float, float, float, float) override {}
    void FillRect(float, float, float, float, float, float, float, float) override {}
    void DrawImage(float, float, float, float, TextureHandle, float, float, float, float) override {}
    void DrawImagePart(float, float, float, float, float, float, float, float, TextureHandle,
                       float, float, float, float) override {}
    void DrawParticleBatch(const TriangleRecord*) override {}
    void BindTexture(TextureHandle) override {}
    TextureHandle LoadTexture(const char*) override { return 0; }
    TextureHandle LoadTextureKeyed(const char*, int, int, int) override { return 0; }
    TextureHandle CreateTexture(const unsigned char*, int, int, int, const char*) override {
        return 0;
    }
    void GetTextureInfo(TextureHandle, int* height, int* width, int* bytesPerPixel,
                        const char** name, int* flag) override {
        if (height) *height = 0;
        if (width) *width = 0;
        if (bytesPerPixel) *bytesPerPixel = 0;
        if (name) *name = "";
        if (flag) *flag = 0;
    }
    void GetTextureData(TextureHandle, unsigned char*) override {}
    int CountTextures() override { return 1; }
    void ReleaseTexture(TextureHandle) override {}
};
