// qvl build: a manifest and its BMP pictures to a creature file, written by
// Bicho::Save through the headless renderer. Texture handles are recreated
// with the numbers the manifest gives, so an extracted file builds back to
// the same bytes.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/Files.h"
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
    // Writing over its own manifest or one of its pictures would lose it.
    std::vector<std::string> inputs = {folder + "/" + kManifestName};
    for (const QvlTextureEntry& t : m.textures) inputs.push_back(folder + "/" + t.file);
    for (int i = 0; i < 2; ++i)
        if (m.hasPicture[i]) inputs.push_back(folder + "/" + m.pictures[i].file);
    struct stat out, in;
    if (stat(PlatformResolvePath(path).c_str(), &out) == 0) {
        for (const std::string& input : inputs) {
            if (stat(PlatformResolvePath(input.c_str()).c_str(), &in) == 0 && in.st_dev == out.st_dev &&
                in.st_ino == out.st_ino) {
                fprintf(stderr, "qvl: %s is one of the inputs (%s); choose another output\n", path,
                        input.c_str());
                return 1;
            }
        }
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
