#pragma once
// Pictures as both renderers keep them on the CPU side.
#include <vector>

// Largest side of a picture or texture we accept; anything bigger is
// treated as a broken file rather than allocated.
constexpr int kMaxPictureSide = 8192;

// Rows top to bottom, RGB (3) or RGBA (4) byte order.
struct Picture {
    int width = 0, height = 0, bytesPerPixel = 0;
    std::vector<unsigned char> pixels;
};

// Reads a BMP (24-bit, 32-bit or 8-bit palette) into RGBA. A 32-bit picture
// keeps its own alpha (all zero counts as opaque); the others are opaque.
// Keyed pictures also get alpha 0 where the colour equals (keyR, keyG,
// keyB). False (and `out` untouched) on any failure.
bool LoadPicture(const char* path, bool keyed, int keyR, int keyG, int keyB, Picture* out);

// Writes an RGB or RGBA picture as a PNG (through a temporary file).
bool SavePicturePng(const char* path, const Picture& picture);
