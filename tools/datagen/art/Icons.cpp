// icons\: the desktop icons of the game (Brocanto) and of Quillet, at the
// sizes desktops ask for; installed into the icon theme, not read by the game.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/datagen/DataGroup.h"
#include "tools/datagen/art/Canvas.h"

namespace {

cairo_status_t AppendPng(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

bool WriteIcons(const OutputFolder& out, const DataSources& sources) {
    const struct {
        const char* name;
        const char* source;
    } kIcons[] = {{"corralon", "art/Brocanto.svg"}, {"quillet", "icons/quillet.svg"}};
    bool ok = true;
    for (const auto& icon : kIcons) {
        for (int size : {48, 128, 256}) {
            Canvas canvas(size, size);
            std::vector<unsigned char> png;
            ok = canvas.ok() && canvas.DrawSvg(sources.Path(icon.source), 0, 0, size, size) &&
                 cairo_surface_write_to_png_stream(canvas.surface(), AppendPng, &png) ==
                     CAIRO_STATUS_SUCCESS &&
                 out.Write(("icons\\" + std::string(icon.name) + "-" + std::to_string(size) + ".png").c_str(),
                           png) &&
                 ok;
        }
    }
    return ok;
}

}  // namespace

CORRALON_DATA_GROUP(icons, "icons", 12, WriteIcons);
