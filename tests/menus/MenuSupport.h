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
#include "support/testing/NullRenderer.h"
#include "tests/TestFolder.h"

struct MenuDrawCall {
    std::string op;  // "image", "part", "text", "ctext", "frame", "fill", "overlay"
    float x, y, w, h;  // text: w is the scale; overlay: x, y are the two values
    float r, g, b, a;
    TextureHandle texture;
    float u0, v0, u1, v1;
    std::string text;
};

class MenuRenderer : public NullRenderer {
public:
    std::vector<MenuDrawCall> calls;
    std::map<std::string, TextureHandle> loaded;  // path -> last handle
    std::vector<std::string> loadOrder;
    std::vector<TextureHandle> released;
    int presents = 0;
    TextureHandle font = 0;
    int fontReleases = 0;

    TextureHandle LoadTexture(const char* path) override { return Load(path); }
    TextureHandle LoadTextureKeyed(const char* path, int, int, int) override { return Load(path); }
    void ReleaseTexture(TextureHandle t) override { released.push_back(t); }
    void Present() override { ++presents; }
    void SetFontTexture(TextureHandle t) override { font = t; }
    void ReleaseFont() override { ++fontReleases; }
    void SetOverlayMode(int a, int b) override {
        calls.push_back({"overlay", float(a), float(b), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ""});
    }
    void DrawImage(float x, float y, float w, float h, TextureHandle t, float r, float g, float b,
                   float a) override {
        calls.push_back({"image", x, y, w, h, r, g, b, a, t, 0, 0, 1, 1, ""});
    }
    void DrawImagePart(float x, float y, float w, float h, float u0, float v0, float u1, float v1,
                       TextureHandle t, float r, float g, float b, float a) override {
        calls.push_back({"part", x, y, w, h, r, g, b, a, t, u0, v0, u1, v1, ""});
    }
    void DrawFrame(float x, float y, float w, float h, float r, float g, float b,
                   float a) override {
        calls.push_back({"frame", x, y, w, h, r, g, b, a, 0, 0, 0, 0, 0, ""});
    }
    void FillRect(float x, float y, float w, float h, float r, float g, float b,
                  float a) override {
        calls.push_back({"fill", x, y, w, h, r, g, b, a, 0, 0, 0, 0, 0, ""});
    }
    void DrawText(float x, float y, float s, float r, float g, float b, float a, const char* f,
                  ...) override {
        va_list args;
        va_start(args, f);
        Text("text", x, y, s, r, g, b, a, f, args);
        va_end(args);
    }
    void DrawTextCentered(float x, float y, float s, float r, float g, float b, float a,
                          const char* f, ...) override {
        va_list args;
        va_start(args, f);
        Text("ctext", x, y, s, r, g, b, a, f, args);
        va_end(args);
    }

    void Forget() { calls.clear(); }
    // Every text drawn since the last Forget, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const MenuDrawCall& c : calls)
            if (c.op == "text" || c.op == "ctext") out.push_back(c.text);
        return out;
    }
    const MenuDrawCall* FindText(const std::string& text) const {
        for (const MenuDrawCall& c : calls)
            if ((c.op == "text" || c.op == "ctext") && c.text == text) return &c;
        return nullptr;
    }
    bool Shows(const std::string& text) const { return FindText(text) != nullptr; }
    std::vector<MenuDrawCall> ImagesOf(const std::string& path) const {
        std::vector<MenuDrawCall> out;
        auto it = loaded.find(path);
        if (it == loaded.end()) return out;
        for (const MenuDrawCall& c : calls)
            if ((c.op == "image" || c.op == "part") && c.texture == it->second) out.push_back(c);
        return out;
    }
    TextureHandle Handle(const std::string& path) const {
        auto it = loaded.find(path);
        return it == loaded.end() ? 0 : it->second;
    }
    bool Released(const std::string& path) const {
        const TextureHandle t = Handle(path);
        for (TextureHandle r : released)
            if (t && r == t) return true;
        return false;
    }

private:
    TextureHandle Load(const char* path) {
        loadOrder.push_back(path);
        return loaded[path] = next_++;
    }
    void Text(const char* op, float x, float y, float s, float r, float g, float b, float a,
              const char* format, va_list args) {
        char text[512];
        vsnprintf(text, sizeof text, format, args);
        calls.push_back({op, x, y, s, 0, r, g, b, a, 0, 0, 0, 0, 0, text});
    }
    TextureHandle next_ = 1;
};

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
    MenuRenderer renderer;
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
