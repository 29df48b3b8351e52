#pragma once
// What the menu tests stand on: a renderer that keeps every call the menus
// make, a keyboard whose presses are scripted per frame, a sound that keeps
// the music asked for, and a menu in a private working folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/MenuController.h"
#include "sdk/GameSettings.h"
#include "support/testing/MusicRecordingSound.h"
#include "support/testing/RecordingRenderer.h"
#include "tests/TestFolder.h"

// What the menus drew since the last Forget, in order: pictures, frames,
// fills, texts and overlay changes, without the loads and releases.
inline std::vector<RendererCall> Drawn(const RecordingRenderer& r) {
    std::vector<RendererCall> out;
    for (const RendererCall& c : r.calls)
        if (c.op == "SetOverlayMode" || c.op == "DrawImage" || c.op == "DrawImagePart" ||
            c.op == "DrawFrame" || c.op == "FillRect" || c.IsText())
            out.push_back(c);
    return out;
}

// Presses are set for the next frame and answer once each, like the real
// keyboard's once-per-press queries.
class MenuKeyboard : public Teclado {
public:
    std::set<std::pair<int, int>> actions;  // (player, bit)
    std::set<int> specials;
    bool anyDown = false;
    std::vector<int> captureAnswers;  // answered in turn, then 0
    std::vector<std::pair<int, int>> captures;  // (player, bit) asked
    std::map<std::pair<int, int>, std::string> names;

    void Press(int player, int bit) { actions.insert({player, bit}); }
    void PressSpecial(int which) { specials.insert(which); }

    int Init(WindowHandle, InstanceHandle) override { return 1; }
    int Shutdown() override { return 1; }
    int Poll() override { return 1; }
    int CaptureKey(int player, int bit) override {
        captures.push_back({player, bit});
        if (captureAnswers.empty()) return 0;
        const int answer = captureAnswers.front();
        captureAnswers.erase(captureAnswers.begin());
        return answer;
    }
    InputFlags GetInput(int, int, float) override { return 0; }
    bool TestLastInput(uint32_t) override { return false; }
    bool AnyKeyDown() override { return anyDown; }
    bool SpecialKeyOnce(int which) override { return specials.erase(which) > 0; }
    bool ActionOnce(int player, int bit) override { return actions.erase({player, bit}) > 0; }
    const char* KeyName(int player, int bit) override {
        auto it = names.find({player, bit});
        if (it != names.end()) return it->second.c_str();
        snprintf(name_, sizeof name_, "K%d_%X", player, bit);
        return name_;
    }

private:
    char name_[32];
};

// A menu after Init in a private folder with a logs folder.
class MenuTest : public ::testing::Test {
protected:
    TestFolder folder;
    RecordingRenderer renderer;
    MenuKeyboard keyboard;
    MusicRecordingSound sound;
    Particulas particles;
    GameSettings settings;
    GestionJuego ladder;
    GameState state = GameState::kMenu;
    int fightsStarted = 0;
    MenuController* menu = nullptr;

    static MenuTest*& Running() {
        static MenuTest* running = nullptr;
        return running;
    }
    static void StartFight() { ++Running()->fightsStarted; }

    void SetUp() override {
        Running() = this;
        ASSERT_EQ(mkdir("logs", 0755), 0);
        particles.Init(&renderer);
        strcpy(settings.musicMenu, "menu.ogg");
        strcpy(settings.musicCredits, "creditos.ogg");
        strcpy(settings.musicSelected, "seleccionados.ogg");
        menu = new MenuController(&settings, &ladder);
        menu->Init(nullptr, &particles, &keyboard, &renderer, &sound);
    }
    void TearDown() override {
        menu->Release();
        delete menu;
        particles.Shutdown();
        free(settings.player1Name);
        free(settings.player2Name);
        Running() = nullptr;
    }
    // One menu frame with what was pressed for it.
    void Frame(float dt = 0.02f) {
        renderer.Forget();
        menu->Frame(StartFight, &state, dt);
    }
    void Tap(int player, int bit, float dt = 0.02f) {
        keyboard.Press(player, bit);
        Frame(dt);
    }
    void TapSpecial(int which, float dt = 0.02f) {
        keyboard.PressSpecial(which);
        Frame(dt);
    }
    std::string Current() const { return menu->tree.current->label; }
};
