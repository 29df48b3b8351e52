#pragma once
// A renderer that writes down the frame-level calls the core makes.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Renderer.h"

class RecordingRenderer : public Renderer {
public:
    std::vector<std::string> calls;

    int Init(WindowHandle*, InstanceHandle) override { return 1; }
    void Shutdown() override { calls.push_back("Shutdown"); }
    void QueryView(float* a, float* b, float* c) override {
        *a = *b = *c = 0.0f;
        calls.push_back("QueryView");
    }
    float GetViewScale() override { return 70.0f; }
    void SetViewScale(float) override {}
    void SetClearColor(float, float, float, float) override {}
    void SetOverlayMode(int enable, int blend) override {
        calls.push_back("SetOverlayMode " + std::to_string(enable) + " " + std::to_string(blend));
    }
    void SetRenderFlags(int, int) override {}
    void Present() override { calls.push_back("Present"); }
    void SetArrowTexture(TextureHandle) override {}
    void SetFontTexture(TextureHandle) override {}
    void ReleaseFont() override {}
    void DrawText(float, float, float, float, float, float, float, const char*, ...) override {}
    void DrawTextCentered(float x, float y, float scale, float r, float g, float b, float a,
                          const char* format, ...) override {
        char text[256];
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
        char line[400];
        snprintf(line, sizeof line, "DrawTextCentered %.2f %.2f %.2f %.0f %.0f %.0f %.0f %s", x, y,
                 scale, r, g, b, a, text);
        calls.push_back(line);
    }
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
    void GetTextureInfo(TextureHandle, int* h, int* w, int* bpp, const char** name,
                        int* flag) override {
        *h = *w = *bpp = *flag = 0;
        *name = "";
    }
    void GetTextureData(TextureHandle, unsigned char*) override {}
    int CountTextures() override { return 1; }
    void ReleaseTexture(TextureHandle) override {}
};
