#include "tests/gamedata/GameData.h"

#include <sys/wait.h>

#include <cstdio>

#include "base/ConfigFile.h"
#include "sdk/Bicho.h"
#include "creature/QvlRead.h"
#include "base/Files.h"
#include "base/Plugin.h"
#include "sdk/Renderer.h"

const char* const kFighterFiles[3] = {"Bichos\\rana.qvl", "Bichos\\brocanto.qvl",
                                      "Bichos\\truvaldino.qvl"};
const char* const kActorFiles[2] = {"Bichos\\mosca.qvl", "Bichos\\flor.qvl"};

std::string GameFile(const std::string& gamePath) {
    std::string path = std::string(CORRALON_GAME_DIR) + "/" + gamePath;
    for (char& c : path)
        if (c == '\\') c = '/';
    return PlatformResolvePath(path.c_str());
}

Renderer* HeadlessRenderer() {
    static Renderer* renderer = [] {
        std::string path = std::string(CORRALON_GAME_DIR) + "/Headless.dll";
        return LoadPlugin<Renderer>(path.c_str(), "CreateRendererInstance").object;
    }();
    return renderer;
}

Bicho* ReadCreatureFile(const std::string& path) {
    Bicho* c = CreateBicho();
    c->Init(nullptr, HeadlessRenderer(), nullptr, nullptr, nullptr, nullptr);
    if (ReadQvl(*c, path.c_str(), QvlMode::kWhole, nullptr) < 0) {
        FreeCreature(c);
        return nullptr;
    }
    return c;
}

void FreeCreature(Bicho* creature) {
    creature->Release();
    DestroyBicho(creature);
}

bool ReadEntries(const std::string& path, std::vector<TextEntry>* entries) {
    ConfigFile file;
    if (file.Open(path.c_str()) != ConfigResult::kOk) return false;
    std::string section;
    TokenKind kind;
    char* text = nullptr;
    char* value = nullptr;
    while (file.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
        if (kind == TokenKind::kSection) section = text;
        else if (kind == TokenKind::kEntry) entries->push_back({section, text, value ? value : ""});
        delete[] text;
    }
    return true;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

int RunCommand(const std::string& command, std::string* output) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output->append(buffer, n);
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
