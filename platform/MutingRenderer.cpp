#include <cstdarg>
#include <cstdio>
#include <initializer_list>

#include "platform/Muting.h"

namespace {

// Text is formatted here, then handed on whole.
constexpr size_t kTextSize = 1024;

}  // namespace

int MutingRenderer::Init(WindowHandle* window, InstanceHandle instance) {
    return inner_->Init(window, instance);
}
void MutingRenderer::Shutdown() { inner_->Shutdown(); }
// Muted, the view is the stand-in's own: a frame run again leaves no call
// behind, not even a question.
void MutingRenderer::QueryView(float* a, float* b, float* c) {
    if (!muted_) return inner_->QueryView(a, b, c);
    for (float* value : {a, b, c})
        if (value) *value = 0.0f;
}
float MutingRenderer::GetViewScale() { return muted_ ? viewScale_ : inner_->GetViewScale(); }
void MutingRenderer::SetViewScale(float scale) {
    viewScale_ = scale;
    if (!muted_) inner_->SetViewScale(scale);
}
void MutingRenderer::SetClearColor(float r, float g, float b, float a) {
    inner_->SetClearColor(r, g, b, a);
}
void MutingRenderer::SetOverlayMode(int enable, int blend) {
    if (!muted_) inner_->SetOverlayMode(enable, blend);
}
void MutingRenderer::SetRenderFlags(int a, int b) { inner_->SetRenderFlags(a, b); }
void MutingRenderer::Present() {
    if (!muted_) inner_->Present();
}
void MutingRenderer::SetArrowTexture(TextureHandle texture) { inner_->SetArrowTexture(texture); }
void MutingRenderer::SetFontTexture(TextureHandle texture) { inner_->SetFontTexture(texture); }
void MutingRenderer::ReleaseFont() { inner_->ReleaseFont(); }

void MutingRenderer::DrawText(float x, float y, float scale, float r, float g, float b, float a,
                              const char* format, ...) {
    if (muted_) return;
    char text[kTextSize];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    inner_->DrawText(x, y, scale, r, g, b, a, "%s", text);
}

void MutingRenderer::DrawTextCentered(float x, float y, float scale, float r, float g, float b,
                                      float a, const char* format, ...) {
    if (muted_) return;
    char text[kTextSize];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    inner_->DrawTextCentered(x, y, scale, r, g, b, a, "%s", text);
}

void MutingRenderer::DrawLine(float x1, float y1, float x2, float y2, float r, float g, float b,
                              float a) {
    if (!muted_) inner_->DrawLine(x1, y1, x2, y2, r, g, b, a);
}
void MutingRenderer::DrawFrame(float x, float y, float w, float h, float r, float g, float b,
                               float a) {
    if (!muted_) inner_->DrawFrame(x, y, w, h, r, g, b, a);
}
void MutingRenderer::FillRect(float x, float y, float w, float h, float r, float g, float b,
                              float a) {
    if (!muted_) inner_->FillRect(x, y, w, h, r, g, b, a);
}
void MutingRenderer::DrawImage(float x, float y, float w, float h, TextureHandle texture, float r,
                               float g, float b, float a) {
    if (!muted_) inner_->DrawImage(x, y, w, h, texture, r, g, b, a);
}
void MutingRenderer::DrawImagePart(float x, float y, float w, float h, float u0, float v0,
                                   float u1, float v1, TextureHandle texture, float r, float g,
                                   float b, float a) {
    if (!muted_) inner_->DrawImagePart(x, y, w, h, u0, v0, u1, v1, texture, r, g, b, a);
}
void MutingRenderer::DrawParticleBatch(const TriangleRecord* first) {
    if (!muted_) inner_->DrawParticleBatch(first);
}
void MutingRenderer::BindTexture(TextureHandle texture) {
    if (!muted_) inner_->BindTexture(texture);
}
TextureHandle MutingRenderer::LoadTexture(const char* path) { return inner_->LoadTexture(path); }
TextureHandle MutingRenderer::LoadTextureKeyed(const char* path, int r, int g, int b) {
    return inner_->LoadTextureKeyed(path, r, g, b);
}
TextureHandle MutingRenderer::CreateTexture(const unsigned char* pixels, int width, int height,
                                            int bytesPerPixel, const char* name) {
    return inner_->CreateTexture(pixels, width, height, bytesPerPixel, name);
}
void MutingRenderer::GetTextureInfo(TextureHandle texture, int* height, int* width,
                                    int* bytesPerPixel, const char** name, int* flag) {
    inner_->GetTextureInfo(texture, height, width, bytesPerPixel, name, flag);
}
void MutingRenderer::GetTextureData(TextureHandle texture, unsigned char* pixels) {
    inner_->GetTextureData(texture, pixels);
}
int MutingRenderer::CountTextures() { return inner_->CountTextures(); }
void MutingRenderer::ReleaseTexture(TextureHandle texture) { inner_->ReleaseTexture(texture); }
