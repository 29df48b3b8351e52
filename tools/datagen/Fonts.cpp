// The game font, bmp\fuenteZeltor.bmp. Its layout is shared with the
// OpenGL renderer, which cuts glyphs out of it:
//
//   - 1024 x 1024 pixels, 32-bit: the alpha is the glyph's coverage (soft
//     edges at every size); the background is the key green (0, 255, 0)
//     with alpha 0, so a renderer that only keys still finds the glyphs.
//   - 16 x 16 cells of 64 x 64 pixels; Latin-1 byte c sits in column c % 16
//     and row c / 16, rows counted from the top.
//   - Each glyph is white with a dark outline, grey (r = g = b) where the
//     two mix.
//   - The outlined glyph starts at x = 4 of its cell (its left bearing is
//     dropped), its baseline is y = 50 and capitals are 36 px tall (44 with the outline),
//     the size chosen so that accented capitals fit whole and J, Q and Ç
//     keep their tails.
//     Glyphs that would not fit the cell are drawn at a smaller size instead
//     of being cut.
//   - Cells of codes 0-31 and 127-159, the space (32) and the no-break space
//     (160) are empty: the renderer gives empty cells an advance of its own.
//
// Drawn with FreeType from DejaVu Sans Bold (tools/datagen/art/FontSheet.h).
#include "tools/datagen/Fonts.h"
#include "tools/datagen/DataGroup.h"

#include "tools/datagen/art/FontSheet.h"

bool WriteFonts(const OutputFolder& out) {
    // White ink over a black outline: the renderer tints it to any colour.
    const FontSheetStyle style = {"DejaVuSans-Bold.ttf", 2, {0, 255, 0}, {0, 0, 0},
                                  {255, 255, 255},       {255, 255, 255}};
    return WriteFontSheet(out, "bmp\\fuenteZeltor.bmp", style);
}

namespace {
bool WriteFontsGroup(const OutputFolder& out, const DataSources&) { return WriteFonts(out); }
}  // namespace
CORRALON_DATA_GROUP(fonts, "fonts", 10, WriteFontsGroup);
