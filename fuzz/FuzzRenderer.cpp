#include "fuzz/FuzzRenderer.h"

#include <sanitizer/asan_interface.h>

#include <cmath>
#include <cstring>

void FuzzRenderer::DrawImage(float x, float y, float w, float h, TextureHandle texture, float,
                             float, float, float a) {
    checksum_ += texture + static_cast<unsigned>(std::isfinite(x + y + w + h + a));
}

TextureHandle FuzzRenderer::CreateTexture(const unsigned char* pixels, int width, int height,
                                          int bytesPerPixel, const char* name) {
    if (!pixels || width <= 0 || height <= 0 || bytesPerPixel < 1 || bytesPerPixel > 4)
        return 0;
    Texture t{width, height, bytesPerPixel, name ? name : "", {}};
    size_t size = static_cast<size_t>(width) * height * bytesPerPixel;
    // Reading the first byte outside the buffer makes AddressSanitizer report it.
    if (void* bad = __asan_region_is_poisoned(const_cast<unsigned char*>(pixels), size))
        checksum_ += *static_cast<volatile unsigned char*>(bad);
    checksum_ += pixels[size - 1];
    if (keepPixels_) t.pixels.assign(pixels, pixels + size);
    TextureHandle handle = next_++;
    textures_[handle] = std::move(t);
    return handle;
}

void FuzzRenderer::GetTextureInfo(TextureHandle texture, int* height, int* width,
                                  int* bytesPerPixel, const char** name, int* flag) {
    auto it = textures_.find(texture);
    *height = it == textures_.end() ? 0 : it->second.height;
    *width = it == textures_.end() ? 0 : it->second.width;
    *bytesPerPixel = it == textures_.end() ? 0 : it->second.bytesPerPixel;
    *name = it == textures_.end() ? "" : it->second.name.c_str();
    *flag = 0;
}

void FuzzRenderer::GetTextureData(TextureHandle texture, unsigned char* pixels) {
    auto it = textures_.find(texture);
    if (it == textures_.end()) return;
    memcpy(pixels, it->second.pixels.data(), it->second.pixels.size());
}

int FuzzRenderer::CountTextures() {
    return textures_.empty() ? 0 : static_cast<int>(textures_.rbegin()->first) + 1;
}

void FuzzRenderer::ReleaseTexture(TextureHandle texture) {
    if (textures_.erase(texture) == 0) ++badReleases_;
}
