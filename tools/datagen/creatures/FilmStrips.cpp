// review/criaturas.png: every animation of every creature as a film strip,
// read back from the written creature files, with the boxes the fight uses:
// body green, hit cyan (attacking animations only), anchor blue, hot spot red.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "sdk/Bicho.h"
#include "creature/QvlRead.h"
#include "sdk/Renderer.h"
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/creatures/Content.h"
#include "tools/datagen/creatures/CreatureBuild.h"

namespace {

constexpr double kUnitX = 333.0, kUnitY = 250.0;  // pixels per screen unit, 4:3
constexpr int kLabel = 230, kGap = 12, kMargin = 20, kCaption = 18, kWidth = 1900;

struct Pen {
    cairo_t* cr;
    void Colour(double r, double g, double b, double a = 1) { cairo_set_source_rgba(cr, r, g, b, a); }
    void Text(double x, double y, double size, const std::string& text, bool bold = false) {
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, size);
        cairo_move_to(cr, x, y);
        cairo_show_text(cr, text.c_str());
    }
    void Cross(double x, double y, double r, double g, double b) {
        Colour(r, g, b);
        cairo_set_line_width(cr, 2);
        cairo_rectangle(cr, x - 3, y - 3, 6, 6);
        cairo_move_to(cr, x - 8, y);
        cairo_line_to(cr, x + 8, y);
        cairo_move_to(cr, x, y - 8);
        cairo_line_to(cr, x, y + 8);
        cairo_stroke(cr);
    }
};

// The texture as the renderer holds it (straight RGBA or RGB) to a cairo
// surface of premultiplied pixels.
cairo_surface_t* TextureSurface(Renderer* r, TextureHandle texture) {
    int w = 0, h = 0, bpp = 0;
    r->GetTextureInfo(texture, &h, &w, &bpp, nullptr, nullptr);
    if (w < 1 || h < 1 || (bpp != 3 && bpp != 4)) return nullptr;
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * bpp);
    r->GetTextureData(texture, pixels.data());
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = &pixels[(static_cast<size_t>(y) * w + x) * bpp];
            unsigned a = bpp == 4 ? p[3] : 255;
            uint32_t v = (a << 24) | ((p[0] * a / 255) << 16) | ((p[1] * a / 255) << 8) | (p[2] * a / 255);
            reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride)[x] = v;
        }
    cairo_surface_mark_dirty(s);
    return s;
}

void DrawTexture(cairo_t* cr, cairo_surface_t* s, double x, double y, double w, double h) {
    if (!s) return;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / cairo_image_surface_get_width(s), h / cairo_image_surface_get_height(s));
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

// Zoom that keeps small creatures (the fly) readable; shown in the label.
double ZoomOf(const Bicho& c) {
    float tallest = 0;
    for (Anima* a = c.animations; a; a = a->next)
        for (Frame* f = a->firstFrame; f; f = f->next) tallest = std::max(tallest, f->height);
    return tallest > 0 && tallest * kUnitY < 100 ? 3.0 : 1.0;
}

double RowHeight(const Anima& a, double zoom) {
    float h = 0;
    for (Frame* f = a.firstFrame; f; f = f->next) h = std::max(h, f->height);
    return std::max(h * kUnitY * zoom, 60.0) + kCaption + kGap;
}

