// Pictures made of drawings and lettering together: the numerals sheet,
// the menu backdrop in quarters, the studio logo, and the credits' sketch
// pages and final picture.
#include <cmath>
#include <string>

#include "tools/datagen/RgbImage.h"
#include "tools/datagen/art/ArtText.h"

namespace {

// Full-screen pictures are drawn in 1024 x 768 design units and written at
// the 800 x 600 the game window shows, which keeps the data folder small.
const int kScreenW = 800, kScreenH = 600;
const double kDesignW = 1024, kDesignH = 768;

void UseDesignUnits(Canvas* canvas) {
    cairo_scale(canvas->cr(), canvas->width() / kDesignW, canvas->height() / kDesignH);
}

// The numerals sheet "bmp\numerosB.bmp": 512 x 512 keyed, a 4 x 4 grid of
// 128 px cells. Digits 0-9 in cell d (column d % 4, row d / 4); the
// unlimited-time sign over the first two cells of row 3; "VS" over the lower
// right quarter.
bool DrawNumerals(Canvas* canvas, const TextPainter& text) {
    cairo_t* cr = canvas->cr();
    const int cell = 128;
    TextStyle digit;
    digit.size = 116;
    digit.outline = 7;
    for (int d = 0; d <= 9; ++d) {
        const double cx = (d % 4) * cell + cell / 2.0;
        const double baseline = (d / 4) * cell + 106;
        text.DrawCentred(cr, std::string(1, static_cast<char>('0' + d)), cx, baseline, digit);
    }
    TextStyle infinity = digit;
    infinity.size = 190;
    infinity.topRgb[0] = 0.75; infinity.topRgb[1] = 0.95; infinity.topRgb[2] = 1.0;
    infinity.bottomRgb[0] = 0.18; infinity.bottomRgb[1] = 0.56; infinity.bottomRgb[2] = 0.85;
    text.DrawCentred(cr, "\xE2\x88\x9E", 128, 3 * cell + 112, infinity);  // U+221E

    // A red starburst behind "VS".
    const double cx = 384, cy = 384;
    cairo_new_path(cr);
    for (int i = 0; i < 32; ++i) {
        const double r = (i % 2) ? 82 : 122;
        const double a = i * M_PI / 16;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.9, 0.22, 0.27);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.23, 0.14, 0.08);
    cairo_set_line_width(cr, 8);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    TextStyle vs = digit;
    vs.size = 132;
    vs.outline = 9;
    text.DrawCentred(cr, "VS", cx, cy + 48, vs);
    return true;
}

bool WriteNumerals(const OutputFolder& out, const TextPainter& text) {
    Canvas canvas(512, 512);
    return canvas.ok() && DrawNumerals(&canvas, text) &&
           out.Write("bmp\\numerosB.bmp", EncodeBmp24(canvas.Keyed(255, 0, 255)));
}

// The menu backdrop: one screen-sized picture with the game's title,
// written as the four quarters the menu draws. The title stays above 0.22
// of the screen: the screens' own title lines start at 0.27.
bool WriteMenuBackground(const OutputFolder& out, const DataSources& sources,
                         const TextPainter& text) {
    Canvas canvas(kScreenW, kScreenH);
    if (!canvas.ok()) return false;
    UseDesignUnits(&canvas);
    if (!canvas.DrawSvg(sources.Path("art/menu.svg"), 0, 0, kDesignW, kDesignH)) return false;
    TextStyle title;
    title.size = 88;
    title.outline = 8;
    text.DrawCentred(canvas.cr(), "BROCANTO", 512, 96, title);
    TextStyle arena = title;
    arena.size = 50;
    arena.outline = 7;
    arena.topRgb[0] = 1.0; arena.topRgb[1] = 0.75; arena.topRgb[2] = 0.78;
    arena.bottomRgb[0] = 0.86; arena.bottomRgb[1] = 0.14; arena.bottomRgb[2] = 0.2;
    text.DrawCentred(canvas.cr(), "ARENA", 512, 154, arena);
    const RgbImage whole = canvas.Over(0, 0, 0);
    const char* const names[4] = {"bmp\\MenuBgSI.bmp", "bmp\\MenuBgSD.bmp", "bmp\\MenuBgII.bmp",
                                  "bmp\\MenuBgID.bmp"};
    bool ok = true;
    const int qw = kScreenW / 2, qh = kScreenH / 2;
    for (int q = 0; q < 4; ++q) {
        RgbImage quarter(qw, qh, 0, 0, 0);
        const int x0 = (q % 2) * qw, y0 = (q / 2) * qh;
        for (int y = 0; y < qh; ++y)
            for (int x = 0; x < qw; ++x) {
                const unsigned char* p =
                    &whole.rgb[(static_cast<size_t>(y0 + y) * kScreenW + x0 + x) * 3];
                quarter.Set(x, y, p[0], p[1], p[2]);
            }
        ok = out.Write(names[q], EncodeBmp24(quarter)) && ok;
    }
    return ok;
}

