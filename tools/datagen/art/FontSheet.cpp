#include "tools/datagen/art/FontSheet.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "tools/datagen/FontFile.h"
#include "tools/datagen/OutputFolder.h"

namespace {

const int kCell = kFontCell;
const int kLeft = 4;
const int kBaseline = 50;
const int kCapHeight = 40;
const int kMinPixelSize = 16;

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
            if (m->outline[y * m->width + x] > 0) {
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

class GlyphRenderer {
public:
    GlyphRenderer(FT_Face face, int outline) : face_(face), outline_(outline) {}

    bool Render(int code, int pixelSize, GlyphMask* mask) const {
        // Index 0 is the font's "missing glyph" box.
        if (FT_Get_Char_Index(face_, code) == 0) return false;
        if (FT_Set_Pixel_Sizes(face_, 0, pixelSize) != 0) return false;
        if (FT_Load_Char(face_, code, FT_LOAD_RENDER) != 0) return false;
        const FT_Bitmap& bitmap = face_->glyph->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return false;
        const int w = static_cast<int>(bitmap.width);
        const int h = static_cast<int>(bitmap.rows);
        const int o = outline_;
        mask->width = w + 2 * o;
        mask->height = h + 2 * o;
        mask->top = face_->glyph->bitmap_top + o;
        mask->ink.assign(static_cast<size_t>(mask->width) * mask->height, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                mask->ink[(y + o) * mask->width + x + o] = bitmap.buffer[y * bitmap.pitch + x];
        mask->outline.assign(mask->ink.size(), 0);
        for (int y = 0; y < mask->height; ++y)
            for (int x = 0; x < mask->width; ++x) {
                unsigned char most = 0;
                for (int dy = -o; dy <= o; ++dy)
                    for (int dx = -o; dx <= o; ++dx) {
                        // Wide outlines use a round pen, so corners stay round.
                        if (o >= 2 && dx * dx + dy * dy > o * o + o) continue;
                        int sx = x + dx, sy = y + dy;
                        if (sx >= 0 && sy >= 0 && sx < mask->width && sy < mask->height)
                            most = std::max(most, mask->ink[sy * mask->width + sx]);
                    }
                mask->outline[y * mask->width + x] = most;
            }
        Trim(mask);
        return true;
    }

    // The largest size whose capital H is at most kCapHeight pixels tall and
    // whose accented capitals (192-221: Á, Ñ, Ü...) keep their accents in
    // the cell, so the upper-case texts of the game come out in one size.
    int BasePixelSize() const {
        for (int size = 96; size > kMinPixelSize; --size) {
            if (FT_Set_Pixel_Sizes(face_, 0, size) != 0) continue;
            if (FT_Load_Char(face_, 'H', FT_LOAD_RENDER) != 0) continue;
            if (static_cast<int>(face_->glyph->bitmap.rows) > kCapHeight) continue;
            bool allFit = true;
            // Accents only: a glyph too wide for its cell (Æ) or reaching
            // too far down (Ç) is drawn smaller on its own rather than
            // shrinking every glyph.
            for (int code = 192; code <= 221 && allFit; ++code) {
                GlyphMask mask;
                allFit = !Render(code, size, &mask) || kBaseline - mask.top >= 0;
            }
            if (allFit) return size;
        }
        return kMinPixelSize;
    }

    static bool Fits(const GlyphMask& m) {
        return kLeft + m.width <= kCell && kBaseline - m.top >= 0 &&
               kBaseline - m.top + m.height <= kCell;
    }

private:
    FT_Face face_;
    int outline_;
};

unsigned char Mix(unsigned char a, unsigned char b, int level) {
    return static_cast<unsigned char>((a * (255 - level) + b * level + 127) / 255);
}

// The outlined glyph's coverage becomes the alpha, so its outer edge stays
// smooth at any size; the colour mixes the outline into the shaded ink.
void PutGlyph(const FontSheetStyle& style, BmpImage* image, int code, const GlyphMask& m) {
    const int cellX = (code % 16) * kCell;
    const int cellY = (code / 16) * kCell;
    const int originY = kBaseline - m.top;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            int cx = kLeft + x, cy = originY + y;
            if (cx < 0 || cy < 0 || cx >= kCell || cy >= kCell) continue;
            const int alpha = m.outline[y * m.width + x];
            if (alpha == 0) continue;
            const int shade = cy * 255 / (kCell - 1);
            const int level = m.ink[y * m.width + x];
            unsigned char* p =
                &image->pixels[(static_cast<size_t>(cellY + cy) * image->width + cellX + cx) * 4];
            for (int i = 0; i < 3; ++i)
                p[i] = Mix(style.outer[i], Mix(style.top[i], style.bottom[i], shade), level);
            // A glyph pixel that happened to hit the key would vanish.
            if (p[0] == style.key[0] && p[1] == style.key[1] && p[2] == style.key[2])
                p[1] = p[1] > 0 ? p[1] - 1 : 1;
            p[3] = static_cast<unsigned char>(alpha);
        }
}

bool DrawWithFace(const FontSheetStyle& style, FT_Face face, const std::string& path,
                  BmpImage* sheet) {
    GlyphRenderer renderer(face, style.outline * kCell / 32);
    const int baseSize = renderer.BasePixelSize();
    for (int code = 0; code < 256; ++code) {
        if (!HasGlyph(code)) continue;
        GlyphMask mask;
        int size = baseSize;
        bool rendered = renderer.Render(code, size, &mask);
        while (rendered && !GlyphRenderer::Fits(mask) && size > kMinPixelSize)
            rendered = renderer.Render(code, --size, &mask);
        if (!rendered) {
            fprintf(stderr, "corralon-datagen: %s has no glyph for Latin-1 code %d\n",
                    path.c_str(), code);
            return false;
        }
        PutGlyph(style, sheet, code, mask);
    }
    return true;
}

}  // namespace

bool DrawFontSheet(const FontSheetStyle& style, BmpImage* sheet) {
    sheet->width = sheet->height = kFontSheetSide;
    sheet->bytesPerPixel = 4;
    sheet->pixels.assign(static_cast<size_t>(kFontSheetSide) * kFontSheetSide * 4, 0);
    for (size_t i = 0; i < sheet->pixels.size(); i += 4)
        for (int c = 0; c < 3; ++c) sheet->pixels[i + c] = style.key[c];
    std::string path = FindSystemFont(style.fontFile);
    if (path.empty()) {
        fprintf(stderr,
                "corralon-datagen: font %s not found in the system font folders; "
                "install the package fonts-dejavu-core\n",
                style.fontFile);
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
    bool ok = false;
    if (FT_New_Memory_Face(library, fontBytes.data(), static_cast<FT_Long>(fontBytes.size()), 0,
                           &face) != 0) {
        fprintf(stderr, "corralon-datagen: %s is not a font FreeType can read\n", path.c_str());
    } else {
        ok = DrawWithFace(style, face, path, sheet);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return ok;
}

bool WriteFontSheet(const OutputFolder& out, const char* name, const FontSheetStyle& style) {
    BmpImage sheet;
    return DrawFontSheet(style, &sheet) &&
           out.Write(name, EncodeBmp(sheet.width, sheet.height, 4, sheet.pixels.data(), 2835));
}
