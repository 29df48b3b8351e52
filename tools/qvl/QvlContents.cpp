#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "sdk/Bicho.h"
#include "base/Files.h"
#include "base/Plugin.h"
#include "tools/qvl/QvlTool.h"

void QvlContents::Problem(const char* text) {
    std::string line(text);
    size_t start = line.find_first_not_of(' ');
    while (!line.empty() && line.back() == '\n') line.pop_back();
    problems.push_back(start == std::string::npos ? line : line.substr(start));
}

void QvlContents::Picture(int which, const QvlTextureRecord& record) {
    if (which < 0 || which > 1) return;
    hasPicture[which] = true;
    pictures[which] = record;
}

void QvlContents::Texture(int position, const QvlTextureRecord& record) {
    if (position < 0) return;
    if (textures.size() <= static_cast<size_t>(position)) textures.resize(position + 1);
    textures[position] = record;
}

Renderer* LoadHeadless() {
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string folder = ".";
    if (n > 0) {
        self[n] = '\0';
        folder = self;
        folder = folder.substr(0, folder.rfind('/'));
    }
    std::string path = folder + "/Headless.dll";
    Renderer* renderer = LoadPlugin<Renderer>(path.c_str(), "CreateRendererInstance").object;
    if (!renderer) fprintf(stderr, "qvl: cannot load the headless renderer %s\n", path.c_str());
    return renderer;
}

bool ReadCreature(Renderer* renderer, const char* path, Bicho** creature, QvlContents& contents) {
    Bicho* c = CreateBicho();
    c->Init(nullptr, renderer, nullptr, nullptr, nullptr, nullptr);
    if (ReadQvl(*c, path, QvlMode::kWhole, &contents) < 0) {
        FreeCreature(c);
        return false;
    }
    *creature = c;
    return true;
}

std::string OpenFailure(const char* path) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return PlatformErrorText(errno);
    fclose(file);
    return "not readable";
}

void FreeCreature(Bicho* creature) {
    creature->Release();
    DestroyBicho(creature);
}
