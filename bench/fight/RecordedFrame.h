#pragma once
// A renderer in front of another that passes every call on and, while
// recording, keeps the drawing calls of one frame so they can be played
// again on their own. Texts keep their formatted result; particle batches
// keep a copy of their triangles.
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sdk/Renderer.h"

class RecordingRenderer : public Renderer {
public:
    explicit RecordingRenderer(Renderer* inner) : inner_(inner) {}
    bool recording = false;

    // Plays the kept calls on the inner renderer (without Present).
    void Play() const {
        for (const auto& call : calls_) call(inner_);
    }
    size_t CallCount() const { return calls_.size(); }

    int Init(WindowHandle* w, InstanceHandle i) override { return inner_->Init(w, i); }
    void Shutdown() override { inner_->Shutdown(); }
    void QueryView(float* a, float* b, float* c) override { inner_->QueryView(a, b, c); }
    float GetViewScale() override { return inner_->GetViewScale(); }
    void SetViewScale(float s) override {
        Keep([=](Renderer* r) { r->SetViewScale(s); });
    }
    void SetClearColor(float r_, float g, float b, float a) override {
        Keep([=](Renderer* r) { r->SetClearColor(r_, g, b, a); });
    }
    void SetOverlayMode(int e, int b) override {
        Keep([=](Renderer* r) { r->SetOverlayMode(e, b); });
    }
    void SetRenderFlags(int a, int b) override {
        Keep([=](Renderer* r) { r->SetRenderFlags(a, b); });
    }
    void Present() override { inner_->Present(); }
    void SetArrowTexture(TextureHandle t) override { inner_->SetArrowTexture(t); }
    void SetFontTexture(TextureHandle t) override { inner_->SetFontTexture(t); }
    void ReleaseFont() override { inner_->ReleaseFont(); }
    void DrawText(float x, float y, float s, float r_, float g, float b, float a, const char* f,
                  ...) override {
        va_list args;
        va_start(args, f);
        const std::string text = Format(f, args);
        va_end(args);
        Keep([=](Renderer* r) { r->DrawText(x, y, s, r_, g, b, a, "%s", text.c_str()); });
    }
    void DrawTextCentered(float x, float y, float s, float r_, float g, float b, float a,
                          const char* f, ...) override {
        va_list args;
        va_start(args, f);
        const std::string text = Format(f, args);
        va_end(args);
        Keep([=](Renderer* r) {
            r->DrawTextCentered(x, y, s, r_, g, b, a, "%s", text.c_str());
        });
    }
    void DrawLine(float x1, float y1, float x2, float y2, float r_, float g, float b,
                  float a) override {
        Keep([=](Renderer* r) { r->DrawLine(x1, y1, x2, y2, r_, g, b, a); });
    }
    void DrawFrame(float x, float y, float w, float h, float r_, float g, float b,
                   float a) override {
        Keep([=](Renderer* r) { r->DrawFrame(x, y, w, h, r_, g, b, a); });
    }
    void FillRect(float x, float y, float w, float h, float r_, float g, float b,
                  float a) override {
        Keep([=](Renderer* r) { r->FillRect(x, y, w, h, r_, g, b, a); });
    }
    void DrawImage(float x, float y, float w, float h, TextureHandle t, float r_, float g,
                   float b, float a) override {
        Keep([=](Renderer* r) { r->DrawImage(x, y, w, h, t, r_, g, b, a); });
    }
    void DrawImagePart(float x, float y, float w, float h, float u0, float v0, float u1,
                       float v1, TextureHandle t, float r_, float g, float b, float a) override {
        Keep([=](Renderer* r) { r->DrawImagePart(x, y, w, h, u0, v0, u1, v1, t, r_, g, b, a); });
    }
    void DrawParticleBatch(const TriangleRecord* first) override {
        if (!recording) {
            inner_->DrawParticleBatch(first);
            return;
        }
        auto batch = std::make_shared<ParticleCopy>(first);
        Keep([batch](Renderer* r) { r->DrawParticleBatch(batch->First()); });
    }
    void BindTexture(TextureHandle t) override {
        Keep([=](Renderer* r) { r->BindTexture(t); });
    }
    TextureHandle LoadTexture(const char* p) override { return inner_->LoadTexture(p); }
    TextureHandle LoadTextureKeyed(const char* p, int r, int g, int b) override {
        return inner_->LoadTextureKeyed(p, r, g, b);
    }
    TextureHandle CreateTexture(const unsigned char* px, int w, int h, int bpp,
                                const char* name) override {
        return inner_->CreateTexture(px, w, h, bpp, name);
    }
    void GetTextureInfo(TextureHandle t, int* h, int* w, int* bpp, const char** name,
                        int* flag) override {
        inner_->GetTextureInfo(t, h, w, bpp, name, flag);
    }
    void GetTextureData(TextureHandle t, unsigned char* px) override {
        inner_->GetTextureData(t, px);
    }
    int CountTextures() override { return inner_->CountTextures(); }
    void ReleaseTexture(TextureHandle t) override { inner_->ReleaseTexture(t); }

private:
    // A particle batch with its own storage: 3 corners of 3 + 2 + 3 floats.
    class ParticleCopy {
    public:
        explicit ParticleCopy(const TriangleRecord* first) {
            size_t n = 0;
            for (const TriangleRecord* t = first; t; t = t->next) ++n;
            floats_.resize(n * 24);
            records_.resize(n);
            size_t i = 0;
            for (const TriangleRecord* t = first; t; t = t->next, ++i) {
                float* f = &floats_[i * 24];
                TriangleRecord& copy = records_[i];
                copy = *t;
                for (int c = 0; c < 3; ++c) {
                    for (int k = 0; k < 3; ++k) f[c * 8 + k] = t->position[c][k];
                    for (int k = 0; k < 2; ++k) f[c * 8 + 3 + k] = t->texCoord[c][k];
                    for (int k = 0; k < 3; ++k) f[c * 8 + 5 + k] = t->color[c][k];
                    copy.position[c] = f + c * 8;
                    copy.texCoord[c] = f + c * 8 + 3;
                    copy.color[c] = f + c * 8 + 5;
                }
                copy.next = i + 1 < n ? &records_[i + 1] : nullptr;
            }
        }
        const TriangleRecord* First() const { return records_.empty() ? nullptr : &records_[0]; }

    private:
        std::vector<float> floats_;
        std::vector<TriangleRecord> records_;
    };

    void Keep(std::function<void(Renderer*)> call) {
        call(inner_);
        if (recording) calls_.push_back(std::move(call));
    }
    static std::string Format(const char* format, va_list args) {
        char text[512];
        vsnprintf(text, sizeof text, format, args);
        return text;
    }

    Renderer* inner_;
    std::vector<std::function<void(Renderer*)>> calls_;
};
