// qvl build: a manifest and its BMP pictures to a creature file, written by
// Bicho::Save through the headless renderer. Texture handles are recreated
// with the numbers the manifest gives, so an extracted file builds back to
// the same bytes.
#include <cstdio>
#include <string>

#include "creature/QvlFormat.h"
#include "base/Bmp.h"
#include "tools/qvl/QvlManifest.h"
#include "tools/qvl/QvlTool.h"

int RunBuild(const std::string& folder, const char* path) {
    QvlManifest m;
    std::string reason;
    if (!ParseQvlManifest(folder + "/" + kManifestName, m, reason)) {
        fprintf(stderr, "qvl: %s\n", reason.c_str());
        return 1;
    }
    Renderer* renderer = LoadHeadless();
    if (!renderer) return 2;
    BmpReadRules rules;
    rules.maxSide = kQvlMaxSide;
    auto bmpFiles = [&folder, &rules](const QvlTextureEntry& entry, BmpImage& image, std::string& why) {
        return ReadBmp(folder + "/" + entry.file, rules, image, why);
    };
    int result = BuildQvl(renderer, m, bmpFiles, path, reason);
    if (result != 0) fprintf(stderr, "qvl: %s\n", reason.c_str());
    return result;
}
