#include "tools/datagen/creatures/CreatureBuild.h"

#include <unistd.h>

#include "base/Plugin.h"
#include "sdk/Renderer.h"
#include "tools/datagen/creatures/SvgCells.h"
#include "tools/qvl/QvlManifest.h"

namespace {

// The folder the generator was built into: the game folder with its plug-ins.
std::string ProgramFolder() {
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    path[n] = '\0';
    std::string folder(path);
    size_t slash = folder.rfind('/');
    return slash == std::string::npos ? "." : folder.substr(0, slash);
}

}  // namespace

Renderer* LoadHeadlessRenderer(const std::string& gameFolder, std::string& reason) {
    // The output folder may be a fresh one without plug-ins: then the one
    // beside the generator serves.
    std::string path = gameFolder + "/Headless.dll";
    auto plugin = LoadPlugin<Renderer>(path.c_str(), "CreateRendererInstance");
    if (!plugin.libraryOpened) {
        path = ProgramFolder() + "/Headless.dll";
        plugin = LoadPlugin<Renderer>(path.c_str(), "CreateRendererInstance");
    }
    Renderer* renderer = plugin.object;
    if (!renderer) reason = "cannot load the headless renderer " + path + ": " + PlatformLibraryError();
    return renderer;
}

std::string GamePath(const OutputFolder& out, const char* gameFile) {
    std::string path = out.root() + "/" + gameFile;
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool BuildCreature(Renderer* renderer, const DataSources& sources, const CreatureSource& creature,
                   const OutputFolder& out, std::string& reason) {
    std::string folder = sources.Path("creatures/" + creature.name);
    QvlManifest manifest;
    if (!ParseQvlManifest(folder + "/manifest.txt", manifest, reason)) return false;
    SvgSheets sheets(folder);
    auto draw = [&sheets](const QvlTextureEntry& entry, BmpImage& image, std::string& why) {
        RgbaPicture picture;
        if (!sheets.Cell(entry.file, picture, why)) return false;
        image.width = picture.width;
        image.height = picture.height;
        image.bytesPerPixel = 4;
        image.pixels = std::move(picture.rgba);
        return true;
    };
    std::string path = GamePath(out, creature.gameFile.c_str());
    if (BuildQvl(renderer, manifest, draw, path.c_str(), reason) != 0) {
        reason = creature.name + ": " + reason;
        return false;
    }
    return true;
}
