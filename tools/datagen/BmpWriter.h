#pragma once
#include <vector>

#include "tools/datagen/RgbImage.h"

// An uncompressed 24-bit BMP: bottom-up rows, BGR, rows padded to 4 bytes.
std::vector<unsigned char> EncodeBmp24(const RgbImage& image);
