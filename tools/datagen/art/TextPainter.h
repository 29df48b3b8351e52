#pragma once
// Text set into pictures with Cairo from a DejaVu face loaded by FreeType,
// with fixed font options so every run draws the same pixels.
#include <cairo.h>

#include <string>

struct TextStyle {
    double size = 64;          // em size, pixels
    double outline = 6;        // dark outline width, pixels
    double outlineRgb[3] = {0.2, 0.11, 0.04};
    double topRgb[3] = {1.0, 0.93, 0.45};     // fill at the top of the text...
    double bottomRgb[3] = {1.0, 0.55, 0.1};   // ...shading to this at the baseline
};

class TextPainter {
public:
    // fontFile: a file name such as "DejaVuSans-Bold.ttf".
    explicit TextPainter(const char* fontFile);
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    bool ok() const { return face_ != nullptr; }

    // UTF-8 text centred on x with its baseline at y.
    void DrawCentred(cairo_t* cr, const std::string& text, double x, double y,
                     const TextStyle& style) const;
    // Width of the text at that size, pixels.
    double Width(cairo_t* cr, const std::string& text, double size) const;

private:
    void Select(cairo_t* cr, double size) const;

    cairo_font_face_t* face_ = nullptr;
};
