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
#include "support/testing/RecordingRenderer.h"
#include "tests/TestFolder.h"

// What the fight display drew with the picture loaded from `path`.
inline std::vector<RendererCall> PartsOf(const RecordingRenderer& r, const char* path) {
    std::vector<RendererCall> out;
    for (const RendererCall& c : r.Named("DrawImagePart"))
        if (c.texture == r.Handle(path)) out.push_back(c);
    return out;
}

// Every view scale set, in order.
inline std::vector<float> ViewScales(const RecordingRenderer& r) {
    std::vector<float> out;
    for (const RendererCall& c : r.Named("SetViewScale")) out.push_back(c.x());
    return out;
}

// The alpha of every full-screen black fill (the fades).
inline std::vector<float> BlackFills(const RecordingRenderer& r) {
    std::vector<float> out;
    for (const RendererCall& c : r.Named("FillRect"))
        if (c.x() == 0 && c.y() == 0 && c.w() == 1 && c.h() == 1 && c.args[4] == 0 &&
            c.args[5] == 0 && c.args[6] == 0)
            out.push_back(c.alpha());
    return out;
}

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
    RecordingRenderer renderer;
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
