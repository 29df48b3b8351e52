// The fighters, the stage actors, their list, the stage and its list.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/Files.h"
#include "tools/datagen/RgbImage.h"
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/creatures/Catalog.h"
#include "tools/datagen/creatures/CreatureBuild.h"
#include "tools/datagen/creatures/SvgCells.h"

namespace {

bool CopyText(const DataSources& sources, const OutputFolder& out, const CopiedText& text) {
    std::string path = sources.Path(text.source);
    FILE* in = PlatformOpenFile(path.c_str(), "rb");
    if (!in) {
        fprintf(stderr, "corralon-datagen: cannot read %s\n", path.c_str());
        return false;
    }
    std::vector<unsigned char> bytes;
    unsigned char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    bool failed = ferror(in) != 0;
    fclose(in);
    return !failed && out.Write(text.gameFile, bytes);
}

// Stage pictures are opaque 24-bit: whatever the sheet leaves open shows sky.
bool WriteStagePicture(const DataSources& sources, const OutputFolder& out) {
    SvgSheet sheet;
    RgbaPicture picture;
    std::string reason;
    if (!sheet.Open(sources.Path(kStageSheet), reason) ||
        !sheet.Whole(kStageWidth, kStageHeight, picture, reason)) {
        fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
        return false;
    }
    RgbImage image(kStageWidth, kStageHeight, 150, 210, 255);
    for (int y = 0; y < kStageHeight; ++y)
        for (int x = 0; x < kStageWidth; ++x) {
            const unsigned char* p = &picture.rgba[(static_cast<size_t>(y) * kStageWidth + x) * 4];
            unsigned char* q = &image.rgb[(static_cast<size_t>(y) * kStageWidth + x) * 3];
            for (int i = 0; i < 3; ++i) q[i] = static_cast<unsigned char>((p[i] * p[3] + q[i] * (255 - p[3]) + 127) / 255);
        }
    return out.Write(kStagePicture, EncodeBmp24(image));
}

bool WriteCreatures(const OutputFolder& out, const DataSources& sources) {
    bool ok = true;
    for (const CopiedText& text : kCreatureTexts) ok = CopyText(sources, out, text) && ok;
    ok = WriteStagePicture(sources, out) && ok;
    std::string reason;
    Renderer* renderer = LoadHeadlessRenderer(out.root(), reason);
    if (!renderer) {
        fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
        return false;
    }
    for (const CreatureSource& creature : kCreatures) {
        if (!BuildCreature(renderer, sources, creature, out, reason)) {
            fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
            ok = false;
            continue;
        }
    }
    return ok;
}

}  // namespace

CORRALON_DATA_GROUP(creatures, "creatures and the farmyard stage", 30, WriteCreatures);
