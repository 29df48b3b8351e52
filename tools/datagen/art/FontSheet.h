#pragma once
// A font picture in the game's 16 x 16 cell layout (see Fonts.cpp for the
// layout the renderer relies on), drawn with FreeType from a system font.
#include <string>

#include "tools/datagen/RgbImage.h"

struct FontSheetStyle {
    const char* fontFile;     // e.g. "DejaVuSans-Bold.ttf"
    int outline;              // reach of the outline around the ink, pixels
    unsigned char key[3];     // background, never used by a glyph pixel
    unsigned char outer[3];   // outline colour (ink coverage 0)
    unsigned char top[3];     // full ink at the top of a cell...
    unsigned char bottom[3];  // ...shading toward this at the bottom
};

// Draws every Latin-1 glyph the font has into a 512 x 512 picture. False,
// with the reason on stderr, when the font is missing or lacks a glyph.
bool DrawFontSheet(const FontSheetStyle& style, RgbImage* sheet);
