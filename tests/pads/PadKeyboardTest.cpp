// Pads beside the keys: what the keyboard answers with SDL's virtual pads.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "../keyboard/TempGameFolder.h"
#include "VirtualPad.h"
#include "input/TecladoDI.h"
#include "platform/PadSourceSDL.h"

namespace {

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

enum : int { kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD, kInsert = 0xD2, kEnterKey = 0x1C };
enum Button : int {
    kA = SDL_CONTROLLER_BUTTON_A, kStart = SDL_CONTROLLER_BUTTON_START,
    kBack = SDL_CONTROLLER_BUTTON_BACK, kDpadUp = SDL_CONTROLLER_BUTTON_DPAD_UP,
};

class PadKeyboardTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        padA.reset(new VirtualPad("Pad A"));
        Restart();
    }
    void TearDown() override {
        kb.reset();
        padA.reset();
        padB.reset();
        SDL_Quit();
    }
    void Restart() {
        kb.reset(new TecladoDI(new Keys(keys), PadSourceSDL::Open()));
        ASSERT_EQ(kb->Init(nullptr, nullptr), 1);
        kb->Poll();
    }
    void Hold(std::initializer_list<int> codes) {
        memset(keys, 0, sizeof keys);
        for (int c : codes) keys[c] = kKeyDown;
    }
    std::string Log() { return TempGameFolder::ReadText("logs/log.txt"); }

    TempGameFolder folder;
    uint8_t keys[kKeyStateSize] = {};
    std::unique_ptr<VirtualPad> padA, padB;
    std::unique_ptr<TecladoDI> kb;
};

TEST_F(PadKeyboardTest, EachPlayerPlaysHisPadAndHisKeysAndPadsAreLogged) {
    padB.reset(new VirtualPad("Pad B"));
    padA->Button(kDpadUp, true);
    padB->Button(kA, true);
    Hold({kLeft});
    kb->Poll();
    EXPECT_EQ(kb->GetInput(0, 1, 0.01f), kInputUp | kInputLeft);
    EXPECT_EQ(kb->GetInput(1, 1, 0.01f), kInputPunch1);

    padA->Unplug();
    kb->Poll();
    EXPECT_EQ(kb->GetInput(0, 1, 0.01f), kInputLeft) << "the pulled-out pad's buttons are up";
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
        {"quarter circle back", 1, {{kDown}, {kDown, kLeft}, {kLeft}},
         {{0, kFull}, {-kHalf, kHalf}, {-kFull, 0}}, kInputSpecialDownBack},
        {"forward twice", 1, {{kRight}, {}, {kRight}}, {{kFull, 0}, {0, 0}, {kFull, 0}},
         kInputSpecialForwardTwice},
        {"down, back, forward", 1, {{kDown}, {kLeft}, {kRight}},
         {{0, kFull}, {-kFull, 0}, {kFull, 0}}, kInputSpecialBackForward},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // On the keys, then the same on the stick, punch 1 last (A on the pad).
        std::vector<InputFlags> onKeys, onPad;
        Restart();
        for (const auto& step : c.keys) {
            memset(keys, 0, sizeof keys);
            for (int code : step) keys[code] = kKeyDown;
            kb->Poll();
            onKeys.push_back(kb->GetInput(0, c.facing, 0.1f));
        }
        Hold({kInsert});
        kb->Poll();
        onKeys.push_back(kb->GetInput(0, c.facing, 0.1f));
        Hold({});
        Restart();
        for (const auto& position : c.stick) {
            padA->Stick(position.first, position.second);
            kb->Poll();
            onPad.push_back(kb->GetInput(0, c.facing, 0.1f));
        }
        padA->Stick(0, 0);
        padA->Button(kA, true);
        kb->Poll();
        onPad.push_back(kb->GetInput(0, c.facing, 0.1f));
        padA->Release();
        EXPECT_EQ(onPad, onKeys);
        EXPECT_EQ(onPad.back(), kInputPunch1 | c.special);
    }
}

TEST_F(PadKeyboardTest, StartAndBackAreEnterAndEscapeOncePerPressFromEitherPad) {
    padB.reset(new VirtualPad("Pad B"));
    const struct {
        VirtualPad* pad;
        int button;
        int special, other;
    } cases[] = {
        {padA.get(), kStart, kSpecialEnter, kSpecialEscape},
        {padA.get(), kBack, kSpecialEscape, kSpecialEnter},
        {padB.get(), kStart, kSpecialEnter, kSpecialEscape},
        {padB.get(), kBack, kSpecialEscape, kSpecialEnter},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        kb->Poll();
        EXPECT_FALSE(kb->AnyKeyDown());
        c.pad->Button(c.button, true);
        kb->Poll();
        EXPECT_TRUE(kb->AnyKeyDown());
        EXPECT_TRUE(kb->SpecialKeyOnce(c.special));
        EXPECT_FALSE(kb->SpecialKeyOnce(c.special));
        EXPECT_FALSE(kb->SpecialKeyOnce(c.other));
        kb->Poll();
        EXPECT_FALSE(kb->SpecialKeyOnce(c.special)) << "still held";
        c.pad->Button(c.button, false);
        kb->Poll();
        c.pad->Button(c.button, true);
        kb->Poll();
        EXPECT_TRUE(kb->SpecialKeyOnce(c.special)) << "pressed again";
        c.pad->Button(c.button, false);
    }
    // Enter held on the keys: Start pressed meanwhile is the same press.
    Hold({kEnterKey});
    kb->Poll();
    EXPECT_TRUE(kb->SpecialKeyOnce(kSpecialEnter));
    padA->Button(kStart, true);
    kb->Poll();
    Hold({});
    kb->Poll();
    EXPECT_FALSE(kb->SpecialKeyOnce(kSpecialEnter));
}

TEST_F(PadKeyboardTest, ActionOnceLatchesTheKeyAndTheButtonTogether) {
    padA->Button(kA, true);
    kb->Poll();
    EXPECT_TRUE(kb->ActionOnce(0, kInputPunch1));
    EXPECT_FALSE(kb->ActionOnce(0, kInputPunch1));
    EXPECT_FALSE(kb->ActionOnce(1, kInputPunch1)) << "player 2 has no pad";
    Hold({kInsert});  // the key while the button is still held
    kb->Poll();
    EXPECT_FALSE(kb->ActionOnce(0, kInputPunch1));
    padA->Button(kA, false);
    Hold({});
    kb->Poll();
    padA->Button(kA, true);
    kb->Poll();
    EXPECT_TRUE(kb->ActionOnce(0, kInputPunch1));
}

}  // namespace