bool WriteLogo(const OutputFolder& out, const DataSources& sources, const TextPainter& text) {
    Canvas canvas(kScreenW, kScreenH);
    if (!canvas.ok()) return false;
    UseDesignUnits(&canvas);
    if (!canvas.DrawSvg(sources.Path("art/quarvell.svg"), 0, 0, kDesignW, kDesignH)) return false;
    // The word sits at the bottom left: the intro writes its lines in the
    // middle band and the author's line from 0.6 of the width at the bottom.
    TextStyle name;
    name.size = 40;
    name.outline = 5;
    name.outlineRgb[0] = 0.04; name.outlineRgb[1] = 0.07; name.outlineRgb[2] = 0.16;
    text.DrawCentred(canvas.cr(), "QUARVELL", 190, 736, name);
    return out.Write("bmp\\quarvell.bmp", EncodeBmp24(canvas.Over(0, 0, 0)));
}

bool WriteFinalPicture(const OutputFolder& out, const DataSources& sources,
                       const TextPainter& text) {
    Canvas canvas(kScreenW, kScreenH);
    if (!canvas.ok()) return false;
    UseDesignUnits(&canvas);
    if (!canvas.DrawSvg(sources.Path("art/final.svg"), 0, 0, kDesignW, kDesignH) ||
        !DrawSvgMirrored(&canvas, sources.Path("art/Brocanto.svg"), 170, 300, 320, 320, false) ||
        !DrawSvgMirrored(&canvas, sources.Path("art/Truvaldino.svg"), 534, 300, 320, 320, true))
        return false;
    TextStyle fin;
    fin.size = 140;
    fin.outline = 10;
    text.DrawCentred(canvas.cr(), "FIN", 512, 170, fin);
    TextStyle thanks = fin;
    thanks.size = 44;
    thanks.outline = 6;
    thanks.topRgb[0] = thanks.topRgb[1] = thanks.topRgb[2] = 1.0;
    thanks.bottomRgb[0] = 1.0; thanks.bottomRgb[1] = 0.9; thanks.bottomRgb[2] = 0.7;
    text.DrawCentred(canvas.cr(), "GRACIAS POR JUGAR", 512, 250, thanks);
    return out.Write("bmp\\elverdadero.bmp", EncodeBmp24(canvas.Over(0, 0, 0)));
}

// One sketch on a page: drawing, rectangle, mirrored, turned.
struct Sketch {
    const char* source;
    int x, y, w, h;
    bool mirror;
    double degrees;
};

bool WriteSketchPage(const OutputFolder& out, const DataSources& sources, const char* file,
                     const std::vector<Sketch>& sketches) {
    Canvas page(kScreenW, kScreenH);
    if (!page.ok()) return false;
    UseDesignUnits(&page);
    if (!page.DrawSvg(sources.Path("art/papel.svg"), 0, 0, kDesignW, kDesignH)) return false;
    for (const Sketch& s : sketches)
        if (!DrawSketch(&page, sources.Path(s.source), s.x, s.y, s.w, s.h, s.mirror, s.degrees))
            return false;
    return out.Write(file, EncodeBmp24(page.Over(255, 255, 255)));
}

bool WriteSketches(const OutputFolder& out, const DataSources& sources) {
    bool ok = WriteSketchPage(out, sources, "bmp\\bocetosmini.bmp",
                              {{"art/Brocanto.svg", 120, 110, 280, 280, false, -8},
                               {"art/Truvaldino.svg", 630, 90, 280, 280, true, 6},
                               {"art/Brocanto.svg", 660, 430, 240, 240, true, 10},
                               {"art/huevo.svg", 190, 460, 200, 200, false, -15}});
    ok = WriteSketchPage(out, sources, "bmp\\bocetosmini2.bmp",
                         {{"art/huevohi.svg", 130, 120, 300, 300, false, -6},
                          {"art/cuernos.svg", 640, 100, 260, 260, false, 12},
                          {"art/Truvaldino.svg", 600, 400, 280, 280, false, -5},
                          {"art/caparazon.svg", 160, 470, 220, 220, false, 8}}) && ok;
    ok = WriteSketchPage(out, sources, "bmp\\bocetogrande.bmp",
                         {{"art/Brocanto.svg", 190, 60, 660, 660, false, -4}}) && ok;
    ok = WriteSketchPage(out, sources, "bmp\\bocetogrande2.bmp",
                         {{"art/Truvaldino.svg", 180, 60, 660, 660, true, 4}}) && ok;
    return ok;
}

bool WriteComposites(const OutputFolder& out, const DataSources& sources) {
    TextPainter text(kArtFont);
    if (!text.ok()) return false;
    bool ok = WriteNumerals(out, text);
    ok = WriteMenuBackground(out, sources, text) && ok;
    ok = WriteLogo(out, sources, text) && ok;
    ok = WriteFinalPicture(out, sources, text) && ok;
    ok = WriteSketches(out, sources) && ok;
    return ok;
}

}  // namespace

CORRALON_DATA_GROUP(artComposites, "pictures with lettering", 21, WriteComposites);
