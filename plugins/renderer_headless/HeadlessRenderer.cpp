#include "plugins/renderer_headless/HeadlessRenderer.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "base/Log.h"
#include "plugins/renderer_common/Picture.h"
#include "plugins/renderer_headless/CallFormat.h"
#include "plugins/renderer_headless/CallLog.h"

namespace {

// A broken particle list that loops back on itself must not hang the game.
const int kMaxTrianglesPerBatch = 1000000;

bool SwitchOn(const char* name) {
    const char* value = getenv(name);
    return value && strcmp(value, "1") == 0;
}

}  // namespace

void HeadlessRenderer::Record(const std::string& line) { log_->Add(line); }

int HeadlessRenderer::Init(WindowHandle* window, InstanceHandle) {
    if (window) *window = nullptr;
    const char* trace = getenv("CORRALON_HEADLESS_TRACE");
    if (trace && *trace) log_->OpenTrace(trace);
    int result = SwitchOn("CORRALON_HEADLESS_FAIL_INIT") ? 0 : 1;
    failed_ = result == 0;
    logTextureCount_ = SwitchOn("CORRALON_HEADLESS_TEXTURE_COUNT");
    loggedTextureCount_ = -1;
    presents_ = 0;
    if (failed_) {
        textures_.Clear();
        viewScale_ = 70.0f;
    }
    Record(Format("Init -> %d", result));
    // A failed start may end the program before any Present.
    log_->FlushTrace();
    return result;
}

void HeadlessRenderer::Shutdown() {
    Record("Shutdown");
    if (logTextureCount_) {
        LogPrintf("     Graficos: Imagenes presentadas: %lu, texturas en memoria: %d\n", presents_,
                  textures_.Live());
        logTextureCount_ = false;
    }
    textures_.Clear();
    log_->CloseTrace();
}

void HeadlessRenderer::QueryView(float* a, float* b, float* c) {
    if (a) *a = 0.0f;
    if (b) *b = 0.0f;
    if (c) *c = 0.0f;
    Record("QueryView");
}

float HeadlessRenderer::GetViewScale() {
    const float scale = failed_ ? 0.0f : viewScale_;
    Record(Format("GetViewScale -> %.3f", scale));
    return scale;
}

void HeadlessRenderer::SetViewScale(float scale) {
    if (!failed_) viewScale_ = scale;
    Record(Format("SetViewScale %.3f", scale));
}

void HeadlessRenderer::SetClearColor(float r, float g, float b, float a) {
    Record("SetClearColor " + Floats4(r, g, b, a));
}

void HeadlessRenderer::SetOverlayMode(int enable, int blend) {
    Record(Format("SetOverlayMode %d %d", enable, blend));
}

void HeadlessRenderer::SetRenderFlags(int a, int b) {
    Record(Format("SetRenderFlags %d %d", a, b));
}

void HeadlessRenderer::Present() {
    Record("Present");
    ++presents_;
    if (logTextureCount_ && textures_.Live() != loggedTextureCount_) {
        loggedTextureCount_ = textures_.Live();
        LogPrintf("     Graficos: Texturas en memoria: %d (imagen %lu)\n", loggedTextureCount_,
                  presents_);
    }
    log_->FlushTrace();
}

void HeadlessRenderer::SetArrowTexture(TextureHandle texture) {
    Record(Format("SetArrowTexture %u", texture));
}

void HeadlessRenderer::SetFontTexture(TextureHandle texture) {
    Record(Format("SetFontTexture %u", texture));
}

void HeadlessRenderer::ReleaseFont() { Record("ReleaseFont"); }

void HeadlessRenderer::RecordText(const char* operation, float x, float y, float scale, float r,
                                  float g, float b, float a, const std::string& text) {
    std::string kept = text.size() > kMaxRecordedText ? text.substr(0, kMaxRecordedText) : text;
    Record(Format("%s %.3f %.3f %.3f ", operation, x, y, scale) + Floats4(r, g, b, a) + " " +
           Quoted(kept.c_str()));
}

void HeadlessRenderer::DrawText(float x, float y, float scale, float r, float g, float b,
                                float a, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    RecordText("DrawText", x, y, scale, r, g, b, a, text);
}

void HeadlessRenderer::DrawTextCentered(float x, float y, float scale, float r, float g, float b,
                                        float a, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    RecordText("DrawTextCentered", x, y, scale, r, g, b, a, text);
}

void HeadlessRenderer::DrawLine(float x1, float y1, float x2, float y2, float r, float g, float b,
                                float a) {
    Record("DrawLine " + Floats4(x1, y1, x2, y2) + " " + Floats4(r, g, b, a));
}

