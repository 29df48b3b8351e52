// The viewer's sparring loop without a window: the headless renderer, a
// keyboard fed by a script, two frogs loaded from their files.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "platform/KeyboardSource.h"
#include "input/TecladoDI.h"
#include "tests/actions/ActionTestSupport.h"
#include "tools/viewer/Sparring.h"

namespace {

const float kDt = 1.0f / 60.0f;
// Player 1's default keys.
const int kRightKey = 0xCD;
const int kPunchKey = 0xD2;

class ScriptedKeys : public KeyboardSource {
public:
    explicit ScriptedKeys(std::function<void(long, uint8_t*)> script) : script_(script) {}
    bool Read(uint8_t state[kKeyStateSize]) override {
        script_(frame_++, state);
        return true;
    }

private:
    std::function<void(long, uint8_t*)> script_;
    long frame_ = 0;
};

// Walks at the computer's frog and punches every other frame.
void Attack(long frame, uint8_t* state) { state[frame % 2 ? kPunchKey : kRightKey] = kKeyDown; }

class SparringLoop : public ::testing::Test {
protected:
    void SetUp() override {
        InstallBehaviour("Bichos/rana.so", "rana.so");
        WriteCreature("rana.qvl", FrogAnimations(), "RANA");
        keyboard = new TecladoDI(new ScriptedKeys(Attack));
        ASSERT_EQ(1, keyboard->Init(nullptr, nullptr));
        sparring = new Sparring(HeadlessRenderer(), &arena.particles, &arena.settings, keyboard,
                                nullptr);
        ASSERT_TRUE(sparring->Load("rana.qvl", "rana.qvl"));
    }
    void TearDown() override {
        delete sparring;
        delete keyboard;
    }

    Arena arena;
    TecladoDI* keyboard = nullptr;
    Sparring* sparring = nullptr;
};

TEST_F(SparringLoop, ThePlayersPunchesLandAndTheComputerHitsBack) {
    Bicho* player = sparring->Fighter(0);
    Bicho* computer = sparring->Fighter(1);
    EXPECT_FLOAT_EQ(10.0f, computer->GetLife());
    EXPECT_EQ(-1, computer->GetFacing());
    float lowest[2] = {10.0f, 10.0f};
    bool bled = false;
    for (int i = 0; i < 60 * 20 && !sparring->Winner(); ++i) {
        sparring->Frame(kDt);
        lowest[0] = std::min(lowest[0], player->GetLife());
        lowest[1] = std::min(lowest[1], computer->GetLife());
        bled = bled || arena.particles.BleedingList();
    }
    EXPECT_LT(lowest[1], 10.0f);
    EXPECT_LT(lowest[0] + lowest[1], 20.0f);
    EXPECT_TRUE(bled);
}

TEST_F(SparringLoop, TheKillingBlowRunsInSlowMotionThenTheRoundStartsAgain) {
    Bicho* computer = sparring->Fighter(1);
    computer->SetLife(1.0f);
    int frames = 0;
    while (!sparring->Winner() && frames < 60 * 20) {
        sparring->Frame(kDt);
        ++frames;
    }
    ASSERT_EQ(1, sparring->Winner()) << "after " << frames << " frames";
    EXPECT_EQ(1, sparring->RoundsWon(0));
    sparring->Frame(kDt);
    EXPECT_GT(arena.settings.slowMotionTime, 4.9f);
    EXPECT_FLOAT_EQ(kDt * 0.25f, sparring->GameTime());
    ASSERT_NE(nullptr, computer->ghostTrail);
    for (int i = 0; i < 6; ++i) sparring->Frame(kDt);
    EXPECT_NE(nullptr, computer->ghostTrail->head);  // the afterimage trail
    EXPECT_FLOAT_EQ(0.0f, computer->GetLife());
    // Four seconds after the decision both stand again with full lives.
    int after = 7;
    while (sparring->Winner() && after < 60 * 10) {
        sparring->Frame(kDt);
        ++after;
    }
    EXPECT_NEAR(60 * 4, after, 2);
    EXPECT_FLOAT_EQ(10.0f, computer->GetLife());
    EXPECT_FLOAT_EQ(0.7f, computer->GetX());
    EXPECT_EQ(1, sparring->RoundsWon(0));
}

TEST(SparringProgram, RunsTwoCreatureFilesFromTheCommandLine) {
    Arena arena;
    InstallBehaviour("Bichos/rana.so", "rana.so");
    WriteCreature("rana.qvl", FrogAnimations(), "RANA");
    const std::string command = std::string("SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy '") +
                                CORRALON_GAME_DIR "/viewer' --renderer '" CORRALON_GAME_DIR
                                "/Headless.dll' --frames 120 --spar rana.qvl rana.qvl 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(nullptr, pipe);
    std::string output;
    char line[512];
    while (fgets(line, sizeof line, pipe)) output += line;
    EXPECT_EQ(0, pclose(pipe)) << output;
    EXPECT_NE(std::string::npos, output.find("viewer: sparring rana.qvl against rana.qvl: ok"))
        << output;
    EXPECT_NE(std::string::npos, output.find("viewer: rounds 0 - 0")) << output;
}

}  // namespace
