// review\imagenes.png: every BMP picture in the game folder's bmp\ with its
// name under it, for looking the whole set over at once. Runs after every
// other group. Pure magenta (the usual key) shows as a light checkerboard.
#include <dirent.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/Bmp.h"
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/art/ArtText.h"

namespace {

const int kColumns = 6;
const int kCellW = 220, kCellH = 196;
const int kThumbW = 200, kThumbH = 150;
const int kTop = 60;

// Whatever a painting program may have saved into bmp\ is shown too.
const BmpReadRules kAnyBmp = {8192, true, true};

std::vector<std::string> BmpNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > 4) {
            std::string ext = name.substr(name.size() - 4);
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (ext == ".bmp") names.push_back(name);
        }
    }
    closedir(dir);
    // Sorted without regard to case, so the sheet is the same on every run.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string la = a, lb = b;
        std::transform(la.begin(), la.end(), la.begin(), ::tolower);
        std::transform(lb.begin(), lb.end(), lb.begin(), ::tolower);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

// The picture as a Cairo surface, with the magenta key as a checkerboard.
cairo_surface_t* Thumbnail(const BmpImage& image) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return s;
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* p =
                &image.pixels[(static_cast<size_t>(y) * image.width + x) * image.bytesPerPixel];
            uint32_t word;
            if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
                const bool dark = ((x / 8) + (y / 8)) % 2;
                word = dark ? 0xffd0d0d0u : 0xfff4f4f4u;
            } else {
                word = 0xff000000u | p[0] << 16 | p[1] << 8 | p[2];
            }
            memcpy(data + static_cast<size_t>(y) * stride + x * 4, &word, sizeof word);
        }
    cairo_surface_mark_dirty(s);
    return s;
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

bool WriteContactSheet(const OutputFolder& out, const DataSources&) {
    const std::string folder = out.root() + "/bmp";
    const std::vector<std::string> names = BmpNames(folder);
    const int rows = static_cast<int>((names.size() + kColumns - 1) / kColumns);
    Canvas sheet(kColumns * kCellW, kTop + std::max(rows, 1) * kCellH);
    TextPainter text(kArtFont);
    if (!sheet.ok() || !text.ok()) return false;
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.98, 0.95, 0.88);
    cairo_paint(cr);
    TextStyle title;
    title.size = 30;
    title.outline = 3;
    text.DrawCentred(cr, "CORRALON - IMAGENES", sheet.width() / 2.0, 42, title);
    TextStyle label;
    label.size = 13;
    label.outline = 0;
    for (double& c : label.topRgb) c = 0.15;
    for (double& c : label.bottomRgb) c = 0.15;
    bool ok = true;
    for (size_t i = 0; i < names.size(); ++i) {
        const double cellX = (i % kColumns) * kCellW, cellY = kTop + (i / kColumns) * kCellH;
        BmpImage image;
        std::string caption = "bmp\\" + names[i];
        std::string reason;
        if (!ReadBmp(folder + "/" + names[i], kAnyBmp, image, reason)) {
            fprintf(stderr, "corralon-datagen: %s is not a BMP the contact sheet can read\n",
                    names[i].c_str());
            caption += " (?)";
            ok = false;
        } else {
            cairo_surface_t* thumb = Thumbnail(image);
            const double scale = std::min(static_cast<double>(kThumbW) / image.width,
                                          static_cast<double>(kThumbH) / image.height);
            const double w = image.width * scale, h = image.height * scale;
            const double x = cellX + (kCellW - w) / 2, y = cellY + 8 + (kThumbH - h) / 2;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, thumb, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_surface_destroy(thumb);
            cairo_rectangle(cr, x - 0.5, y - 0.5, w + 1, h + 1);
            cairo_set_source_rgb(cr, 0.23, 0.14, 0.08);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            char size[32];
            snprintf(size, sizeof size, "%d x %d", image.width, image.height);
            text.DrawCentred(cr, size, cellX + kCellW / 2.0, cellY + kThumbH + 42, label);
        }
        text.DrawCentred(cr, caption, cellX + kCellW / 2.0, cellY + kThumbH + 26, label);
    }
    sheet.Flush();
    std::vector<unsigned char> png;
    if (cairo_surface_write_to_png_stream(sheet.surface(), AppendBytes, &png) !=
        CAIRO_STATUS_SUCCESS) {
        fprintf(stderr, "corralon-datagen: the contact sheet cannot be encoded\n");
        return false;
    }
    return out.Write("review\\imagenes.png", png) && ok;
}

}  // namespace

CORRALON_DATA_GROUP(contactSheet, "contact sheet of pictures", 100, WriteContactSheet);
