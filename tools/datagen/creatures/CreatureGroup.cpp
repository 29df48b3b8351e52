// The creatures and stages of data/content.txt, and the game's lists of them.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/ConfigFile.h"
#include "base/Files.h"
#include "tools/datagen/RgbImage.h"
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/creatures/Content.h"
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

// The picture a stage's file names under [fondo] imagen, drawn from the
// sheet beside that file at the sheet's own size. Stage pictures are opaque
// 24-bit: whatever the sheet leaves open shows sky.
bool WriteStagePicture(const std::string& stageFile, const std::string& sheetPath,
                       const OutputFolder& out, std::string& reason) {
    ConfigFile stage;
    const char* imagen = nullptr;
    if (stage.Open(stageFile.c_str()) == ConfigResult::kOk && stage.Load() == ConfigResult::kOk)
        imagen = stage.GetValue("[fondo]", "imagen");
    if (!imagen) {
        reason = stageFile + " names no picture ([fondo] imagen)";
        return false;
    }
    SvgSheet sheet;
    RgbaPicture picture;
    if (!sheet.Open(sheetPath, reason) ||
        !sheet.Whole(sheet.Width(), sheet.Height(), picture, reason))
        return false;
    const int width = picture.width, height = picture.height;
    RgbImage image(width, height, 150, 210, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = &picture.rgba[(static_cast<size_t>(y) * width + x) * 4];
            unsigned char* q = &image.rgb[(static_cast<size_t>(y) * width + x) * 3];
            for (int i = 0; i < 3; ++i) q[i] = static_cast<unsigned char>((p[i] * p[3] + q[i] * (255 - p[3]) + 127) / 255);
        }
    return out.Write(imagen, EncodeBmp24(image));
}

bool WriteStage(const DataSources& sources, const OutputFolder& out, const std::string& name) {
    const std::string folder = "stages/" + name + "/";
    const std::string gameFile = "fondos\\" + name + "\\" + name + ".txt";
    bool ok = CopyText(sources, out, {(folder + name + ".txt").c_str(), gameFile.c_str()});
    std::string reason;
    if (!WriteStagePicture(sources.Path(folder + name + ".txt"), sources.Path(folder + name + ".svg"),
                           out, reason)) {
        fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
        ok = false;
    }
    return ok;
}

bool WriteCreatures(const OutputFolder& out, const DataSources& sources) {
    std::string reason;
    GameContent content;
    if (!ReadGameContent(sources.Path(kContentFile), content, reason)) {
        fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
        return false;
    }
    bool ok = true;
    for (const CopiedText& text : kContentLists) ok = CopyText(sources, out, text) && ok;
    for (const std::string& stage : content.stages) ok = WriteStage(sources, out, stage) && ok;
    Renderer* renderer = LoadHeadlessRenderer(out.root(), reason);
    if (!renderer) {
        fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
        return false;
    }
    for (const CreatureSource& creature : content.creatures) {
        if (!BuildCreature(renderer, sources, creature, out, reason)) {
            fprintf(stderr, "corralon-datagen: %s\n", reason.c_str());
            ok = false;
            continue;
        }
    }
    return ok;
}

}  // namespace

CORRALON_DATA_GROUP(creatures, "creatures, stages and their lists", 30, WriteCreatures);
