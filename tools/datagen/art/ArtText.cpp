#include "tools/datagen/art/ArtText.h"

#include <cmath>

bool DrawSvgMirrored(Canvas* canvas, const std::string& source, double x, double y, double w,
                     double h, bool mirror) {
    if (!mirror) return canvas->DrawSvg(source, x, y, w, h);
    // librsvg refuses a mirroring transform: draw upright, then flip the copy.
    const int pw = static_cast<int>(std::ceil(w)), ph = static_cast<int>(std::ceil(h));
    Canvas upright(pw, ph);
    if (!upright.ok() || !upright.DrawSvg(source, 0, 0, w, h)) return false;
    upright.Flush();
    cairo_t* cr = canvas->cr();
    cairo_save(cr);
    cairo_translate(cr, x + w, y);
    cairo_scale(cr, -1, 1);
    cairo_set_source_surface(cr, upright.surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    return true;
}

bool DrawSketch(Canvas* paper, const std::string& source, int x, int y, int w, int h,
                bool mirror, double rotateDegrees) {
    Canvas drawing(paper->width(), paper->height());
    if (!drawing.ok()) return false;
    cairo_t* cr = drawing.cr();
    // The sketch is placed in the page's units.
    cairo_matrix_t units;
    cairo_get_matrix(paper->cr(), &units);
    cairo_set_matrix(cr, &units);
    cairo_translate(cr, x + w / 2.0, y + h / 2.0);
    cairo_rotate(cr, rotateDegrees * M_PI / 180.0);
    cairo_translate(cr, -(x + w / 2.0), -(y + h / 2.0));
    if (!DrawSvgMirrored(&drawing, source, x, y, w, h, mirror)) return false;
    drawing.Flush();
    paper->Flush();
    const double graphite[3] = {62, 58, 70};
    unsigned char ink[4], back[4];
    for (int py = 0; py < paper->height(); ++py)
        for (int px = 0; px < paper->width(); ++px) {
            drawing.PixelAt(px, py, ink);
            if (ink[3] == 0) continue;
            // Dark lines come out as pencil, light fills as a faint shading:
            // the credits' lines scroll over the sketches and must read.
            const double lum = (0.3 * ink[0] + 0.59 * ink[1] + 0.11 * ink[2]) / 255.0;
            const double cover = ink[3] / 255.0 * (0.06 + 0.5 * std::pow(1.0 - lum, 1.5));
            paper->PixelAt(px, py, back);
            for (int i = 0; i < 3; ++i)
                back[i] = static_cast<unsigned char>(back[i] * (1 - cover) + graphite[i] * cover + 0.5);
            back[3] = 255;
            paper->SetPixel(px, py, back);
        }
    paper->MarkDirty();
    return true;
}
