#include "tools/datagen/creatures/SvgCells.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>

namespace {

RsvgHandle* Rsvg(void* handle) { return static_cast<RsvgHandle*>(handle); }

std::string Message(GError* error) {
    std::string text = error && error->message ? error->message : "unknown librsvg error";
    if (error) g_error_free(error);
    return text;
}

// Cairo keeps premultiplied native-endian ARGB; textures want straight RGBA.
void ToStraightRgba(cairo_surface_t* surface, RgbaPicture& picture) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    picture.rgba.assign(static_cast<size_t>(picture.width) * picture.height * 4, 0);
    for (int y = 0; y < picture.height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        unsigned char* out = &picture.rgba[static_cast<size_t>(y) * picture.width * 4];
        for (int x = 0; x < picture.width; ++x, out += 4) {
            uint32_t p = row[x];
            unsigned a = p >> 24;
            if (a == 0) continue;
            unsigned c[3] = {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
            for (int i = 0; i < 3; ++i) out[i] = static_cast<unsigned char>((c[i] * 255 + a / 2) / a);
            out[3] = static_cast<unsigned char>(a);
        }
    }
}

}  // namespace

SvgSheet::~SvgSheet() {
    if (handle_) g_object_unref(Rsvg(handle_));
}

bool SvgSheet::Open(const std::string& path, std::string& reason) {
    GError* error = nullptr;
    RsvgHandle* h = rsvg_handle_new_from_file(path.c_str(), &error);
    if (!h) {
        reason = path + ": " + Message(error);
        return false;
    }
    handle_ = h;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(h, &width_, &height_) || width_ <= 0 || height_ <= 0) {
        reason = path + ": the sheet has no size in pixels";
        return false;
    }
    return true;
}

bool SvgSheet::Cell(const std::string& id, RgbaPicture& picture, std::string& reason) const {
    RsvgHandle* h = Rsvg(handle_);
    if (!h) {
        reason = "sheet not open";
        return false;
    }
    RsvgRectangle viewport = {0, 0, width_, height_};
    RsvgRectangle ink, logical;
    std::string group = "#" + id;
    std::string cell = group + "-cell";
    GError* error = nullptr;
    if (!rsvg_handle_has_sub(h, group.c_str()) ||
        !rsvg_handle_get_geometry_for_layer(h, cell.c_str(), &viewport, &ink, &logical, &error)) {
        reason = "no group " + group + " with its cell: " + Message(error);
        return false;
    }
    picture.width = static_cast<int>(std::lround(logical.width));
    picture.height = static_cast<int>(std::lround(logical.height));
    if (picture.width < 1 || picture.height < 1 || picture.width > 4096 || picture.height > 4096) {
        reason = "the cell of " + group + " is not a usable picture size";
        return false;
    }
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, -logical.x, -logical.y);
    bool drawn = rsvg_handle_render_layer(h, cr, group.c_str(), &viewport, &error);
    cairo_destroy(cr);
    if (drawn) ToStraightRgba(surface, picture);
    else reason = "cannot draw " + group + ": " + Message(error);
    cairo_surface_destroy(surface);
    return drawn;
}

bool SvgSheet::Whole(int width, int height, RgbaPicture& picture, std::string& reason) const {
    RsvgHandle* h = Rsvg(handle_);
    if (!h || width < 1 || height < 1) {
        reason = "sheet not open or empty size";
        return false;
    }
    picture.width = width;
    picture.height = height;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    RsvgRectangle viewport = {0, 0, static_cast<double>(width), static_cast<double>(height)};
    GError* error = nullptr;
    bool drawn = rsvg_handle_render_document(h, cr, &viewport, &error);
    cairo_destroy(cr);
    if (drawn) ToStraightRgba(surface, picture);
    else reason = "cannot draw the sheet: " + Message(error);
    cairo_surface_destroy(surface);
    return drawn;
}

bool SvgSheets::Cell(const std::string& reference, RgbaPicture& picture, std::string& reason) {
    size_t hash = reference.find('#');
    if (hash == std::string::npos || hash == 0 || hash + 1 == reference.size()) {
        reason = "\"" + reference + "\" does not name a group as file.svg#group";
        return false;
    }
    std::string file = reference.substr(0, hash);
    if (file.find("..") != std::string::npos || file.find('/') != std::string::npos ||
        file.find('\\') != std::string::npos) {
        reason = "\"" + file + "\" is not a sheet of the creature's own folder";
        return false;
    }
    auto found = sheets_.find(file);
    if (found == sheets_.end()) {
        auto sheet = std::make_unique<SvgSheet>();
        if (!sheet->Open(folder_ + "/" + file, reason)) return false;
        found = sheets_.emplace(file, std::move(sheet)).first;
    }
    return found->second->Cell(reference.substr(hash + 1), picture, reason);
}
