#include "app/RunFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "sdk/Sonido.h"
#include "platform/SonidoNulo.h"
#include "input/Teclado.h"
#include "support/testing/IdleKeyboard.h"
#include "support/testing/RecordingRenderer.h"

namespace {

// The frame-level calls as lines: "SetOverlayMode 0 0", "Present", and
// texts with their place, scale and colour.
std::vector<std::string> Lines(const RecordingRenderer& r) {
    std::vector<std::string> out;
    for (const RendererCall& c : r.calls) {
        char line[400];
        if (c.op == "DrawTextCentered")
            snprintf(line, sizeof line, "DrawTextCentered %.2f %.2f %.2f %.0f %.0f %.0f %.0f %s", c.x(),
                     c.y(), c.w(), c.args[3], c.args[4], c.args[5], c.args[6], c.text.c_str());
        else if (c.op == "SetOverlayMode")
            snprintf(line, sizeof line, "SetOverlayMode %.0f %.0f", c.x(), c.y());
        else
            snprintf(line, sizeof line, "%s", c.op.c_str());
        out.push_back(line);
    }
    return out;
}

// Everything a frame touches, with the clock and the screens under the
// test's control.
struct World {
    static World* current;

    int64_t counter = 0;
    uint32_t ticks = 0;
    std::vector<std::string> log;
    std::vector<float> dts;
    GameState nextStateFromMenu = GameState::kMenu;

    GameSettings settings;
    GameState state = GameState::kIntro;
    RecordingRenderer renderer;

    class CountingKeyboard : public IdleKeyboard {
    public:
        int polls = 0;
        int Poll() override {
            ++polls;
            World::current->log.push_back("Poll");
            return 1;
        }
    } keyboard;
    class RecordingSound : public SonidoNulo {
    public:
        int Update(float slow) override {
            World::current->log.push_back("Update " + std::to_string(slow));
            return 1;
        }
    } sound;

    static bool Frequency(int64_t* f) {
        *f = 1000000;
        return true;
    }
    static bool Counter(int64_t* c) {
        *c = current->counter;
        return true;
    }
    static uint32_t Ticks() { return current->ticks; }
    static void Title(const char* title) { current->log.push_back(std::string("Title ") + title); }
    static void MenuFrame(GameState* state, float dt) {
        current->log.push_back("Menu");
        current->dts.push_back(dt);
        *state = current->nextStateFromMenu;
    }
    static void FightFrame(float dt) {
        current->log.push_back("Fight");
        current->dts.push_back(dt);
    }
    static void IntroFrame(GameState* state, float dt) {
        current->log.push_back("Intro");
        current->dts.push_back(dt);
        *state = GameState::kMenu;
    }
    static void CreditsFrame(GameState*, float dt) {
        current->log.push_back("Credits");
        current->dts.push_back(dt);
    }

    const CounterSource source = {Frequency, Counter, Ticks};
    FrameTimer timer{source};
    FrameRateDisplay display;
    FrameContext context{&timer,     &settings,  &state,     &renderer,    &keyboard,
                         &sound,     MenuFrame,  FightFrame, IntroFrame,   CreditsFrame,
                         Ticks,      Title,      nullptr};

