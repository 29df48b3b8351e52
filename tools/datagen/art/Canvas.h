#pragma once
// A Cairo drawing surface for the pictures: SVG sources are rasterised into
// it with librsvg, text is set on it with TextPainter, and it is turned into
// the 24-bit pictures the game loads.
#include <cairo.h>

#include <string>

#include "tools/datagen/RgbImage.h"

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ok() const { return cr_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() { return cr_; }
    cairo_surface_t* surface() { return surface_; }

    // Draws the SVG file scaled into the rectangle (its aspect is kept).
    // False, with the reason on stderr, if the file is missing or broken.
    bool DrawSvg(const std::string& path, double x, double y, double w, double h);

    // Colour of one pixel with its coverage, un-premultiplied. Call Flush()
    // after drawing and before reading pixels.
    void Flush() { if (surface_) cairo_surface_flush(surface_); }
    void PixelAt(int x, int y, unsigned char rgba[4]) const;
    // Writes one pixel (un-premultiplied colour and coverage); call
    // cairo_surface_mark_dirty (MarkDirty) before drawing with Cairo again.
    void SetPixel(int x, int y, const unsigned char rgba[4]);
    void MarkDirty() { if (surface_) cairo_surface_mark_dirty(surface_); }

    // Keyed picture: pixels at least half covered keep their colour, the
    // rest become the key. Partial edges are not blended with the key, so
    // the game's colour keying leaves no fringe; no kept pixel equals the key.
    RgbImage Keyed(unsigned char r, unsigned char g, unsigned char b) const;
    // Plain picture: everything composed over a background colour.
    RgbImage Over(unsigned char r, unsigned char g, unsigned char b) const;

private:
    int width_, height_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};

// Reads a whole source file through the game's file layer.
bool ReadSourceFile(const std::string& path, std::string* bytes);
