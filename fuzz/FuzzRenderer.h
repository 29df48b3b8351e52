#pragma once
// A renderer that only keeps textures, for the fuzz targets and the seed
// generator: the whole range of pixels handed over is checked against
// AddressSanitizer's shadow, so a short buffer shows up, and leaked or
// doubly released handles are counted. The pixels themselves are kept only
// for callers that read them back (a creature being saved).
#include <map>
#include <string>
#include <vector>

#include "support/testing/NullRenderer.h"

class FuzzRenderer : public NullRenderer {
public:
    explicit FuzzRenderer(bool keepPixels = true) : keepPixels_(keepPixels) {}
    void DrawImage(float x, float y, float w, float h, TextureHandle texture, float, float, float,
                   float a) override;
    CORRALON_RENDERER_TEXTURE_OPERATIONS(CORRALON_RENDERER_OVERRIDE)

    size_t Live() const { return textures_.size(); }
    int BadReleases() const { return badReleases_; }
    unsigned Checksum() const { return checksum_; }

private:
    struct Texture {
        int width, height, bytesPerPixel;
        std::string name;
        std::vector<unsigned char> pixels;
    };
    std::map<TextureHandle, Texture> textures_;
    bool keepPixels_;
    TextureHandle next_ = 1;
    int badReleases_ = 0;
    unsigned checksum_ = 0;
};
