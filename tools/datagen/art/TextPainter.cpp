#include "tools/datagen/art/TextPainter.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <vector>

#include "tools/datagen/FontFile.h"

namespace {

// What a Cairo face made from a FreeType face needs kept alive; Cairo frees
// it when its caches let go of the face, which may be after our last use.
struct FaceOwner {
    std::vector<unsigned char> bytes;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FaceOwner() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

const cairo_user_data_key_t kOwnerKey = {0};

void DeleteOwner(void* owner) { delete static_cast<FaceOwner*>(owner); }

}  // namespace

TextPainter::TextPainter(const char* fontFile) {
    const std::string path = FindSystemFont(fontFile);
    FaceOwner* owner = new FaceOwner;
    if (path.empty() || !ReadFontFile(path, &owner->bytes)) {
        fprintf(stderr, "corralon-datagen: font %s not found; install fonts-dejavu-core\n",
                fontFile);
        delete owner;
        return;
    }
    if (FT_Init_FreeType(&owner->library) != 0 ||
        FT_New_Memory_Face(owner->library, owner->bytes.data(),
                           static_cast<FT_Long>(owner->bytes.size()), 0, &owner->face) != 0) {
        fprintf(stderr, "corralon-datagen: %s is not a font FreeType can read\n", path.c_str());
        delete owner;
        return;
    }
    face_ = cairo_ft_font_face_create_for_ft_face(owner->face, 0);
    if (cairo_font_face_status(face_) != CAIRO_STATUS_SUCCESS ||
        cairo_font_face_set_user_data(face_, &kOwnerKey, owner, DeleteOwner) !=
            CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face_);
        face_ = nullptr;
        delete owner;
    }
}

TextPainter::~TextPainter() {
    if (face_) cairo_font_face_destroy(face_);
}

void TextPainter::Select(cairo_t* cr, double size) const {
    cairo_set_font_face(cr, face_);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double TextPainter::Width(cairo_t* cr, const std::string& text, double size) const {
    if (!face_) return 0;
    cairo_save(cr);
    Select(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

void TextPainter::DrawCentred(cairo_t* cr, const std::string& text, double x, double y,
                              const TextStyle& style) const {
    if (!face_) return;
    cairo_save(cr);
    Select(cr, style.size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_new_path(cr);
    cairo_move_to(cr, x - extents.x_bearing - extents.width / 2, y);
    cairo_text_path(cr, text.c_str());
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (style.outline > 0) {
        cairo_set_source_rgb(cr, style.outlineRgb[0], style.outlineRgb[1], style.outlineRgb[2]);
        cairo_set_line_width(cr, style.outline * 2);
        cairo_stroke_preserve(cr);
    }
    cairo_pattern_t* fill =
        cairo_pattern_create_linear(0, y + extents.y_bearing, 0, y);
    cairo_pattern_add_color_stop_rgb(fill, 0, style.topRgb[0], style.topRgb[1], style.topRgb[2]);
    cairo_pattern_add_color_stop_rgb(fill, 1, style.bottomRgb[0], style.bottomRgb[1],
                                     style.bottomRgb[2]);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_restore(cr);
}
