#include "tests/creature/TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "base/Plugin.h"

namespace {

// Each test process works in a folder of its own, so tests run in parallel
// never write the same creature file; the test behaviour library sits
// beside the files as the game expects, and the log has its folder.
class PrivateFolder : public ::testing::Environment {
public:
    void SetUp() override {
        char pattern[] = "/tmp/corralon-creature-XXXXXX";
        if (!mkdtemp(pattern)) return;
        folder_ = pattern;
        if (symlink(CORRALON_TEST_BIN_DIR "/prueba.so", (folder_ + "/prueba.so").c_str()) != 0 ||
            chdir(folder_.c_str()) != 0 || mkdir("logs", 0755) != 0)
            ADD_FAILURE() << "cannot prepare " << folder_;
    }
    void TearDown() override {
        if (folder_.empty()) return;
        if (chdir(CORRALON_TEST_BIN_DIR) != 0) return;
        std::string command = "rm -rf '" + folder_ + "'";
        if (system(command.c_str()) != 0) ADD_FAILURE() << "cannot remove " << folder_;
    }

private:
    std::string folder_;
};

const ::testing::Environment* const privateFolder =
    ::testing::AddGlobalTestEnvironment(new PrivateFolder);

struct Headless {
    Renderer* renderer = nullptr;
    const char* (*callLog)() = nullptr;
    void (*clearLog)() = nullptr;
};

Headless& Load() {
    static Headless headless = [] {
        Headless h;
        auto plugin = LoadPlugin<Renderer>(CORRALON_GAME_DIR "/Headless.dll", "CreateRendererInstance");
        if (!plugin.object) return h;
        h.callLog = reinterpret_cast<const char* (*)()>(PlatformGetSymbol(plugin.library, "HeadlessCallLog"));
        h.clearLog = reinterpret_cast<void (*)()>(PlatformGetSymbol(plugin.library, "HeadlessClearCallLog"));
        h.renderer = plugin.object;
        return h;
    }();
    return headless;
}

}  // namespace

Renderer* TestRenderer() {
    Renderer* renderer = Load().renderer;
    if (!renderer) ADD_FAILURE() << "Headless renderer not loadable: " << PlatformLibraryError();
    return renderer;
}

std::string RendererCalls() { return Load().callLog ? Load().callLog() : ""; }
void ClearRendererCalls() {
    if (Load().clearLog) Load().clearLog();
}

TextureHandle MakeTexture(int w, int h, int bpp, int seed, const char* name) {
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * bpp);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>((i * 7 + seed * 31 + (i / 5) * seed) & 0xff);
    return TestRenderer()->CreateTexture(pixels.data(), w, h, bpp, name);
}

std::vector<unsigned char> TexturePixels(TextureHandle texture) {
    int w = 0, h = 0, bpp = 0, flag = 0;
    const char* name = nullptr;
    TestRenderer()->GetTextureInfo(texture, &h, &w, &bpp, &name, &flag);
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * bpp);
    if (!pixels.empty()) TestRenderer()->GetTextureData(texture, pixels.data());
    return pixels;
}

Bicho* NewCreature() {
    Bicho* creature = CreateBicho();
    creature->Init(nullptr, TestRenderer(), nullptr, nullptr, nullptr, nullptr);
    return creature;
}

void FreeCreature(Bicho* creature) {
    creature->Release();
    DestroyBicho(creature);
}

void AddTestAnimation(Bicho* creature, const char* name, const char* kind, int frames,
                      TextureHandle shared, int size) {
    static int seed = 1;
    ASSERT_EQ(0, creature->AddAnimation(3, -4, 5, kind, name));
    for (int i = 0; i < frames; ++i) {
        TextureHandle texture = shared ? shared : MakeTexture(size, size, 4, seed++);
        float k = static_cast<float>(i);
        ASSERT_EQ(0, creature->AddFrame(0.15f + k, 0.3f, static_cast<int>(texture), 0, 0, 0.3f,
                                        0.3f, 0.04f, 0.015f + k, 0.28f, 0.295f, 0.1f, 0.05f,
                                        0.25f, 0.2f, 0.11f * k, 0.07f, 0.05f + 0.01f * k));
    }
}

std::string NewLogText() {
    static size_t seen = 0;
    std::string text = ReadFileBytes("logs/log.txt");
    if (text.size() < seen) seen = 0;
    std::string fresh = text.substr(seen);
    seen = text.size();
    return fresh;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void PutInt(std::string& out, int value) {
    uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

void PutFloat(std::string& out, float value) {
    int bits;
    memcpy(&bits, &value, 4);
    PutInt(out, bits);
}

void PutString(std::string& out, const char* text) {
    if (!text) {
        PutInt(out, 0);
        return;
    }
    PutInt(out, static_cast<int>(strlen(text) + 1));
    out.append(text, strlen(text) + 1);
}
