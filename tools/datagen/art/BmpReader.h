#pragma once
// Reads back the uncompressed 24- and 32-bit BMP files the generator writes
// (for the contact sheet and checks).
#include <string>

#include "tools/datagen/RgbImage.h"

// False for anything else, or a file whose sizes do not add up.
bool ReadBmp(const std::string& path, RgbImage* image);
