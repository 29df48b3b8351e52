#include "tools/datagen/art/Canvas.h"

#include <librsvg/rsvg.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/Files.h"

namespace {
const long kMaxSourceBytes = 16L * 1024 * 1024;
}  // namespace

bool ReadSourceFile(const std::string& path, std::string* bytes) {
    FILE* file = PlatformOpenFile(path.c_str(), "rb");
    if (!file) return false;
    bool ok = fseek(file, 0, SEEK_END) == 0;
    long size = ok ? ftell(file) : -1;
    ok = ok && size > 0 && size <= kMaxSourceBytes && fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize(static_cast<size_t>(size));
        ok = fread(&(*bytes)[0], 1, bytes->size(), file) == bytes->size();
    }
    fclose(file);
    return ok;
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return;
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr_);
        cr_ = nullptr;
    }
}

Canvas::~Canvas() {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
}

bool Canvas::DrawSvg(const std::string& path, double x, double y, double w, double h) {
    if (!cr_) return false;
    std::string bytes;
    if (!ReadSourceFile(path, &bytes)) {
        fprintf(stderr, "corralon-datagen: cannot read the drawing %s\n", path.c_str());
        return false;
    }
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(
        reinterpret_cast<const guint8*>(bytes.data()), bytes.size(), &error);
    if (!handle) {
        fprintf(stderr, "corralon-datagen: %s is not a drawing librsvg can read: %s\n",
                path.c_str(), error ? error->message : "unknown error");
        if (error) g_error_free(error);
        return false;
    }
    RsvgRectangle viewport = {x, y, w, h};
    cairo_save(cr_);
    const bool drawn = rsvg_handle_render_document(handle, cr_, &viewport, &error);
    cairo_restore(cr_);
    if (!drawn) {
        fprintf(stderr, "corralon-datagen: cannot draw %s: %s\n", path.c_str(),
                error ? error->message : "unknown error");
        if (error) g_error_free(error);
    }
    g_object_unref(handle);
    return drawn;
}

void Canvas::PixelAt(int x, int y, unsigned char rgba[4]) const {
    rgba[0] = rgba[1] = rgba[2] = rgba[3] = 0;
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    // ARGB32 is a native-endian 32-bit word with premultiplied colour.
    uint32_t word;
    memcpy(&word, data + static_cast<size_t>(y) * stride + x * 4, sizeof word);
    const unsigned a = word >> 24;
    rgba[3] = static_cast<unsigned char>(a);
    if (a == 0) return;
    for (int i = 0; i < 3; ++i) {
        const unsigned c = (word >> (16 - 8 * i)) & 0xff;
        const unsigned v = (c * 255 + a / 2) / a;
        rgba[i] = static_cast<unsigned char>(v > 255 ? 255 : v);
    }
}

void Canvas::SetPixel(int x, int y, const unsigned char rgba[4]) {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const unsigned a = rgba[3];
    uint32_t word = a << 24;
    for (int i = 0; i < 3; ++i) word |= ((rgba[i] * a + 127) / 255) << (16 - 8 * i);
    memcpy(data + static_cast<size_t>(y) * stride + x * 4, &word, sizeof word);
}

RgbImage Canvas::Keyed(unsigned char r, unsigned char g, unsigned char b) const {
    RgbImage image(width_, height_, r, g, b);
    if (!surface_) return image;
    cairo_surface_flush(surface_);
    unsigned char p[4];
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            PixelAt(x, y, p);
            if (p[3] < 128) continue;
            if (p[0] == r && p[1] == g && p[2] == b) p[1] = g > 0 ? g - 1 : 1;
            image.Set(x, y, p[0], p[1], p[2]);
        }
    return image;
}

RgbImage Canvas::Over(unsigned char r, unsigned char g, unsigned char b) const {
    RgbImage image(width_, height_, r, g, b);
    if (!surface_) return image;
    cairo_surface_flush(surface_);
    unsigned char p[4];
    const unsigned char back[3] = {r, g, b};
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            PixelAt(x, y, p);
            unsigned char out[3];
            for (int i = 0; i < 3; ++i)
                out[i] = static_cast<unsigned char>((p[i] * p[3] + back[i] * (255 - p[3]) + 127) / 255);
            image.Set(x, y, out[0], out[1], out[2]);
        }
    return image;
}
