#pragma once
// A font picture in the game's 16 x 16 cell layout (see Fonts.cpp for the
// layout the renderer relies on), drawn with FreeType from a system font.
#include <string>

#include "base/Bmp.h"

// 16 x 16 cells of 64 pixels: capitals 40 pixels tall, large enough that
// the biggest texts of the game are drawn from the picture, not blown up.
constexpr int kFontCell = 64;
constexpr int kFontSheetSide = 16 * kFontCell;

struct FontSheetStyle {
    const char* fontFile;     // e.g. "DejaVuSans-Bold.ttf"
    int outline;              // reach of the outline around the ink, pixels of a 32-pixel cell
    unsigned char key[3];     // background, never used by a glyph pixel
    unsigned char outer[3];   // outline colour (ink coverage 0)
    unsigned char top[3];     // full ink at the top of a cell...
    unsigned char bottom[3];  // ...shading toward this at the bottom
};

// Draws every Latin-1 glyph the font has into a 32-bit picture whose alpha
// is the glyphs' coverage; the background is the key colour with alpha 0.
// False, with the reason on stderr, when the font is missing or lacks a glyph.
bool DrawFontSheet(const FontSheetStyle& style, BmpImage* sheet);

class OutputFolder;
// Draws the sheet and writes it as `name` (a 32-bit BMP stamped 72 dpi).
bool WriteFontSheet(const OutputFolder& out, const char* name, const FontSheetStyle& style);
