#pragma once
// A plain block font in the game's font layout (512 x 512, 16 x 16 cells of
// 32 pixels, glyph from x = 2, baseline at y = 25), for when the generated
// "bmp\fuenteZeltor.bmp" is not there. RGBA, transparent background.
#include <vector>

constexpr int kFallbackFontSide = 512;

std::vector<unsigned char> MakeFallbackFont();
