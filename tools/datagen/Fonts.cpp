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
// Drawn with FreeType from DejaVu Sans Bold.
#include "tools/datagen/Fonts.h"
#include "tools/datagen/DataGroup.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "tools/datagen/BmpWriter.h"
#include "tools/datagen/FontFile.h"
#include "tools/datagen/RgbImage.h"

namespace {

const char kFontName[] = "DejaVuSans-Bold.ttf";
const int kCell = 32;
const int kLeft = 2;
const int kBaseline = 25;
const int kCapHeight = 20;
const int kOutline = 1;        // reach of the outline around the ink
const int kOutlineLevel = 96;  // dilated coverage from which a pixel is glyph
const int kMinPixelSize = 8;

bool HasGlyph(int code) { return (code > 32 && code < 127) || code > 160; }

// Coverage of one rendered glyph, grown by the outline on every side.
struct GlyphMask {
    int width = 0, height = 0;
    int top = 0;  // rows from the top of the mask to the baseline
    std::vector<unsigned char> ink, outline;
};

// Cuts the mask down to the pixels that will be drawn, so every glyph
// starts exactly at kLeft and the fit test sees its true size.
void Trim(GlyphMask* m) {
    int left = m->width, right = -1, top = m->height, bottom = -1;
    for (int y = 0; y < m->height; ++y)
        for (int x = 0; x < m->width; ++x)
            if (m->outline[y * m->width + x] >= kOutlineLevel) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    GlyphMask cut;
    if (right >= 0) {
        cut.width = right - left + 1;
        cut.height = bottom - top + 1;
        cut.top = m->top - top;
        for (int y = top; y <= bottom; ++y) {
            const size_t from = static_cast<size_t>(y) * m->width + left;
            cut.ink.insert(cut.ink.end(), m->ink.begin() + from, m->ink.begin() + from + cut.width);
            cut.outline.insert(cut.outline.end(), m->outline.begin() + from,
                               m->outline.begin() + from + cut.width);
        }
    }
    *m = std::move(cut);
}

bool RenderGlyph(FT_Face face, int code, int pixelSize, GlyphMask* mask) {
    // Index 0 is the font's "missing glyph" box.
    if (FT_Get_Char_Index(face, code) == 0) return false;
    if (FT_Set_Pixel_Sizes(face, 0, pixelSize) != 0) return false;
    if (FT_Load_Char(face, code, FT_LOAD_RENDER) != 0) return false;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return false;
    const int w = static_cast<int>(bitmap.width);
    const int h = static_cast<int>(bitmap.rows);
    mask->width = w + 2 * kOutline;
    mask->height = h + 2 * kOutline;
    mask->top = face->glyph->bitmap_top + kOutline;
    mask->ink.assign(static_cast<size_t>(mask->width) * mask->height, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask->ink[(y + kOutline) * mask->width + x + kOutline] =
                bitmap.buffer[y * bitmap.pitch + x];
    mask->outline.assign(mask->ink.size(), 0);
    for (int y = 0; y < mask->height; ++y)
        for (int x = 0; x < mask->width; ++x) {
            unsigned char most = 0;
            for (int dy = -kOutline; dy <= kOutline; ++dy)
                for (int dx = -kOutline; dx <= kOutline; ++dx) {
                    int sx = x + dx, sy = y + dy;
                    if (sx >= 0 && sy >= 0 && sx < mask->width && sy < mask->height)
                        most = std::max(most, mask->ink[sy * mask->width + sx]);
                }
            mask->outline[y * mask->width + x] = most;
        }
    Trim(mask);
    return true;
}

bool Fits(const GlyphMask& m) {
    return kLeft + m.width <= kCell && kBaseline - m.top >= 0 &&
           kBaseline - m.top + m.height <= kCell;
}

// The largest size whose capital H is at most kCapHeight pixels tall and
// whose accented capitals (192-221: Á, Ñ, Ü...) still fit their cells, so
// the upper-case texts of the game come out in one size.
int BasePixelSize(FT_Face face) {
    for (int size = 48; size > kMinPixelSize; --size) {
        if (FT_Set_Pixel_Sizes(face, 0, size) != 0) continue;
        if (FT_Load_Char(face, 'H', FT_LOAD_RENDER) != 0) continue;
        if (static_cast<int>(face->glyph->bitmap.rows) > kCapHeight) continue;
        bool allFit = true;
        for (int code = 192; code <= 221 && allFit; ++code) {
            GlyphMask mask;
            allFit = !RenderGlyph(face, code, size, &mask) || Fits(mask);
        }
        if (allFit) return size;
    }
    return kMinPixelSize;
}

void PutGlyph(RgbImage* image, int code, const GlyphMask& m) {
    const int cellX = (code % 16) * kCell;
    const int cellY = (code / 16) * kCell;
    const int originY = kBaseline - m.top;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            int cx = kLeft + x, cy = originY + y;
            if (cx < 0 || cy < 0 || cx >= kCell || cy >= kCell) continue;
            if (m.outline[y * m.width + x] < kOutlineLevel) continue;
            unsigned char level = m.ink[y * m.width + x];
            image->Set(cellX + cx, cellY + cy, level, level, level);
        }
}

}  // namespace

bool WriteFonts(const OutputFolder& out) {
    std::string path = FindSystemFont(kFontName);
    if (path.empty()) {
        fprintf(stderr,
                "corralon-datagen: font %s not found in the system font folders; "
                "install the package fonts-dejavu-core\n",
                kFontName);
        return false;
    }
    std::vector<unsigned char> fontBytes;
    if (!ReadFontFile(path, &fontBytes)) {
        fprintf(stderr, "corralon-datagen: cannot read the font %s\n", path.c_str());
        return false;
    }
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) {
        fprintf(stderr, "corralon-datagen: FreeType cannot start\n");
        return false;
    }
    FT_Face face;
    if (FT_New_Memory_Face(library, fontBytes.data(), static_cast<FT_Long>(fontBytes.size()), 0,
                           &face) != 0) {
        fprintf(stderr, "corralon-datagen: %s is not a font FreeType can read\n", path.c_str());
        FT_Done_FreeType(library);
        return false;
    }

    RgbImage image(16 * kCell, 16 * kCell, 0, 255, 0);
    const int baseSize = BasePixelSize(face);
    bool ok = true;
    for (int code = 0; code < 256 && ok; ++code) {
        if (!HasGlyph(code)) continue;
        GlyphMask mask;
        int size = baseSize;
        bool rendered = RenderGlyph(face, code, size, &mask);
        while (rendered && !Fits(mask) && size > kMinPixelSize)
            rendered = RenderGlyph(face, code, --size, &mask);
        if (!rendered) {
            fprintf(stderr, "corralon-datagen: %s has no glyph for Latin-1 code %d\n",
                    path.c_str(), code);
            ok = false;
            break;
        }
        PutGlyph(&image, code, mask);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return ok && out.Write("bmp\\fuenteZeltor.bmp", EncodeBmp24(image));
}

namespace {
bool WriteFontsGroup(const OutputFolder& out, const DataSources&) { return WriteFonts(out); }
}  // namespace
CORRALON_DATA_GROUP(fonts, "fonts", 10, WriteFontsGroup);
