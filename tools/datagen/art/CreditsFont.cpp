// The credits font, bmp\fuenteCreditos.bmp: the game font's layout (see
// tools/datagen/Fonts.cpp) keyed on white, with a thicker dark outline and
// golden ink shading from cream to orange, so the scrolling names read over
// the sketch pages. No glyph pixel is pure white.
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/art/FontSheet.h"

namespace {

bool WriteCreditsFont(const OutputFolder& out, const DataSources&) {
    const FontSheetStyle style = {"DejaVuSans-Bold.ttf", 2,          {255, 255, 255}, {59, 35, 20},
                                  {255, 246, 200},       {255, 170, 60}};
    return WriteFontSheet(out, "bmp\\fuenteCreditos.bmp", style);
}

}  // namespace

CORRALON_DATA_GROUP(creditsFont, "credits font", 11, WriteCreditsFont);
