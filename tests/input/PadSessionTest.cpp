// Pads in recorded sessions: the line format, and a recording with virtual
// pads replayed without them.
#include <functional>
#include <memory>

#include "tests/PadTestSupport.h"
#include "input/InputSession.h"
#include "input/KeyboardSourceSession.h"
#include "input/KeyboardSourceSessionFormat.h"
#include "input/PadSourceSession.h"
#include "input/TecladoDI.h"
#include "platform/Events.h"
#include "platform/PadSourceSDL.h"

namespace {

PadFrame Pads(const PadSlot& one, const PadSlot& two) { return PadFrame{{one, two}, 2}; }

TEST(PadSessionLine, WritesPadChangesAndReadsThemBack) {
    const PadSlot none, a{1, "Pad A", kInputUp}, b{2, "Mi mando #2%", kPadStart};
    const struct {
        PadFrame before, after;
        const char* line;
    } cases[] = {
        {Pads(none, none), Pads(a, none), "0.016000 +PAD1=Pad%20A +PAD1:UP"},
        {Pads(a, none), Pads({1, "Pad A", kInputPunch1}, b),
         "0.016000 -PAD1:UP +PAD1:PUNCH1 +PAD2=Mi%20mando%20#2%25 +PAD2:START"},
        {Pads(a, b), Pads({3, "Pad C", kInputUp}, none),
         "0.016000 -PAD1 +PAD1=Pad%20C +PAD1:UP -PAD2"},
    };
    const uint8_t noKeys[kKeyStateSize] = {};
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
    const PadFrame start = Pads({}, {1, "Pad", kInputUp});
    for (const char* bad : {"0.1 +PAD1:START", "0.1 +PAD3=Pad", "0.1 +PAD1=", "0.1 +PAD1=%G1",
                            "0.1 +PAD1=a%2", "0.1 -PAD2=Pad", "0.1 +PAD2", "0.1 +PAD2:JUMP",
                            "0.1 +PAD2;UP", "0.1 +PAD", "0.1 +PAD1=Pad PUNCH1"}) {
        SCOPED_TRACE(bad);
        PadFrame pads = start;
        uint8_t keys[kKeyStateSize] = {};
        double seconds = 7;
        std::string error;
        EXPECT_EQ(ParseSessionLine(bad, &seconds, keys, &error, &pads), kSessionBad);
        EXPECT_NE(error.find('\''), std::string::npos) << "names the token: " << error;
        EXPECT_EQ(pads.players[0].connection, 0u);
        EXPECT_EQ(pads.players[1].buttons, kInputUp);
    }
}

struct Seen {
    InputFlags player1, player2;
    bool enter, escape;
    bool operator==(const Seen& o) const {
        return player1 == o.player1 && player2 == o.player2 && enter == o.enter &&
               escape == o.escape;
    }
};

class PadSessionTest : public SdlPads {
protected:
    void SetUp() override {
        PlatformResetClose();
        SdlPads::SetUp();
    }
    void TearDown() override {
        InputSessionEnd();
        PlatformResetClose();
        SdlPads::TearDown();
    }
    // Frames as the game runs them; `drive` sets the hardware first.
    static std::vector<Seen> Play(TecladoDI* kb, int frames,
                                  const std::function<void(int)>& drive) {
        std::vector<Seen> seen;
        for (int frame = 0; frame < frames; ++frame) {
            const float dt = static_cast<float>(InputSessionFrameTime(0.016 + frame * 0.001));
            drive(frame);
            kb->Poll();
            seen.push_back({kb->GetInput(0, 1, dt), kb->GetInput(1, -1, dt),
                            kb->SpecialKeyOnce(kSpecialEnter), kb->SpecialKeyOnce(kSpecialEscape)});
        }
        return seen;
    }
};

TEST_F(PadSessionTest, RecordedPadsReplayToTheSameInputAndLog) {
    ASSERT_TRUE(InputSessionBegin("session.txt", nullptr));
    Keys* keys = new Keys();
    auto recording = std::make_unique<TecladoDI>(new KeyboardSourceRecorder(keys),
                                                 new PadSourceRecorder(PadSourceSDL::Open()));
    ASSERT_EQ(recording->Init(nullptr, nullptr), 1);
    std::unique_ptr<VirtualPad> a, b;
    const int kFrames = 11;
    const std::vector<Seen> recorded = Play(recording.get(), kFrames, [&](int frame) {
        switch (frame) {
            case 1: a.reset(new VirtualPad("Pad A")); break;
            case 2: a->Stick(0, 32767); break;      // down
            case 3: a->Stick(20000, 20000); break;  // down and forward
            case 4: a->Stick(32767, 0); break;      // forward
            case 5: a->Stick(0, 0); a->Button(SDL_CONTROLLER_BUTTON_A, true); break;
            case 6: a->Release(); a->Button(SDL_CONTROLLER_BUTTON_START, true); break;
            case 7: a->Release(); b.reset(new VirtualPad("Pad B")); keys->Hold({0xD2}); break;
            case 8: b->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true); break;
            case 9: b->Button(SDL_CONTROLLER_BUTTON_BACK, true); a->Unplug(); keys->Hold({}); break;
        }
    });
    recording->Shutdown();
    InputSessionEnd();
    b.reset();
    EXPECT_EQ(recorded[5].player1, kInputPunch1 | kInputSpecialDownForward);
    EXPECT_TRUE(recorded[6].enter);
    EXPECT_EQ(recorded[8].player2, kInputRight) << "player 2 faces left";
    EXPECT_TRUE(recorded[9].escape);
    const std::string session = TempGameFolder::ReadText("session.txt");
    EXPECT_NE(session.find(" -PAD1:RIGHT +PAD1:PUNCH1\n"), std::string::npos) << session;
    const std::string log = Log();
    EXPECT_NE(log.find("     Mando: desconectado Pad A, jugador 1 libre\n"), std::string::npos);

    // Replayed with no pad plugged in.
    TempGameFolder::WriteBytes("logs/log.txt", {});
    ASSERT_TRUE(InputSessionBegin(nullptr, "session.txt"));
    TecladoDI replay;
    replay.UsePads();
    ASSERT_EQ(replay.Init(nullptr, nullptr), 1);
    EXPECT_EQ(Play(&replay, kFrames, [](int) {}), recorded);
    EXPECT_EQ(Log(), log);
    replay.Shutdown();
}

}  // namespace
