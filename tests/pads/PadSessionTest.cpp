// Pads in recorded sessions: the line format, and a recording with virtual
// pads replayed without them.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "../keyboard/TempGameFolder.h"
#include "VirtualPad.h"
#include "input/InputSession.h"
#include "input/KeyboardSourceSession.h"
#include "input/KeyboardSourceSessionFormat.h"
#include "input/PadSourceSession.h"
#include "input/TecladoDI.h"
#include "platform/Events.h"
#include "platform/PadSourceSDL.h"

namespace {

PadFrame Pads(const char* name1, uint32_t buttons1, const char* name2 = nullptr,
              uint32_t buttons2 = 0) {
    PadFrame pads;
    const char* names[] = {name1, name2};
    const uint32_t buttons[] = {buttons1, buttons2};
    for (int p = 0; p < kPadPlayers; ++p) {
        if (!names[p]) continue;
        pads.players[p] = {++pads.taken, names[p], buttons[p]};
    }
    return pads;
}

TEST(PadSessionLine, WritesPadChangesAndReadsThemBack) {
    const uint8_t noKeys[kKeyStateSize] = {};
    PadFrame swapped = Pads("Pad A", kInputLeft);
    swapped.players[0] = {7, "Pad B", kInputLeft};
    const PadFrame two = Pads("Pad A", kInputKick3, "Pad B", 0);
    PadFrame pulledOut = two;
    pulledOut.players[0] = PadSlot();
    const struct {
        PadFrame before, after;
        const char* line;
    } cases[] = {
        {PadFrame(), Pads("Pad A", 0), "0.016000 +PAD1=Pad%20A"},
        {Pads("Pad A", kInputUp), Pads("Pad A", kInputUp | kInputPunch1, "Mi mando #2%", kPadStart),
         "0.016000 +PAD1:PUNCH1 +PAD2=Mi%20mando%20#2%25 +PAD2:START"},
        {Pads("Pad A", kInputDown | kPadBack), Pads("Pad A", kInputRight),
         "0.016000 -PAD1:DOWN +PAD1:RIGHT -PAD1:BACK"},
        {Pads("Pad A", kInputLeft), swapped, "0.016000 -PAD1 +PAD1=Pad%20B +PAD1:LEFT"},
        {two, pulledOut, "0.016000 -PAD1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(FormatSessionLine(0.016, noKeys, noKeys, &c.before, &c.after), c.line);
        PadFrame read = c.before;
        uint8_t keys[kKeyStateSize] = {};
        double seconds = 0;
        std::string error;
        ASSERT_EQ(ParseSessionLine(c.line, &seconds, keys, &error, &read), kSessionFrame) << error;
        for (int p = 0; p < kPadPlayers; ++p) {
            EXPECT_EQ(read.players[p].connection != 0, c.after.players[p].connection != 0);
            EXPECT_EQ(read.players[p].name, c.after.players[p].name);
            EXPECT_EQ(read.players[p].buttons, c.after.players[p].buttons);
        }
    }
}

TEST(PadSessionLine, MalformedPadChangesChangeNothing) {
    const PadFrame start = Pads(nullptr, 0, "Pad", kInputUp);
    for (const char* bad : {"0.1 +PAD1:START", "0.1 +PAD3=Pad", "0.1 +PAD1=", "0.1 +PAD1=%G1",
                            "0.1 +PAD1=a%2", "0.1 -PAD2=Pad", "0.1 +PAD2", "0.1 +PAD2:JUMP",
                            "0.1 +PAD2;UP", "0.1 +PAD", "0.1 +PAD1=Pad PUNCH1"}) {
        SCOPED_TRACE(bad);
        PadFrame pads = start;
        uint8_t keys[kKeyStateSize] = {};
        double seconds = 7;
        std::string error;
        EXPECT_EQ(ParseSessionLine(bad, &seconds, keys, &error, &pads), kSessionBad);
        EXPECT_NE(error.find('\''), std::string::npos) << error;
        EXPECT_EQ(pads.players[0].connection, 0u);
        EXPECT_EQ(pads.players[1].buttons, kInputUp);
        EXPECT_EQ(seconds, 7);
    }
    PadFrame pads = start;
    uint8_t keys[kKeyStateSize] = {};
    double seconds = 0;
    std::string error;
    const char* mixed = "0.1 +pad1=Otro +Pad1:Start -PAD2:up +RETURN";
    EXPECT_EQ(ParseSessionLine(mixed, &seconds, keys, &error, &pads), kSessionFrame)
        << "any letter case, beside keys";
    EXPECT_EQ(pads.players[0].buttons, kPadStart);
    EXPECT_EQ(pads.players[1].buttons, 0u);
    EXPECT_TRUE(keys[0x1C]);
}

class Keys : public KeyboardSource {
public:
    explicit Keys(const uint8_t* keys) : keys_(keys) {}
    bool Read(uint8_t state[kKeyStateSize]) override {
        memcpy(state, keys_, kKeyStateSize);
        return true;
    }

private:
    const uint8_t* keys_;
};

struct Seen {
    InputFlags player1, player2;
    bool enter, escape;
    bool operator==(const Seen& o) const {
        return player1 == o.player1 && player2 == o.player2 && enter == o.enter &&
               escape == o.escape;
    }
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << std::hex << s.player1 << "/" << s.player2 << (s.enter ? " enter" : "")
               << (s.escape ? " escape" : "");
}

class PadSessionTest : public testing::Test {
protected:
    void SetUp() override {
        PlatformResetClose();
        ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    void TearDown() override {
        InputSessionEnd();
        PlatformResetClose();
        SDL_Quit();
    }
    // Frames as the game runs them; `drive` sets the hardware first.
    std::vector<Seen> Play(TecladoDI* kb, int frames, const std::function<void(int)>& drive) {
        std::vector<Seen> seen;
        for (int frame = 0; frame < frames; ++frame) {
            const float dt = static_cast<float>(InputSessionFrameTime(0.016 + frame * 0.001));
            if (drive) drive(frame);
            kb->Poll();
            seen.push_back({kb->GetInput(0, 1, dt), kb->GetInput(1, -1, dt),
                            kb->SpecialKeyOnce(kSpecialEnter), kb->SpecialKeyOnce(kSpecialEscape)});
        }
        return seen;
    }

    TempGameFolder folder;
};

TEST_F(PadSessionTest, RecordedPadsReplayToTheSameInputAndLog) {
    ASSERT_TRUE(InputSessionBegin("session.txt", nullptr));
    uint8_t keys[kKeyStateSize] = {};
    auto recording = std::make_unique<TecladoDI>(new KeyboardSourceRecorder(new Keys(keys)),
                                                 new PadSourceRecorder(PadSourceSDL::Open()));
    ASSERT_EQ(recording->Init(nullptr, nullptr), 1);
    std::unique_ptr<VirtualPad> a, b;
    const int kFrames = 12;
    const std::vector<Seen> recorded = Play(recording.get(), kFrames, [&](int frame) {
        switch (frame) {
            case 1: a.reset(new VirtualPad("Pad A")); break;
            case 2: a->Stick(0, 32767); break;              // down
            case 3: a->Stick(20000, 20000); break;          // down and forward
            case 4: a->Stick(32767, 0); break;              // forward
            case 5: a->Stick(0, 0); a->Button(SDL_CONTROLLER_BUTTON_A, true); break;
            case 6: a->Release(); a->Button(SDL_CONTROLLER_BUTTON_START, true); break;
            case 7: a->Release(); b.reset(new VirtualPad("Pad B")); keys[0xD2] = kKeyDown; break;
            case 8:
                b->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
                b->Button(SDL_CONTROLLER_BUTTON_BACK, true);
                break;
            case 9: a->Unplug(); keys[0xD2] = 0; break;
        }
    });
    recording->Shutdown();
    InputSessionEnd();
    b.reset();
    EXPECT_EQ(recorded[5].player1, kInputPunch1 | kInputSpecialDownForward);
    EXPECT_TRUE(recorded[6].enter);
    EXPECT_EQ(recorded[8].player2, kInputRight) << "player 2 faces left";
    EXPECT_TRUE(recorded[8].escape);
    const std::string session = TempGameFolder::ReadText("session.txt");
    EXPECT_NE(session.find(" +PAD1=Pad%20A\n"), std::string::npos) << session;
    EXPECT_NE(session.find(" -PAD1:RIGHT +PAD1:PUNCH1\n"), std::string::npos) << session;
    const std::string log = TempGameFolder::ReadText("logs/log.txt");
    ASSERT_NE(log.find("     Mando: desconectado Pad A, jugador 1 libre\n"), std::string::npos)
        << log;

    // Replayed with no pad plugged in.
    TempGameFolder::WriteBytes("logs/log.txt", {});
    ASSERT_TRUE(InputSessionBegin(nullptr, "session.txt"));
    TecladoDI replay;
    replay.UsePads();
    ASSERT_EQ(replay.Init(nullptr, nullptr), 1);
    EXPECT_EQ(Play(&replay, kFrames, nullptr), recorded);
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"), log);
    EXPECT_FALSE(PlatformCloseRequested());
    replay.Shutdown();
}

}  // namespace
