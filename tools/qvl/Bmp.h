#pragma once
// Uncompressed BMP files for texture pixels: 24-bit for 3 bytes per pixel,
// 32-bit (with alpha) for 4. Pixels are rows top to bottom, in the byte
// order the renderer keeps; the file stores them bottom-up, blue first.
#include <string>
#include <vector>

struct BmpImage {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    std::vector<unsigned char> pixels;
};

bool WriteBmp(const std::string& path, const BmpImage& image);
// False with a reason for anything but a 24- or 32-bit uncompressed BMP.
bool ReadBmp(const std::string& path, BmpImage& image, std::string& reason);
