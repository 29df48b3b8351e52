// Textures: the CPU copy in the table, the GPU copy by handle.
#include <cstring>

#include "base/Log.h"
#include "plugins/renderer_common/Picture.h"
#include "plugins/renderer_gl/KrellinRenderer.h"
#include "plugins/renderer_gl/TextureUpload.h"

GLuint KrellinRenderer::Upload(const unsigned char* pixels, int width, int height,
                               int bytesPerPixel) {
    std::vector<unsigned char> bled;
    const unsigned char* source = pixels;
    if (bytesPerPixel == 4 && BleedTransparentColours(pixels, width, height, &bled))
        source = bled.data();
    while (gl_.GetError() != GL_NO_ERROR) {
    }
    GLuint name = 0;
    gl_.GenTextures(1, &name);
    gl_.BindTexture(GL_TEXTURE_2D, name);
    gl_.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = bytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    gl_.TexImage2D(GL_TEXTURE_2D, 0, bytesPerPixel == 4 ? GL_RGBA8 : GL_RGB8, width, height, 0,
                   format, GL_UNSIGNED_BYTE, source);
    gl_.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl_.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl_.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl_.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (gl_.GetError() != GL_NO_ERROR) {
        gl_.DeleteTextures(1, &name);
        return 0;
    }
    return name;
}

TextureHandle KrellinRenderer::AddTexture(const unsigned char* pixels, int width, int height,
                                          int bytesPerPixel, const char* name, int flag) {
    if (!ready_) return 0;
    const TextureHandle handle = textures_.Add(pixels, width, height, bytesPerPixel, name, flag);
    if (!handle) return 0;
    const GLuint gpu = Upload(pixels, width, height, bytesPerPixel);
    if (!gpu) {
        textures_.Release(handle);
        LogPrintf("     Graficos: No cabe la textura %s (%dx%d)\n", name ? name : "",
                  width, height);
        return 0;
    }
    if (gpuNames_.size() <= handle) gpuNames_.resize(handle + 1, 0);
    gpuNames_[handle] = gpu;
    return handle;
}

TextureHandle KrellinRenderer::LoadTexture(const char* path) {
    if (!ready_ || !path) return 0;
    Picture picture;
    if (!LoadPicture(path, false, 0, 0, 0, &picture)) {
        LogPrintf("     Graficos: No se ha podido cargar la textura: %s\n", path);
        return 0;
    }
    return AddTexture(picture.pixels.data(), picture.width, picture.height,
                      picture.bytesPerPixel, path, 0);
}

TextureHandle KrellinRenderer::LoadTextureKeyed(const char* path, int r, int g, int b) {
    if (!ready_ || !path) return 0;
    Picture picture;
    if (!LoadPicture(path, true, r, g, b, &picture)) {
        LogPrintf("     Graficos: No se ha podido cargar la textura: %s\n", path);
        return 0;
    }
    return AddTexture(picture.pixels.data(), picture.width, picture.height,
                      picture.bytesPerPixel, path, 1);
}

TextureHandle KrellinRenderer::CreateTexture(const unsigned char* pixels, int width, int height,
                                             int bytesPerPixel, const char* name) {
    return AddTexture(pixels, width, height, bytesPerPixel, name, 0);
}

void KrellinRenderer::GetTextureInfo(TextureHandle texture, int* height, int* width,
                                     int* bytesPerPixel, const char** name, int* flag) {
    const TextureEntry* entry = ready_ ? textures_.Find(texture) : nullptr;
    if (height) *height = entry ? entry->height : 0;
    if (width) *width = entry ? entry->width : 0;
    if (bytesPerPixel) *bytesPerPixel = entry ? entry->bytesPerPixel : 0;
    if (name) *name = entry ? entry->name.c_str() : "";
    if (flag) *flag = entry ? entry->flag : 0;
}

void KrellinRenderer::GetTextureData(TextureHandle texture, unsigned char* pixels) {
    const TextureEntry* entry = ready_ ? textures_.Find(texture) : nullptr;
    if (!entry || !pixels) return;
    memcpy(pixels, entry->pixels.data(), entry->pixels.size());
}

int KrellinRenderer::CountTextures() { return ready_ ? textures_.Count() : 0; }

void KrellinRenderer::ReleaseTexture(TextureHandle texture) {
    if (!ready_ || !textures_.Find(texture) || texture >= gpuNames_.size()) return;
    GLuint gpu = gpuNames_[texture];
    // What is queued with it must be drawn before its memory goes.
    if (queue_.UsesTexture(gpu)) batch_.Flush(&queue_);
    gl_.DeleteTextures(1, &gpu);
    gpuNames_[texture] = 0;
    textures_.Release(texture);
    if (texture == fontTexture_) {
        fontTexture_ = 0;
        font_.Reset();
    }
    if (texture == arrowTexture_) arrowTexture_ = 0;
    if (texture == boundTexture_) boundTexture_ = 0;
}

void KrellinRenderer::BindTexture(TextureHandle texture) {
    if (ready_) boundTexture_ = texture;
}

void KrellinRenderer::SetArrowTexture(TextureHandle texture) {
    if (ready_) arrowTexture_ = texture;
}

GLuint KrellinRenderer::DrawableTexture(TextureHandle texture) const {
    return texture < gpuNames_.size() ? gpuNames_[texture] : 0;
}
