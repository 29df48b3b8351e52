// qvl extract: pictures as BMP files and a manifest in the game's sectioned
// text format, enough for qvl build to write the same file again.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "sdk/Bicho.h"
#include "base/Files.h"
#include "sdk/Renderer.h"
#include "base/Bmp.h"
#include "tools/qvl/QvlTool.h"

namespace {

bool SaveTexture(Renderer* r, TextureHandle texture, const std::string& path) {
    BmpImage image;
    int flag = 0;
    const char* name = nullptr;
    r->GetTextureInfo(texture, &image.height, &image.width, &image.bytesPerPixel, &name, &flag);
    if (image.width <= 0 || image.height <= 0) return false;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height * image.bytesPerPixel);
    r->GetTextureData(texture, image.pixels.data());
    return WriteBmp(path, image);
}

// Values of the manifest are one line each; the reader trims their ends.
bool Writable(const std::string& text) {
    if (text.empty()) return true;
    if (static_cast<signed char>(text.front()) < 33 || static_cast<signed char>(text.back()) < 33)
        return false;
    return text.find('\n') == std::string::npos && text.size() < 200;
}

}  // namespace

int RunExtract(const char* path, const std::string& folder) {
    Renderer* renderer = LoadHeadless();
    if (!renderer) return 2;
    QvlContents contents;
    Bicho* c = nullptr;
    if (!ReadCreature(renderer, path, &c, contents)) {
        fprintf(stderr, "qvl: cannot open %s: %s\n", path, OpenFailure(path).c_str());
        return 2;
    }
    if (!contents.problems.empty()) {
        for (const std::string& p : contents.problems) fprintf(stderr, "%s: %s\n", path, p.c_str());
        fprintf(stderr, "qvl: refusing to extract a broken file\n");
        FreeCreature(c);
        return 1;
    }
    struct stat st;
    if (mkdir(folder.c_str(), 0755) != 0 && (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
        fprintf(stderr, "qvl: %s is not a folder and cannot be made one: %s\n", folder.c_str(),
                errno == EEXIST ? "a file has its name" : PlatformErrorText(errno));
        FreeCreature(c);
        return 2;
    }
    std::string manifest;
    char line[512];
    auto add = [&](const char* format, auto... values) {
        snprintf(line, sizeof line, format, values...);
        manifest += line;
    };
    int result = 0;
    auto text = [&](const char* key, const char* value) {
        if (!value) return;
        if (!Writable(value)) {
            fprintf(stderr, "qvl: %s \"%s\" cannot stand in a manifest line\n", key, value);
            result = 1;
        }
        add("%s = %s\n", key, value);
    };
    manifest += "# Creature written by qvl extract; qvl build turns it back into a file.\n";
    add("[bicho]\nversion = %d\n", contents.version);
    add("x = %.9g\ny = %.9g\nvelocityX = %.9g\nvelocityY = %.9g\nextraA = %.9g\nextraB = %.9g\n",
        c->x, c->y, c->velocityX, c->velocityY, c->extraA, c->extraB);
    text("name", c->name);
    text("name2", c->name2);
    text("name3", c->name3);
    add("textureCount = %zu\n", contents.table.size());
    const TextureHandle pictures[2] = {c->pictureA, c->pictureB};
    for (int i = 0; i < 2; ++i) {
        if (!contents.hasPicture[i] || !pictures[i]) continue;
        const QvlTextureRecord& r = contents.pictures[i];
        std::string file = i == 0 ? "pictureA.bmp" : "pictureB.bmp";
        if (!SaveTexture(renderer, pictures[i], folder + "/" + file)) result = 1;
        add("\n[picture%c]\nfile = %s\nhandle = %d\nflag = %d\n", i == 0 ? 'A' : 'B',
            file.c_str(), r.savedHandle, r.flag);
        text("name", r.name.c_str());
    }
    for (size_t position = 0; position < contents.textures.size(); ++position) {
        const QvlTextureRecord& r = contents.textures[position];
        int handle = -1;
        for (size_t h = 0; h < contents.table.size(); ++h)
            if (contents.table[h] == static_cast<int>(position)) handle = static_cast<int>(h);
        char file[64];
        snprintf(file, sizeof file, "texture_%03zu.bmp", position);
        if (!r.created || !SaveTexture(renderer, r.created, folder + "/" + file)) {
            fprintf(stderr, "qvl: texture %zu cannot be written as a picture\n", position);
            result = 1;
        }
        add("\n[textura]\nfile = %s\nhandle = %d\nflag = %d\n", file, handle, r.flag);
        text("name", r.name.c_str());
    }
    size_t frameIndex = 0;
    for (Anima* a = c->animations; a; a = a->next) {
        manifest += "\n[anima]\n";
        text("name", a->name);
        text("kind", a->kind);
        add("values = %d %d %d\n", a->valueA, a->valueB, a->valueC);
        for (Frame* f = a->firstFrame; f; f = f->next, ++frameIndex) {
            add("\n[frame]\ntexture = %d\n",
                frameIndex < contents.frameHandles.size() ? contents.frameHandles[frameIndex] : 0);
            add("sprite = %.9g %.9g %.9g %.9g\n", f->spriteLeft, f->spriteTop, f->width,
                f->height);
            add("body = %.9g %.9g %.9g %.9g\n", f->bodyBox.left, f->bodyBox.top, f->bodyBox.right,
                f->bodyBox.bottom);
            add("hit = %.9g %.9g %.9g %.9g\n", f->hitBox.left, f->hitBox.top, f->hitBox.right,
                f->hitBox.bottom);
            add("anchor = %.9g %.9g\nhot = %.9g %.9g\nduration = %.9g\n", f->anchorX, f->anchorY,
                f->hotX, f->hotY, f->duration);
        }
    }
    FreeCreature(c);
    std::string manifestPath = folder + "/" + kManifestName;
    FILE* out = PlatformOpenFile(manifestPath.c_str(), "wb");
    if (!out || fwrite(manifest.data(), 1, manifest.size(), out) != manifest.size()) {
        fprintf(stderr, "qvl: cannot write %s\n", manifestPath.c_str());
        if (out) fclose(out);
        return 2;
    }
    fclose(out);
    return result;
}
