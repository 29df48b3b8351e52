// Text drawn with the font picture, proportionally spaced.
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "plugins/renderer_gl/KrellinRenderer.h"

namespace {

// Height of a font cell in screen heights: kCellHeight x scale^kGrowth.
// Sizes grow slower than the scale, so the smallest texts of the game (the
// help lines at 0.6: white capitals 10 pixels tall at 800 x 600, the game
// font's capitals filling 0.56 of a cell) stay readable while a ten-letter
// banner at 7.0 still fits the screen.
const float kCellHeight = 0.0424f;
const float kGrowth = 0.7f;
// The screen is 4:3, so a square cell is this much narrower in screen widths.
const float kCellAspect = 0.75f;
const int kTextBuffer = 1024;

float CellHeight(float scale) { return kCellHeight * std::pow(scale, kGrowth); }

}  // namespace

void KrellinRenderer::SetFontTexture(TextureHandle texture) {
    if (!ready_) return;
    const TextureEntry* entry = textures_.Find(texture);
    if (!entry ||
        !font_.Measure(entry->pixels.data(), entry->width, entry->height, entry->bytesPerPixel)) {
        fontTexture_ = 0;
        font_.Reset();
        return;
    }
    fontTexture_ = texture;
    // Text is often drawn far below the picture's size: mipmaps keep it clean.
    gl_.BindTexture(GL_TEXTURE_2D, gpuNames_[texture]);
    gl_.GenerateMipmap(GL_TEXTURE_2D);
    gl_.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
}

void KrellinRenderer::ReleaseFont() {
    if (fontTexture_) ReleaseTexture(fontTexture_);
    fontTexture_ = 0;
    font_.Reset();
}

void KrellinRenderer::DrawTextLine(float x, float y, float scale, const char* text,
                                   bool centred, float r, float g, float b, float a) {
    const TextureEntry* entry = textures_.Find(fontTexture_);
    const GLuint gpu = DrawableTexture(fontTexture_);
    if (!entry || !gpu || !font_.Ready()) return;
    const float cellH = CellHeight(scale);
    const float cellW = cellH * kCellAspect;
    const int cw = font_.CellWidth(), ch = font_.CellHeight();
    const float texW = static_cast<float>(entry->width), texH = static_cast<float>(entry->height);
    float pen = centred ? x - font_.LineWidth(text) * cellW * 0.5f : x;
    for (const char* p = text; *p && *p != '\n'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        const GlyphSpan& glyph = font_.Glyph(c);
        if (!glyph.empty) {
            // One pixel either side keeps the filtered edge of the glyph.
            const int left = glyph.left > 0 ? glyph.left - 1 : 0;
            const int right = glyph.right < cw ? glyph.right + 1 : cw;
            const int cellX = (c % FontMetrics::kGrid) * cw;
            const int cellY = (c / FontMetrics::kGrid) * ch;
            const float qx = pen + static_cast<float>(left - glyph.left) / cw * cellW;
            const float qw = static_cast<float>(right - left) / cw * cellW;
            AddQuad(gpu, qx, y, qw, cellH, (cellX + left) / texW, cellY / texH,
                    (cellX + right) / texW, (cellY + ch) / texH, r, g, b, a);
        }
        pen += font_.Advance(c) * cellW;
    }
}

// Formats into a fixed buffer (longer texts are cut) and draws line by line.
void KrellinRenderer::DrawFormatted(float x, float y, float scale, bool centred, float r,
                                    float g, float b, float a, const char* format,
                                    va_list args) {
    if (!ready_ || !format || !fontTexture_ || !std::isfinite(scale) || scale <= 0) return;
    char text[kTextBuffer];
    vsnprintf(text, sizeof(text), format, args);
    const float lineHeight = CellHeight(scale);
    for (const char* line = text;; ++line) {
        DrawTextLine(x, y, scale, line, centred, r, g, b, a);
        y += lineHeight;
        while (*line && *line != '\n') ++line;
        if (!*line) break;
    }
}

void KrellinRenderer::DrawText(float x, float y, float scale, float r, float g, float b,
                               float a, const char* format, ...) {
    va_list args;
    va_start(args, format);
    DrawFormatted(x, y, scale, false, r, g, b, a, format, args);
    va_end(args);
}

void KrellinRenderer::DrawTextCentered(float x, float y, float scale, float r, float g,
                                       float b, float a, const char* format, ...) {
    va_list args;
    va_start(args, format);
    DrawFormatted(x, y, scale, true, r, g, b, a, format, args);
    va_end(args);
}
