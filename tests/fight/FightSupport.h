#pragma once
// What the fight tests stand on: a renderer that keeps the calls the fight
// and its display make, a keyboard with scripted presses, a sound that keeps
// the music asked for, and a fight in a private working folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fight/Fight.h"
#include "fight/Fondo.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"
#include "support/testing/MusicRecordingSound.h"
#include "support/testing/NullRenderer.h"
#include "tests/TestFolder.h"

struct DrawnPart {
    float x, y, w, h, u0, v0, u1, v1;
    TextureHandle texture;
};

struct DrawnText {
    float x, y, scale, alpha;
    bool centred;
    std::string text;
};

class FightRenderer : public NullRenderer {
public:
    std::map<std::string, TextureHandle> keyed;  // path -> handle
    std::vector<DrawnPart> parts;
    std::vector<DrawnText> texts;
    std::vector<float> scales;      // every SetViewScale
    std::vector<float> blackFills;  // alpha of every full-screen black fill

    TextureHandle LoadTextureKeyed(const char* path, int, int, int) override {
        return keyed[path] = next_++;
    }
    TextureHandle LoadTexture(const char*) override { return next_++; }
    TextureHandle CreateTexture(const unsigned char*, int, int, int, const char*) override {
        return next_++;
    }
    void SetViewScale(float scale) override { scales.push_back(scale); }
    void DrawImagePart(float x, float y, float w, float h, float u0, float v0, float u1, float v1,
                       TextureHandle t, float, float, float, float) override {
        parts.push_back({x, y, w, h, u0, v0, u1, v1, t});
    }
    void FillRect(float x, float y, float w, float h, float r, float g, float b,
                  float a) override {
        if (x == 0 && y == 0 && w == 1 && h == 1 && r == 0 && g == 0 && b == 0)
            blackFills.push_back(a);
    }
    void DrawText(float x, float y, float scale, float, float, float, float a, const char* format,
                  ...) override {
        va_list args;
        va_start(args, format);
        Keep(x, y, scale, a, false, format, args);
        va_end(args);
    }
    void DrawTextCentered(float x, float y, float scale, float, float, float, float a,
                          const char* format, ...) override {
        va_list args;
        va_start(args, format);
        Keep(x, y, scale, a, true, format, args);
        va_end(args);
    }

    void Forget() {
        parts.clear();
        texts.clear();
        scales.clear();
        blackFills.clear();
    }
    bool Shows(const std::string& text) const {
        for (const DrawnText& t : texts)
            if (t.text == text) return true;
        return false;
    }
    // The first fully opaque text drawn at (x, y), or "".
    std::string TextAt(float x, float y) const {
        for (const DrawnText& t : texts)
            if (t.x == x && t.y == y && t.alpha == 1.0f) return t.text;
        return "";
    }
    std::vector<DrawnPart> PartsOf(const char* path) const {
        std::vector<DrawnPart> found;
        auto it = keyed.find(path);
        if (it == keyed.end()) return found;
        for (const DrawnPart& p : parts)
            if (p.texture == it->second) found.push_back(p);
        return found;
    }

private:
    void Keep(float x, float y, float scale, float a, bool centred, const char* format,
              va_list args) {
        char text[256];
        vsnprintf(text, sizeof text, format, args);
        texts.push_back({x, y, scale, a, centred, text});
    }
    TextureHandle next_ = 1;
};

// Escape and Enter are pressed for the next query only; the players' flags
// are fixed.
class ScriptedKeyboard : public Teclado {
public:
    std::set<int> pressed;
    InputFlags flags[2] = {0, 0};
    int inputQueries[2] = {0, 0};
    int facingAsked[2] = {0, 0};

    void Press(int which) { pressed.insert(which); }
    int Init(WindowHandle, InstanceHandle) override { return 1; }
    int Shutdown() override { return 1; }
    int Poll() override { return 1; }
    int CaptureKey(int, int) override { return 0; }
    InputFlags GetInput(int player, int facing, float) override {
        ++inputQueries[player];
        facingAsked[player] = facing;
        return flags[player];
    }
    bool TestLastInput(uint32_t) override { return false; }
    bool AnyKeyDown() override { return false; }
    bool SpecialKeyOnce(int which) override { return pressed.erase(which) > 0; }
    bool ActionOnce(int, int) override { return false; }
    const char* KeyName(int, int) override { return ""; }
};

constexpr int kEscapeKey = kSpecialEscape;
constexpr int kEnterKey = kSpecialEnter;

// A fight between two creatures that are not on disk: the fight runs with
// whatever loaded, so the tests set life and names themselves.
class FightTest : public ::testing::Test {
protected:
    TestFolder folder;
    FightRenderer renderer;
    ScriptedKeyboard keyboard;
    MusicRecordingSound sound;
    Particulas particles;
    GameSettings settings;
    GestionJuego run;
    GameState state = GameState::kFight;
    FightController fight;
    int menuReturns = 0;

    void SetUp() override {
        ASSERT_EQ(mkdir("logs", 0755), 0);
        particles.Init(&renderer);
        strcpy(settings.musicMenu, "musica\\menu.ogg");
        settings.player1Name = strdup("Bichos\\uno\\uno.qvl");
        settings.player2Name = strdup("Bichos\\dos\\dos.qvl");
        fight.context = {&renderer, &keyboard, &sound, &particles, &settings,
                         &run,      &state,    {[](void* user) { ++*static_cast<int*>(user); }, &menuReturns}};
    }
    void TearDown() override {
        FreeFight(fight);
        particles.Shutdown();
        free(settings.player1Name);
        free(settings.player2Name);
    }
    void Load() {
        LoadFight(fight);
        ASSERT_TRUE(FightLoaded(fight));
    }
    Bicho& F(int index) { return *fight.fighters[index]; }
    void SetLives(float l0, float l1) {
        F(0).SetLife(l0);
        F(1).SetLife(l1);
    }
    void Frame(float dt = 0.02f) { FightFrame(fight, dt); }
    // Frames of a second until the round-end sequence is done or the fight
    // has gone; answers the phases seen, in order, without repeats.
    std::vector<int> PlayOutRoundEnd() {
        std::vector<int> phases = {fight.state.phase};
        for (int i = 0; i < 40 && FightLoaded(fight) && fight.state.roundOver; ++i) {
            Frame(1.0f);
            if (fight.state.roundOver && phases.back() != fight.state.phase)
                phases.push_back(fight.state.phase);
        }
        return phases;
    }
    // Fighter `loser` falls; the round is decided in this frame.
    void KnockOut(int loser) {
        F(loser).SetLife(0.0f);
        Frame();
        ASSERT_TRUE(fight.state.roundOver);
    }
};
