#pragma once
// Reads back 8-bit RGB or RGBA PNG files (any row filter), for checking what
// the renderer saved. Returns RGBA rows top to bottom; false on anything else.
#include <string>
#include <vector>

bool ReadPngRgba(const std::string& path, int* width, int* height,
                 std::vector<unsigned char>* rgba);