void HeadlessRenderer::DrawFrame(float x, float y, float w, float h, float r, float g, float b,
                                 float a) {
    Record("DrawFrame " + Floats4(x, y, w, h) + " " + Floats4(r, g, b, a));
}

void HeadlessRenderer::FillRect(float x, float y, float w, float h, float r, float g, float b,
                                float a) {
    Record("FillRect " + Floats4(x, y, w, h) + " " + Floats4(r, g, b, a));
}

void HeadlessRenderer::DrawImage(float x, float y, float w, float h, TextureHandle texture,
                                 float r, float g, float b, float a) {
    Record("DrawImage " + Floats4(x, y, w, h) + Format(" %u ", texture) + Floats4(r, g, b, a));
}

void HeadlessRenderer::DrawImagePart(float x, float y, float w, float h, float u0, float v0,
                                     float u1, float v1, TextureHandle texture, float r, float g,
                                     float b, float a) {
    Record("DrawImagePart " + Floats4(x, y, w, h) + " " + Floats4(u0, v0, u1, v1) +
           Format(" %u ", texture) + Floats4(r, g, b, a));
}

void HeadlessRenderer::DrawParticleBatch(const TriangleRecord* first) {
    int count = 0;
    for (const TriangleRecord* t = first; t && count < kMaxTrianglesPerBatch; t = t->next)
        ++count;
    Record(Format("DrawParticleBatch %d", count));
}

void HeadlessRenderer::BindTexture(TextureHandle texture) {
    Record(Format("BindTexture %u", texture));
}

TextureHandle HeadlessRenderer::LoadPictureTexture(const char* path, bool keyed, int r, int g,
                                                   int b) {
    if (failed_) return 0;
    Picture picture;
    if (!LoadPicture(path, keyed, r, g, b, &picture)) {
        LogPrintf("     Graficos: No se ha podido cargar la imagen: %s\n",
                  path ? path : "(null)");
        return 0;
    }
    return textures_.Add(picture.pixels.data(), picture.width, picture.height,
                         picture.bytesPerPixel, path, 0);
}

TextureHandle HeadlessRenderer::LoadTexture(const char* path) {
    TextureHandle handle = LoadPictureTexture(path, false, 0, 0, 0);
    Record("LoadTexture " + Quoted(path) + Format(" -> %u", handle));
    return handle;
}

TextureHandle HeadlessRenderer::LoadTextureKeyed(const char* path, int r, int g, int b) {
    TextureHandle handle = LoadPictureTexture(path, true, r, g, b);
    Record("LoadTextureKeyed " + Quoted(path) + Format(" %d %d %d -> %u", r, g, b, handle));
    return handle;
}

TextureHandle HeadlessRenderer::CreateTexture(const unsigned char* pixels, int width, int height,
                                              int bytesPerPixel, const char* name) {
    TextureHandle handle =
        failed_ ? 0 : textures_.Add(pixels, width, height, bytesPerPixel, name, 0);
    Record(Format("CreateTexture %d %d %d ", width, height, bytesPerPixel) + Quoted(name) +
           Format(" -> %u", handle));
    return handle;
}

void HeadlessRenderer::GetTextureInfo(TextureHandle texture, int* height, int* width,
                                      int* bytesPerPixel, const char** name, int* flag) {
    const TextureEntry* entry = textures_.Find(texture);
    int h = entry ? entry->height : 0;
    int w = entry ? entry->width : 0;
    int bpp = entry ? entry->bytesPerPixel : 0;
    int f = entry ? entry->flag : 0;
    if (height) *height = h;
    if (width) *width = w;
    if (bytesPerPixel) *bytesPerPixel = bpp;
    if (name) *name = entry ? entry->name.c_str() : "";
    if (flag) *flag = f;
    Record(Format("GetTextureInfo %u -> %d %d %d ", texture, h, w, bpp) +
           Quoted(entry ? entry->name.c_str() : "") + Format(" %d", f));
}

void HeadlessRenderer::GetTextureData(TextureHandle texture, unsigned char* pixels) {
    const TextureEntry* entry = textures_.Find(texture);
    if (entry && pixels && !entry->pixels.empty())
        memcpy(pixels, entry->pixels.data(), entry->pixels.size());
    Record(Format("GetTextureData %u -> %zu", texture,
                  entry && pixels ? entry->pixels.size() : static_cast<size_t>(0)));
}

int HeadlessRenderer::CountTextures() {
    int count = textures_.Count();
    Record(Format("CountTextures -> %d", count));
    return count;
}

void HeadlessRenderer::ReleaseTexture(TextureHandle texture) {
    bool released = textures_.Release(texture);
    Record(Format("ReleaseTexture %u%s", texture, released ? "" : " (unknown)"));
}
