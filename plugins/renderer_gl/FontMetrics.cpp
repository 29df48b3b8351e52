#include "plugins/renderer_gl/FontMetrics.h"

#include <cstddef>

void FontMetrics::Reset() {
    cellWidth_ = cellHeight_ = 0;
    for (GlyphSpan& glyph : glyphs_) glyph = GlyphSpan();
}

bool FontMetrics::Measure(const unsigned char* pixels, int width, int height,
                          int bytesPerPixel) {
    Reset();
    if (!pixels || width < kGrid || height < kGrid ||
        (bytesPerPixel != 3 && bytesPerPixel != 4))
        return false;
    const int cw = width / kGrid;
    const int ch = height / kGrid;
    const size_t stride = static_cast<size_t>(width) * bytesPerPixel;
    for (int c = 0; c < 256; ++c) {
        GlyphSpan& glyph = glyphs_[c];
        if (bytesPerPixel == 3) {
            glyph.left = 0;
            glyph.right = static_cast<uint16_t>(cw);
            glyph.empty = false;
            continue;
        }
        const int cellX = (c % kGrid) * cw;
        const int cellY = (c / kGrid) * ch;
        int left = cw, right = 0;
        for (int y = 0; y < ch; ++y) {
            const unsigned char* row = pixels + (cellY + y) * stride + cellX * 4;
            for (int x = 0; x < cw; ++x) {
                if (row[x * 4 + 3] < 128) continue;
                if (x < left) left = x;
                if (x + 1 > right) right = x + 1;
            }
        }
        if (right > left) {
            glyph.left = static_cast<uint16_t>(left);
            glyph.right = static_cast<uint16_t>(right);
            glyph.empty = false;
        }
    }
    cellWidth_ = cw;
    cellHeight_ = ch;
    return true;
}

float FontMetrics::Advance(unsigned char c) const {
    const GlyphSpan& glyph = glyphs_[c];
    if (glyph.empty || cellWidth_ <= 0) return kEmptyAdvance;
    return static_cast<float>(glyph.right - glyph.left) / cellWidth_ + kGap;
}

float FontMetrics::LineWidth(const char* text) const {
    if (!text) return 0.0f;
    float width = 0.0f;
    bool any = false;
    for (const char* p = text; *p && *p != '\n'; ++p) {
        width += Advance(static_cast<unsigned char>(*p));
        any = true;
    }
    return any ? width - kGap : 0.0f;
}
