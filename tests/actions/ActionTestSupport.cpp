#include "tests/actions/ActionTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "base/Plugin.h"

std::vector<TestAnimation> FrogAnimations() {
    return {
        {"ANI_BASE1", 2, 0.1f},
        {"ANI_RIGHT", 2, 0.1f},
        {"ANI_DOWN", 3, 0.05f},
        {"ANI_PUNCH1", 3, 0.05f, "acciones"},
        {"ANI_PUNCH1_OUCH", 2, 0.1f},
        {"ANI_COMBO1", 3, 0.1f, "acciones"},
        {"ANI_LOSEFULL", 3, 0.1f},
    };
}

Renderer* HeadlessRenderer() {
    static Renderer* renderer = [] {
        return LoadPlugin<Renderer>(CORRALON_GAME_DIR "/Headless.so", "CreateRendererInstance").object;
    }();
    if (!renderer) ADD_FAILURE() << "headless renderer not loadable: " << PlatformLibraryError();
    return renderer;
}

void WriteCreature(const std::string& path, const std::vector<TestAnimation>& animations,
                   const char* name) {
    Renderer* renderer = HeadlessRenderer();
    ASSERT_NE(nullptr, renderer);
    Bicho* b = CreateBicho();
    b->Init(nullptr, renderer, nullptr, nullptr, nullptr, nullptr);
    b->SetName(name);
    unsigned char pixels[4 * 4 * 4] = {};
    int serial = 0;
    for (const TestAnimation& a : animations) {
        ASSERT_EQ(0, b->AddAnimation(0, 0, 0, a.kind, a.name));
        for (int f = 0; f < a.frames; ++f) {
            pixels[0] = static_cast<unsigned char>(++serial);
            TextureHandle t = renderer->CreateTexture(pixels, 4, 4, 4, a.name);
            // Anchor at the feet; hot spot in the chest.
            ASSERT_EQ(0, b->AddFrame(0.15f, 0.3f, static_cast<int>(t), 0, 0, 0.3f, 0.3f,
                                     0.15f - kBodyHalfWidth, 0.0f, 0.15f + kBodyHalfWidth, 0.3f,
                                     0.2f, 0.1f, 0.35f, 0.2f, 0.15f, 0.1f, a.duration));
        }
    }
    ASSERT_EQ(0, b->Save(path.c_str()));
    b->Release();
    DestroyBicho(b);
}

void InstallBehaviour(const std::string& gameRelative, const std::string& as) {
    std::ifstream in(std::string(CORRALON_GAME_DIR) + "/" + gameRelative, std::ios::binary);
    ASSERT_TRUE(in.good()) << gameRelative << " is not in the game folder";
    std::ofstream out(as, std::ios::binary);
    out << in.rdbuf();
}

int RecordingSonido::LoadSample(const char* path) {
    calls.push_back(std::string("LoadSample ") + path);
    return nextIndex++;
}

int RecordingSonido::FreeSample(int index) {
    calls.push_back("FreeSample " + std::to_string(index));
    return 1;
}

int RecordingSonido::PlaySample(int index) {
    calls.push_back("PlaySample " + std::to_string(index));
    return 1;
}

int RecordingSonido::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

Arena::Arena() {
    mkdir("logs", 0755);
    particles.Init(HeadlessRenderer());
}

Arena::~Arena() {
    while (!creatures_.empty()) Release(creatures_.back());
    particles.Shutdown();
}

Bicho* Arena::Load(const std::string& path, float x, Sonido* sound) {
    Bicho* b = CreateBicho();
    b->Init(nullptr, HeadlessRenderer(), &particles, sound, &settings, nullptr);
    EXPECT_EQ(0, b->Load(path.c_str())) << path;
    b->SetArenaSize(3.0f, 1.0f);
    b->SetGround(0.9f);
    b->SetX(x);
    b->SetY(0.9f);
    b->SetMaxLife(10.0f);
    b->SetLife(10.0f);
    creatures_.push_back(b);
    return b;
}

void Arena::Release(Bicho* creature) {
    auto at = std::find(creatures_.begin(), creatures_.end(), creature);
    if (at == creatures_.end()) return;
    creatures_.erase(at);
    creature->Release();
    DestroyBicho(creature);
}

void UpdateFrames(Bicho* creature, int flags, float dt, int frames) {
    for (int i = 0; i < frames; ++i) creature->Update(flags, dt);
}

std::string Current(Bicho* creature) {
    const Anima* a = creature->GetCurrentAnimation();
    return a && a->name ? a->name : "";
}
