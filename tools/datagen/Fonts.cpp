// The game font, bmp\fuenteZeltor.bmp. Its layout is shared with the
// OpenGL renderer, which cuts glyphs out of it:
//
//   - 512 x 512 pixels, 24-bit, background exactly the key green (0, 255, 0).
//   - 16 x 16 cells of 32 x 32 pixels; Latin-1 byte c sits in column c % 16
//     and row c / 16, rows counted from the top.
//   - Each glyph is white with a dark outline; antialiasing blends toward the
//     outline only, so every pixel is either exactly key green or a grey
//     (r = g = b) glyph pixel.
//   - The outlined glyph starts at x = 2 of its cell (its left bearing is
//     dropped), its baseline is y = 25 and capitals are 19-20 px tall, the
//     size chosen so that accented capitals fit whole.
//     Glyphs that would not fit the cell are drawn at a smaller size instead
//     of being cut.
//   - Cells of codes 0-31 and 127-159, the space (32) and the no-break space
//     (160) are empty: the renderer gives empty cells an advance of its own.
//
// Drawn with FreeType from DejaVu Sans Bold (tools/datagen/art/FontSheet.h).
#include "tools/datagen/Fonts.h"
#include "tools/datagen/DataGroup.h"

#include "tools/datagen/RgbImage.h"
#include "tools/datagen/RgbImage.h"
#include "tools/datagen/art/FontSheet.h"

bool WriteFonts(const OutputFolder& out) {
    // White ink over a black outline: the renderer tints it to any colour.
    const FontSheetStyle style = {"DejaVuSans-Bold.ttf", 1, {0, 255, 0}, {0, 0, 0},
                                  {255, 255, 255},       {255, 255, 255}};
    RgbImage image(1, 1, 0, 0, 0);
    return DrawFontSheet(style, &image) && out.Write("bmp\\fuenteZeltor.bmp", EncodeBmp24(image));
}

namespace {
bool WriteFontsGroup(const OutputFolder& out, const DataSources&) { return WriteFonts(out); }
}  // namespace
CORRALON_DATA_GROUP(fonts, "fonts", 10, WriteFontsGroup);
