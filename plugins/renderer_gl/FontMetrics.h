#pragma once
// Proportional spacing for the font picture: 16 x 16 cells, Latin-1 byte c
// in column c % 16, row c / 16 from the top. Each glyph's horizontal extent
// is measured once from the alpha of the picture.
#include <cstdint>

struct GlyphSpan {
    uint16_t left = 0;   // first covered column of the cell
    uint16_t right = 0;  // one past the last covered column
    bool empty = true;
};

class FontMetrics {
public:
    static constexpr int kGrid = 16;
    // Advance of an empty cell (the space) and the gap after each glyph,
    // in cell widths.
    static constexpr float kEmptyAdvance = 0.35f;
    static constexpr float kGap = 0.0f;

    // Measures the picture (rows top to bottom, 3 or 4 bytes per pixel).
    // Without alpha every cell counts as a full glyph. False, and nothing
    // measured, for pictures too small to hold the grid.
    bool Measure(const unsigned char* pixels, int width, int height, int bytesPerPixel);
    void Reset();

    bool Ready() const { return cellWidth_ > 0; }
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    const GlyphSpan& Glyph(unsigned char c) const { return glyphs_[c]; }

    // Pen advance after `c`, in cell widths.
    float Advance(unsigned char c) const;
    // Width of one line of text (up to a newline or the end), in cell widths,
    // without the gap after the last glyph.
    float LineWidth(const char* text) const;

private:
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    GlyphSpan glyphs_[256];
};
