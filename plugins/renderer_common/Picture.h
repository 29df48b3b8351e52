#pragma once
// Pictures as both renderers keep them on the CPU side.
#include <vector>

#include "base/Bmp.h"

// Largest side of a picture or texture we accept, the same for every BMP
// reader of the game; anything bigger is treated as a broken file rather
// than allocated.
constexpr int kMaxPictureSide = kMaxBmpSide;

// Rows top to bottom, RGB (3) or RGBA (4) byte order.
struct Picture {
    int width = 0, height = 0, bytesPerPixel = 0;
    std::vector<unsigned char> pixels;
};

// Reads a BMP (the base reader's: palettes, 16, 24 and 32 bits, masks) into RGBA. A 32-bit picture
// keeps its own alpha (all zero counts as opaque); the others are opaque.
// Keyed pictures also get alpha 0 where the colour equals (keyR, keyG,
// keyB). False (and `out` untouched) on any failure.
bool LoadPicture(const char* path, bool keyed, int keyR, int keyG, int keyB, Picture* out);

// Writes an RGB or RGBA picture as a PNG (through a temporary file).
bool SavePicturePng(const char* path, const Picture& picture);
