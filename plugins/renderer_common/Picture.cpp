#include "plugins/renderer_common/Picture.h"

#include <SDL.h>

#include <cstdio>
#include <utility>

#include "base/Files.h"

bool LoadPicture(const char* path, bool keyed, int keyR, int keyG, int keyB, Picture* out) {
    if (!path || !out) return false;
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return false;
    SDL_RWops* rw = SDL_RWFromFP(file, SDL_TRUE);
    if (!rw) {
        fclose(file);
        return false;
    }
    SDL_Surface* loaded = SDL_LoadBMP_RW(rw, 1);
    if (!loaded) return false;
    const bool fileHasAlpha = loaded->format->Amask != 0;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (!rgba) return false;

    bool ok = rgba->w > 0 && rgba->h > 0 && rgba->w <= kMaxPictureSide &&
              rgba->h <= kMaxPictureSide && rgba->pitch >= rgba->w * 4;
    if (ok && SDL_MUSTLOCK(rgba)) ok = SDL_LockSurface(rgba) == 0;
    if (!ok) {
        SDL_FreeSurface(rgba);
        return false;
    }

    // 32-bit pictures keep their alpha (the fonts' soft edges), unless all
    // of it is zero, as many writers leave it: that picture is opaque.
    bool ownAlpha = false;
    for (int y = 0; fileHasAlpha && !ownAlpha && y < rgba->h; ++y) {
        const unsigned char* src = static_cast<const unsigned char*>(rgba->pixels) +
                                   static_cast<size_t>(y) * rgba->pitch;
        for (int x = 0; x < rgba->w && !ownAlpha; ++x) ownAlpha = src[x * 4 + 3] != 0;
    }

    Picture picture;
    picture.width = rgba->w;
    picture.height = rgba->h;
    picture.bytesPerPixel = 4;
    picture.pixels.resize(static_cast<size_t>(rgba->w) * rgba->h * 4);
    for (int y = 0; y < rgba->h; ++y) {
        const unsigned char* src = static_cast<const unsigned char*>(rgba->pixels) +
                                   static_cast<size_t>(y) * rgba->pitch;
        unsigned char* dst = &picture.pixels[static_cast<size_t>(y) * rgba->w * 4];
        for (int x = 0; x < rgba->w; ++x, src += 4, dst += 4) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            bool transparent = keyed && src[0] == keyR && src[1] == keyG && src[2] == keyB;
            dst[3] = transparent ? 0 : ownAlpha ? src[3] : 255;
        }
    }
    if (SDL_MUSTLOCK(rgba)) SDL_UnlockSurface(rgba);
    SDL_FreeSurface(rgba);
    *out = std::move(picture);
    return true;
}