    World() {
        current = this;
        timer.Update();
    }
    // One frame of `seconds` measured time, `ms` milliseconds of up-time later.
    void Frame(double seconds, uint32_t ms = 10) {
        counter += static_cast<int64_t>(seconds * 1000000.0 + 0.5);
        ticks += ms;
        RunFrameWith(context, &display);
    }
};
World* World::current = nullptr;

TEST(RunFrame, OrderOfOneFrame) {
    World w;
    w.state = GameState::kFight;
    w.Frame(0.02);
    ASSERT_EQ(w.log.size(), 3u);
    EXPECT_EQ(w.log[0].rfind("Update ", 0), 0u);
    EXPECT_EQ(w.log[1], "Poll");
    EXPECT_EQ(w.log[2], "Fight");
    EXPECT_EQ(Lines(w.renderer), (std::vector<std::string>{"SetOverlayMode 0 0", "Present"}));
}

TEST(RunFrame, DispatchTakesEffectOnTheNextFrame) {
    World w;
    w.state = GameState::kIntro;
    w.Frame(0.01);
    EXPECT_EQ(w.state, GameState::kMenu);
    w.nextStateFromMenu = GameState::kCredits;
    w.Frame(0.01);
    EXPECT_EQ(w.state, GameState::kCredits);
    w.Frame(0.01);
    w.state = GameState::kFight;
    w.Frame(0.01);
    std::vector<std::string> screens;
    for (const std::string& entry : w.log)
        if (entry == "Intro" || entry == "Menu" || entry == "Fight" || entry == "Credits")
            screens.push_back(entry);
    EXPECT_EQ(screens, (std::vector<std::string>{"Intro", "Menu", "Credits", "Fight"}));
}

TEST(RunFrame, ClosingAndUnknownStatesStillPollUpdateAndPresent) {
    for (int32_t value : {static_cast<int32_t>(GameState::kClosing), 0, 6, -1}) {
        const GameState state = static_cast<GameState>(value);
        World w;
        w.settings.debugInfo = 1;
        w.state = state;
        w.Frame(0.01);
        EXPECT_TRUE(w.dts.empty()) << value;
        EXPECT_EQ(w.keyboard.polls, 1) << value;
        EXPECT_EQ(w.log.front().rfind("Update ", 0), 0u) << value;
        EXPECT_EQ(w.renderer.calls.back().op, "Present") << value;
        EXPECT_EQ(w.renderer.calls.size(), 5u) << value;
    }
}

TEST(RunFrame, SlowMotionQuartersDtButCountsDownInRealTime) {
    World w;
    w.state = GameState::kFight;
    w.settings.slowMotionTime = 0.05f;
    w.Frame(0.02);
    w.Frame(0.02);
    w.Frame(0.02);  // crosses zero: still slow
    w.Frame(0.02);
    ASSERT_EQ(w.dts.size(), 4u);
    EXPECT_FLOAT_EQ(w.dts[0], 0.005f);
    EXPECT_FLOAT_EQ(w.dts[1], 0.005f);
    EXPECT_FLOAT_EQ(w.dts[2], 0.005f);
    EXPECT_FLOAT_EQ(w.dts[3], 0.02f);
    EXPECT_NEAR(w.settings.slowMotionTime, -0.01f, 1e-6);
    // The sound hears the time left after this frame's countdown.
    EXPECT_EQ(w.log[0], "Update " + std::to_string(0.05f - 0.02f));
}

TEST(RunFrame, FreezeCountsDownWithoutChangingDt) {
    World w;
    w.state = GameState::kFight;
    w.settings.freezeTime = 0.03f;
    w.Frame(0.02);
    w.Frame(0.02);
    w.Frame(0.02);
    EXPECT_FLOAT_EQ(w.dts[0], 0.02f);
    EXPECT_FLOAT_EQ(w.dts[2], 0.02f);
    EXPECT_NEAR(w.settings.freezeTime, -0.01f, 1e-6);  // not clamped, stops below zero
}

TEST(RunFrame, TitleAboutOnceASecondWithThatFramesRate) {
    World w;
    w.state = GameState::kClosing;
    w.ticks = 5000;
    w.Frame(0.02, 0);  // 5.0 s of up-time, last update at 0: title now
    w.Frame(0.01, 500);
    w.Frame(0.01, 400);
    w.Frame(0.04, 200);  // 6.1 s: next title, at this frame's 25 fps
    std::vector<std::string> titles;
    for (const std::string& entry : w.log)
        if (entry.rfind("Title ", 0) == 0) titles.push_back(entry);
    EXPECT_EQ(titles, (std::vector<std::string>{"Title Brocanto OGL; FPS:50.00",
                                                "Title Brocanto OGL; FPS:25.00"}));
    EXPECT_FLOAT_EQ(w.display.frameRateShown, 25.0f);
}

TEST(RunFrame, OverlayShowsTheSameNumberForASecond) {
    World w;
    w.state = GameState::kClosing;
    w.settings.debugInfo = 1;
    w.ticks = 2000;
    w.Frame(0.02, 0);
    w.Frame(0.01, 100);
    std::vector<std::string> texts;
    const std::vector<std::string> lines = Lines(w.renderer);
    for (const std::string& call : lines)
        if (call.rfind("DrawTextCentered", 0) == 0) texts.push_back(call);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "DrawTextCentered 0.50 0.00 1.00 1 1 1 1 FPS:50.00",
                         "DrawTextCentered 0.50 0.00 1.00 1 1 1 1 FPS:50.00"}));
    std::vector<std::string> first(lines.begin(), lines.begin() + 5);
    EXPECT_EQ(first, (std::vector<std::string>{"SetOverlayMode 1 1", "QueryView",
                                               "DrawTextCentered 0.50 0.00 1.00 1 1 1 1 FPS:50.00",
                                               "SetOverlayMode 0 0", "Present"}));
}

TEST(RunFrame, NoSoundObjectIsSkipped) {
    World w;
    w.context.sound = nullptr;
    w.state = GameState::kMenu;
    w.Frame(0.01);
    EXPECT_EQ(w.log.front(), "Poll");
}

TEST(RunFrame, ZeroDeltaGivesInfiniteRateWithoutTrouble) {
    World w;
    w.state = GameState::kMenu;
    w.Frame(0.0);
    EXPECT_TRUE(std::isinf(w.display.frameRate));
    EXPECT_EQ(w.dts.back(), 0.0f);
}

TEST(RunFrame, FrameTimeHookReplacesTheMeasuredTime) {
    World w;
    w.state = GameState::kFight;
    w.context.frameTime = [](double) { return 0.125; };
    w.Frame(0.01);
    EXPECT_FLOAT_EQ(w.dts.back(), 0.125f);
    EXPECT_EQ(w.timer.delta, 0.125);
}

}  // namespace
