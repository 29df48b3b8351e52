#include "plugins/renderer_common/Picture.h"

#include <cstdio>
#include <utility>

#include "base/Bmp.h"

bool LoadPicture(const char* path, bool keyed, int keyR, int keyG, int keyB, Picture* out) {
    if (!path || !out) return false;
    BmpImage image;
    std::string reason;
    if (!ReadBmp(path, AnyPaintedBmp(), image, reason) || image.width > kMaxPictureSide ||
        image.height > kMaxPictureSide)
        return false;

    // 32-bit pictures keep their alpha (the fonts' soft edges), unless all
    // of it is zero, as many writers leave it: that picture is opaque.
    bool ownAlpha = false;
    for (size_t i = 3; image.bytesPerPixel == 4 && !ownAlpha && i < image.pixels.size(); i += 4)
        ownAlpha = image.pixels[i] != 0;

    Picture picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.bytesPerPixel = 4;
    const size_t count = static_cast<size_t>(image.width) * image.height;
    picture.pixels.resize(count * 4);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* src = &image.pixels[i * image.bytesPerPixel];
        unsigned char* dst = &picture.pixels[i * 4];
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        const bool transparent = keyed && src[0] == keyR && src[1] == keyG && src[2] == keyB;
        dst[3] = transparent ? 0 : ownAlpha ? src[3] : 255;
    }
    *out = std::move(picture);
    return true;
}