double Draw(Pen& pen, Renderer* r, const Bicho& c, const char* file, double top) {
    cairo_t* cr = pen.cr;
    double zoom = ZoomOf(c);
    pen.Colour(0.16, 0.1, 0.06);
    char title[160];
    snprintf(title, sizeof title, "%s  (%s, %d animations, %d frames%s)", c.name ? c.name : "?",
             file, c.animationCount, c.frameCount, zoom > 1 ? ", shown x3" : "");
    pen.Text(kMargin, top + 28, 26, title, true);
    double y = top + 44;
    double x = kMargin;
    const TextureHandle pictures[2] = {c.hasPictureA ? c.pictureA : 0, c.hasPictureB ? c.pictureB : 0};
    const double sizes[2][2] = {{0.05 * kUnitX * 2, 0.07 * kUnitY * 2}, {0.2 * kUnitX, 0.3 * kUnitY}};
    double pictureHeight = 0;
    for (int i = 0; i < 2; ++i) {
        if (!pictures[i]) continue;
        cairo_surface_t* s = TextureSurface(r, pictures[i]);
        DrawTexture(cr, s, x, y, sizes[i][0], sizes[i][1]);
        if (s) cairo_surface_destroy(s);
        pen.Colour(0.16, 0.1, 0.06);
        pen.Text(x, y + sizes[i][1] + 14, 12, i == 0 ? "picture A (grid, x2)" : "picture B (side)");
        x += sizes[i][0] + 2 * kGap;
        pictureHeight = std::max(pictureHeight, sizes[i][1] + 22);
    }
    y += pictureHeight + kGap;
    for (Anima* a = c.animations; a; a = a->next) {
        double rowHeight = RowHeight(*a, zoom);
        bool attack = a->kind && std::string(a->kind) == "acciones";
        pen.Colour(0.16, 0.1, 0.06);
        pen.Text(kMargin, y + 20, 15, a->name ? a->name : "?", true);
        pen.Text(kMargin, y + 40, 12, std::string("kind \"") + (a->kind ? a->kind : "") + "\"");
        float total = 0;
        int count = 0;
        for (Frame* f = a->firstFrame; f; f = f->next, ++count) total += f->duration;
        char line[64];
        snprintf(line, sizeof line, "%d frames, %.2f s", count, total);
        pen.Text(kMargin, y + 58, 12, line);
        double fx = kMargin + kLabel;
        for (Frame* f = a->firstFrame; f; f = f->next) {
            double w = f->width * kUnitX * zoom, h = f->height * kUnitY * zoom;
            double sx = kUnitX * zoom, sy = kUnitY * zoom;
            pen.Colour(0.86, 0.93, 0.98);
            cairo_rectangle(cr, fx, y, w, h);
            cairo_fill(cr);
            cairo_surface_t* s = TextureSurface(r, static_cast<TextureHandle>(f->texture));
            DrawTexture(cr, s, fx, y, w, h);
            if (s) cairo_surface_destroy(s);
            cairo_set_line_width(cr, 1.5);
            pen.Colour(0.1, 0.75, 0.1);
            cairo_rectangle(cr, fx + f->bodyBox.left * sx, y + f->bodyBox.top * sy,
                            (f->bodyBox.right - f->bodyBox.left) * sx,
                            (f->bodyBox.bottom - f->bodyBox.top) * sy);
            cairo_stroke(cr);
            if (attack && f->hitBox.right > f->hitBox.left) {
                pen.Colour(0, 0.8, 0.9);
                cairo_set_line_width(cr, 2.5);
                cairo_rectangle(cr, fx + f->hitBox.left * sx, y + f->hitBox.top * sy,
                                (f->hitBox.right - f->hitBox.left) * sx,
                                (f->hitBox.bottom - f->hitBox.top) * sy);
                cairo_stroke(cr);
            }
            pen.Cross(fx + f->anchorX * sx, y + f->anchorY * sy, 0.1, 0.2, 0.9);
            pen.Cross(fx + f->hotX * sx, y + f->hotY * sy, 0.9, 0.1, 0.1);
            pen.Colour(0.16, 0.1, 0.06);
            snprintf(line, sizeof line, "%.2f s", f->duration);
            pen.Text(fx + 4, y + h + 14, 12, line);
            fx += w + kGap;
        }
        y += rowHeight;
    }
    return y + kGap;
}

cairo_status_t Collect(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

bool WriteFilmStrips(const OutputFolder& out, const DataSources& sources) {
    std::string reason;
    GameContent content;
    if (!ReadGameContent(sources.Path(kContentFile), content, reason)) {
        fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
        return false;
    }
    Renderer* renderer = LoadHeadlessRenderer(out.root(), reason);
    if (!renderer) {
        fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
        return false;
    }
    std::vector<std::pair<Bicho*, const char*>> creatures;
    double height = kMargin;
    for (const CreatureSource& source : content.creatures) {
        Bicho* c = CreateBicho();
        c->Init(nullptr, renderer, nullptr, nullptr, nullptr, nullptr);
        std::string path = GamePath(out, source.gameFile.c_str());
        if (ReadQvl(*c, path.c_str(), QvlMode::kWhole, nullptr) < 0) {
            fprintf(stderr, "corralon-datagen: cannot read %s for the film strips\n", path.c_str());
            c->Release();
            DestroyBicho(c);
            continue;
        }
        creatures.emplace_back(c, source.gameFile.c_str());
        double zoom = ZoomOf(*c);
        height += 44 + 0.3 * kUnitY + 22 + 2 * kGap;
        for (Anima* a = c->animations; a; a = a->next) height += RowHeight(*a, zoom);
    }
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, static_cast<int>(height) + kMargin);
    Pen pen{cairo_create(surface)};
    pen.Colour(1.0, 0.97, 0.88);
    cairo_paint(pen.cr);
    double y = kMargin;
    for (size_t i = 0; i < creatures.size(); ++i) {
        y = Draw(pen, renderer, *creatures[i].first, creatures[i].second, y);
        creatures[i].first->Release();
        DestroyBicho(creatures[i].first);
    }
    cairo_destroy(pen.cr);
    std::vector<unsigned char> png;
    bool ok = cairo_surface_write_to_png_stream(surface, Collect, &png) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok && creatures.size() == content.creatures.size() &&
           out.Write("review\\criaturas.png", png);
}

}  // namespace

CORRALON_DATA_GROUP(filmStrips, "creature film strips", 100, WriteFilmStrips);
