#pragma once
// What the behaviour tests share: creature files written with Bicho::Save,
// the behaviour libraries copied beside them, creatures loaded through the
// real loader, and a sound object that writes down what it is asked.
#include <string>
#include <vector>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "effects/Particulas.h"
#include "sdk/Renderer.h"
#include "sdk/Sonido.h"
#include "tests/TestFolder.h"

// Body box of every test frame: 0.1 either side of the creature's x, 0.3
// high. The hit box of "acciones" frames reaches from 0.05 to 0.2 in front.
constexpr float kBodyHalfWidth = 0.1f;

struct TestAnimation {
    const char* name;
    int frames;
    float duration;  // of each frame
    const char* kind = "";
};

// The animations a frog plays (frame counts and durations the tests rely on).
std::vector<TestAnimation> FrogAnimations();

Renderer* HeadlessRenderer();

// Writes a creature file of these animations, named `name`.
void WriteCreature(const std::string& path, const std::vector<TestAnimation>& animations,
                   const char* name = "PRUEBA");

// Copies a library of the game folder ("Bichos/rana.so") into the working
// folder as `as` ("rana.so"). A copy, not a link: each test gets a fresh
// library with a fresh random generator.
void InstallBehaviour(const std::string& gameRelative, const std::string& as);

struct RecordingSonido : Sonido {
    std::vector<std::string> calls;
    int nextIndex = 7;
    int Init(WindowHandle, InstanceHandle) override { return 1; }
    int Shutdown() override { return 1; }
    int LoadSample(const char* path) override;
    int FreeSample(int index) override;
    int PlayMusic(const char*) override { return 1; }
    int StopMusic() override { return 1; }
    int PlaySample(int index) override;
    int StartMusic() override { return 1; }
    int Update(float) override { return 1; }
    int Count(const std::string& call) const;
};

// One test's world: its folder, settings, a real particle system and the
// creatures it loads (released at the end).
class Arena {
public:
    Arena();
    ~Arena();
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // Loads a creature through Bicho::Load on a 3-unit-wide floor at 0.9,
    // 10 lives, standing at x.
    Bicho* Load(const std::string& path, float x, Sonido* sound = nullptr);
    void Release(Bicho* creature);

    GameSettings settings;
    Particulas particles;

private:
    TestFolder folder_;
    std::vector<Bicho*> creatures_;
};

// Runs UpdateFight through Bicho::Update `frames` times.
void UpdateFrames(Bicho* creature, int flags, float dt, int frames);

std::string Current(Bicho* creature);
