#pragma once
// A 24-bit picture being generated: rows top to bottom, R G B bytes.
#include <cstddef>
#include <vector>

#include "base/Bmp.h"

struct RgbImage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    RgbImage(int w, int h, unsigned char r, unsigned char g, unsigned char b)
        : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3) {
        for (size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = r;
            rgb[i + 1] = g;
            rgb[i + 2] = b;
        }
    }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Writes outside the picture are dropped.
    void Set(int x, int y, unsigned char r, unsigned char g, unsigned char b) {
        if (!Inside(x, y)) return;
        unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
};

// The game's pictures are 24-bit files stamped 72 dpi.
inline std::vector<unsigned char> EncodeBmp24(const RgbImage& image) {
    return EncodeBmp(image.width, image.height, 3, image.rgb.data(), 2835);
}
