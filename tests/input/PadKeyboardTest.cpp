// Pads beside the keys: what the keyboard answers with SDL's virtual pads.
#include <functional>
#include <memory>

#include "tests/PadTestSupport.h"
#include "input/TecladoDI.h"
#include "platform/PadSourceSDL.h"

namespace {

enum : int { kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD, kInsert = 0xD2, kEnterKey = 0x1C };
enum : int {
    kA = SDL_CONTROLLER_BUTTON_A, kStart = SDL_CONTROLLER_BUTTON_START,
    kBack = SDL_CONTROLLER_BUTTON_BACK, kDpadUp = SDL_CONTROLLER_BUTTON_DPAD_UP,
};

class PadKeyboardTest : public SdlPads {
protected:
    void SetUp() override {
        SdlPads::SetUp();
        padA.reset(new VirtualPad("Pad A"));
        Restart();
    }
    void TearDown() override {
        kb.reset();
        padA.reset();
        padB.reset();
        SdlPads::TearDown();
    }
    void Restart() {
        keys = new Keys();
        kb.reset(new TecladoDI(keys, PadSourceSDL::Open()));
        ASSERT_EQ(kb->Init(nullptr, nullptr), 1);
        kb->Poll();
    }
    InputFlags Frame(int player, int facing) {
        kb->Poll();
        return kb->GetInput(player, facing, 0.1f);
    }

    Keys* keys = nullptr;  // the keyboard's
    std::unique_ptr<VirtualPad> padA, padB;
    std::unique_ptr<TecladoDI> kb;
};

TEST_F(PadKeyboardTest, EachPlayerPlaysHisPadAndHisKeysAndPadsAreLogged) {
    padB.reset(new VirtualPad("Pad B"));
    kb->Poll();
    padA->Button(kDpadUp, true);
    padB->Button(kA, true);
    keys->Hold({kLeft});
    EXPECT_EQ(Frame(0, 1), kInputUp | kInputLeft);
    EXPECT_EQ(kb->GetInput(1, 1, 0.1f), kInputPunch1);
    EXPECT_FALSE(kb->ActionOnce(0, kInputPunch1)) << "player 2's button";

    padA->Unplug();
    EXPECT_EQ(Frame(0, 1), kInputLeft) << "a pulled-out pad's buttons are up";
    VirtualPad padC("Pad C");
    kb->Poll();
    EXPECT_EQ(Log(),
              "     Mando: conectado Pad A como jugador 1\n"
              "     Mando: conectado Pad B como jugador 2\n"
              "     Mando: desconectado Pad A, jugador 1 libre\n"
              "     Mando: conectado Pad C como jugador 1\n");
}

TEST_F(PadKeyboardTest, MotionsOnTheStickGiveTheSpecialMovesOfTheKeys) {
    const int kFull = 32767, kHalf = 23170;
    const struct {
        const char* name;
        int facing;
        std::vector<std::vector<int>> keys;
        std::vector<std::pair<int, int>> stick;
        InputFlags special;
    } cases[] = {
        {"quarter circle forward", 1, {{kDown}, {kDown, kRight}, {kRight}},
         {{0, kFull}, {kHalf, kHalf}, {kFull, 0}}, kInputSpecialDownForward},
        {"the same facing left", -1, {{kDown}, {kDown, kLeft}, {kLeft}},
         {{0, kFull}, {-kHalf, kHalf}, {-kFull, 0}}, kInputSpecialDownForward},
        {"down, back, forward", 1, {{kDown}, {kLeft}, {kRight}},
         {{0, kFull}, {-kFull, 0}, {kFull, 0}}, kInputSpecialBackForward},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The motion, then punch 1 alone: INSERT on the keys, A on the pad.
        std::vector<InputFlags> onKeys, onPad;
        Restart();
        for (const auto& step : c.keys) {
            keys->Hold(step);
            onKeys.push_back(Frame(0, c.facing));
        }
        keys->Hold({kInsert});
        onKeys.push_back(Frame(0, c.facing));
        Restart();
        for (const auto& position : c.stick) {
            padA->Stick(position.first, position.second);
            onPad.push_back(Frame(0, c.facing));
        }
        padA->Stick(0, 0);
        padA->Button(kA, true);
        onPad.push_back(Frame(0, c.facing));
        padA->Release();
        EXPECT_EQ(onPad, onKeys);
        EXPECT_EQ(onPad.back(), kInputPunch1 | c.special);
    }
}

TEST_F(PadKeyboardTest, StartBackAndActionsAnswerOncePerPressFromEitherPad) {
    padB.reset(new VirtualPad("Pad B"));
    const auto enter = [&] { return kb->SpecialKeyOnce(kSpecialEnter); };
    const auto escape = [&] { return kb->SpecialKeyOnce(kSpecialEscape); };
    const struct {
        VirtualPad* pad;
        int button;
        std::function<bool()> once, other;
    } cases[] = {
        {padA.get(), kStart, enter, escape},
        {padB.get(), kStart, enter, escape},
        {padA.get(), kBack, escape, enter},
        {padB.get(), kBack, escape, enter},
        {padA.get(), kA, [&] { return kb->ActionOnce(0, kInputPunch1); }, enter},
        {padB.get(), kA, [&] { return kb->ActionOnce(1, kInputPunch1); }, escape},
    };
    kb->Poll();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_FALSE(kb->AnyKeyDown());
        c.pad->Button(c.button, true);
        kb->Poll();
        EXPECT_TRUE(kb->AnyKeyDown());
        EXPECT_TRUE(c.once());
        EXPECT_FALSE(c.once());
        EXPECT_FALSE(c.other());
        kb->Poll();
        EXPECT_FALSE(c.once()) << "still held";
        c.pad->Button(c.button, false);
        kb->Poll();
        c.pad->Button(c.button, true);
        kb->Poll();
        EXPECT_TRUE(c.once()) << "pressed again";
        c.pad->Button(c.button, false);
        kb->Poll();
    }
    // Enter held on the keys while Start goes down: still the same press.
    keys->Hold({kEnterKey});
    kb->Poll();
    EXPECT_TRUE(enter());
    padA->Button(kStart, true);
    kb->Poll();
    keys->Hold({});
    kb->Poll();
    EXPECT_FALSE(enter());
}

}  // namespace
