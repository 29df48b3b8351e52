#include "input/TecladoDI.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/TempGameFolder.h"
#include "base/Files.h"
#include "platform/KeyNames.h"

namespace {

// Keys set by the test, read by the keyboard at each Poll.
class FakeSource : public KeyboardSource {
public:
    FakeSource(const uint8_t* keys, const bool* ok) : keys_(keys), ok_(ok) {}
    bool Read(uint8_t state[kKeyStateSize]) override {
        memcpy(state, keys_, kKeyStateSize);
        return *ok_;
    }

private:
    const uint8_t* keys_;
    const bool* ok_;
};

enum : int {
    kUp = 0xC8, kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD, kInsert = 0xD2, kDelete = 0xD3,
    kHome = 0xC7, kEnd = 0xCF, kEsc = 0x01, kEnter = 0x1C, kF2 = 0x3C, kQ = 0x10, kZ = 0x2C,
    kW = 0x11, kS = 0x1F, kA = 0x1E, kD = 0x20, kR = 0x13,
};

class KeyboardTest : public testing::Test {
protected:
    void SetUp() override { StartKeyboard(); }
    void TearDown() override { delete kb; }

    void StartKeyboard() {
        delete kb;
        TecladoDI::ResetCaptureGuard();
        kb = new TecladoDI(new FakeSource(keys, &readOk));
        ASSERT_EQ(kb->Init(nullptr, nullptr), 1);
    }
    // Exactly these keys are down from now on.
    void Hold(std::initializer_list<int> codes) {
        memset(keys, 0, sizeof keys);
        for (int c : codes) keys[c] = kKeyDown;
    }
    InputFlags Frame(int player, int facing, float dt) {
        kb->Poll();
        return kb->GetInput(player, facing, dt);
    }
    // Plays steps of `dt` each; answers the flags of the last one.
    InputFlags Play(int player, int facing, float dt,
                    std::initializer_list<std::initializer_list<int>> steps) {
        InputFlags last = 0;
        for (auto step : steps) {
            Hold(step);
            last = Frame(player, facing, dt);
        }
        return last;
    }

    TempGameFolder folder;
    uint8_t keys[kKeyStateSize] = {};
    bool readOk = true;
    TecladoDI* kb = nullptr;
};

TEST_F(KeyboardTest, EachSpecialMoveFiresOnTheFrameOfThePunch) {
    struct Case {
        const char* name;
        std::initializer_list<std::initializer_list<int>> steps;
        InputFlags special;
    } cases[] = {
        {"down, down+forward, forward", {{kDown}, {kDown, kRight}, {kRight}}, 0x400},
        {"forward, gap, forward", {{kRight}, {}, {kRight}}, 0x800},
        {"down, down+back, back", {{kDown}, {kDown, kLeft}, {kLeft}}, 0x20000},
        {"down, back, forward", {{kDown}, {kLeft}, {kRight}}, 0x10000},
    };
    for (const Case& c : cases) {
        StartKeyboard();
        Play(0, 1, 0.1f, c.steps);
        // Punch 1 alone: a direction held with it is another stretch.
        Hold({kInsert});
        InputFlags flags = Frame(0, 1, 0.1f);
        EXPECT_EQ(flags, 0x20u | c.special) << c.name;
        EXPECT_TRUE(kb->TestLastInput(c.special)) << c.name;
        EXPECT_EQ(Frame(0, 1, 0.1f), 0x20u) << c.name << ": fires once";
    }
}

TEST_F(KeyboardTest, SpecialMoveFollowsFacingAndPlayerBindings) {
    // Player 2 facing left: forward is A (left on the keyboard), punch 1 is R.
    EXPECT_EQ(Play(1, -1, 0.1f, {{kS}, {kS, kA}, {kA}, {kR}}), 0x20u | 0x400);
    // The same keys facing right are down, down+back, back: the other move.
    EXPECT_EQ(Play(1, 1, 0.1f, {{kS}, {kS, kA}, {kA}, {kR}}), 0x20u | 0x20000);
}

TEST_F(KeyboardTest, HistoryOlderThanHalfASecondIsForgotten) {
    EXPECT_EQ(Play(0, 1, 0.2f, {{kDown}, {kDown, kRight}, {kRight}, {kInsert}}), 0x20u);
    StartKeyboard();
    EXPECT_EQ(Play(0, 1, 0.12f, {{kDown}, {kDown, kRight}, {kRight}, {kInsert}}), 0x20u | 0x400);
    // A long-held direction alone does not keep the older steps alive.
    StartKeyboard();
    Play(0, 1, 0.1f, {{kDown}, {kDown, kRight}});
    EXPECT_EQ(Play(0, 1, 0.1f, {{kRight}, {kRight}, {kRight}, {kRight}, {kRight}, {kInsert}}), 0x20u);
}

TEST_F(KeyboardTest, ForwardTwiceNeedsAGapAndFiresOnlyOnce) {
    // Held forward merges into one stretch.
    EXPECT_EQ(Play(0, 1, 0.05f, {{kRight}, {kRight}, {kRight}, {kInsert}}), 0x20u);
    StartKeyboard();
    EXPECT_EQ(Play(0, 1, 0.05f, {{kRight}, {}, {kRight}, {kInsert}}), 0x20u | 0x800);
    // The history is gone: punching again right away finds nothing.
    EXPECT_EQ(Play(0, 1, 0.05f, {{}, {kRight}, {kInsert}}), 0x20u);
    // A fresh sequence fires again.
    EXPECT_EQ(Play(0, 1, 0.05f, {{}, {kRight}, {}, {kRight}, {kInsert}}), 0x20u | 0x800);
}

TEST_F(KeyboardTest, MirroringSwapsOneSideOnly) {
    EXPECT_EQ(Play(0, -1, 0.01f, {{kLeft}}), 0x8u);
    EXPECT_EQ(Play(0, -1, 0.01f, {{kRight}}), 0x4u);
    EXPECT_EQ(Play(0, 1, 0.01f, {{kLeft}}), 0x4u);
    EXPECT_EQ(Play(0, 1, 0.01f, {{kLeft, kRight}}), 0xCu);
    EXPECT_EQ(Play(0, -1, 0.01f, {{kLeft, kRight}}), 0xCu);
    EXPECT_EQ(Play(0, -1, 0.01f, {{kUp, kLeft, kHome}}), 0x1u | 0x8 | 0x80);
    // Each player reads only his own keys.
    EXPECT_EQ(Play(1, 1, 0.01f, {{kUp, kW, kD}}), 0x1u | 0x8);
    EXPECT_EQ(kb->GetInput(2, 1, 0.01f), 0u);
    EXPECT_EQ(kb->GetInput(-1, 1, 0.01f), 0u);
}

TEST_F(KeyboardTest, OncePerPressQueries) {
    Hold({kDelete});
    kb->Poll();
    EXPECT_TRUE(kb->ActionOnce(0, 0x10));
    EXPECT_FALSE(kb->ActionOnce(0, 0x10));
    kb->Poll();
    EXPECT_FALSE(kb->ActionOnce(0, 0x10)) << "still held";
    Hold({});
    kb->Poll();
    EXPECT_FALSE(kb->ActionOnce(0, 0x10));
    Hold({kDelete});
    kb->Poll();
    EXPECT_TRUE(kb->ActionOnce(0, 0x10)) << "pressed again";

    // Only the first six bindings latch.
    Hold({kEnd});
    kb->Poll();
    EXPECT_FALSE(kb->ActionOnce(0, 0x40));
    EXPECT_FALSE(kb->ActionOnce(0, 0x400));
    EXPECT_FALSE(kb->ActionOnce(3, 0x1));

    Hold({kEsc, kEnter});
    kb->Poll();
    EXPECT_TRUE(kb->SpecialKeyOnce(5));
    EXPECT_TRUE(kb->SpecialKeyOnce(6));
    EXPECT_FALSE(kb->SpecialKeyOnce(5));
    EXPECT_FALSE(kb->SpecialKeyOnce(6));
    EXPECT_FALSE(kb->SpecialKeyOnce(7));
    Hold({kEnter});
    kb->Poll();
    Hold({kEsc, kEnter});
    kb->Poll();
    EXPECT_TRUE(kb->SpecialKeyOnce(5)) << "Escape was seen up";
    EXPECT_FALSE(kb->SpecialKeyOnce(6)) << "Enter stayed down";

    // F2 latches on its own key, apart from Escape and Enter.
    Hold({kF2});
    kb->Poll();
    EXPECT_TRUE(kb->SpecialKeyOnce(7));
    EXPECT_FALSE(kb->SpecialKeyOnce(7));
    EXPECT_FALSE(kb->SpecialKeyOnce(5));
    kb->Poll();
    EXPECT_FALSE(kb->SpecialKeyOnce(7)) << "still held";
    Hold({});
    kb->Poll();
    Hold({kF2});
    kb->Poll();
    EXPECT_TRUE(kb->SpecialKeyOnce(7));
}

TEST_F(KeyboardTest, CaptureRules) {
    Hold({});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x1), 0);

    // Escape and keys bound anywhere (the changed binding included) are refused.
    for (int code : {kEsc, kUp, kW, kInsert}) {
        Hold({code});
        kb->Poll();
        EXPECT_EQ(kb->CaptureKey(0, 0x1), -1) << code;
    }
    // The highest code held wins.
    Hold({kQ, kZ});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x1), 1);
    EXPECT_STREQ(kb->KeyName(0, 0x1), "Z");
    // A code without a name can be bound; it has no name.
    Hold({0xE4});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(1, 0x100), 1);
    EXPECT_EQ(kb->KeyName(1, 0x100), nullptr);
    Hold({0xE4});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x2), -1) << "now bound";
    // Bits outside the ten bindings.
    Hold({kQ});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x400), -1);
    EXPECT_EQ(kb->CaptureKey(2, 0x1), -1);
}

TEST_F(KeyboardTest, CaptureIgnoresTheKeyThatStartedIt) {
    // Punch 1 of player 1 starts the capture and is still held.
    Hold({kInsert});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x2), 0);
    // Held with a lower key: the held key is the higher code, and bound.
    Hold({kInsert, kQ});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x2), -1);
    // Once seen up the guard is gone for good.
    Hold({});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x2), 0);
    Hold({kInsert});
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x2), -1);
    // It is process-wide: a new keyboard does not set it again.
    delete kb;
    kb = new TecladoDI(new FakeSource(keys, &readOk));
    ASSERT_EQ(kb->Init(nullptr, nullptr), 1);
    kb->Poll();
    EXPECT_EQ(kb->CaptureKey(0, 0x2), -1);
}

TEST_F(KeyboardTest, NamesAndAnyKey) {
    EXPECT_STREQ(kb->KeyName(0, 0x1), "UP");
    EXPECT_STREQ(kb->KeyName(0, 0x20), "INSERT");
    EXPECT_STREQ(kb->KeyName(0, 0x100), "NEXT");
    EXPECT_STREQ(kb->KeyName(1, 0x10), "F");
    EXPECT_STREQ(kb->KeyName(1, 0x200), "Y");
    EXPECT_EQ(kb->KeyName(0, 0x400), nullptr);
    EXPECT_EQ(kb->KeyName(0, 0x3), nullptr);
    EXPECT_EQ(kb->KeyName(5, 0x1), nullptr);

    Hold({});
    kb->Poll();
    EXPECT_FALSE(kb->AnyKeyDown());
    Hold({0x54});  // not a known key
    kb->Poll();
    EXPECT_FALSE(kb->AnyKeyDown());
    Hold({kZ});
    kb->Poll();
    EXPECT_TRUE(kb->AnyKeyDown());
}

TEST_F(KeyboardTest, FailedReadIsAFrameWithoutKeys) {
    Hold({kUp, kEsc});
    readOk = false;
    kb->Poll();
    EXPECT_EQ(kb->GetInput(0, 1, 0.01f), 0u);
    EXPECT_FALSE(kb->AnyKeyDown());
    EXPECT_FALSE(kb->SpecialKeyOnce(5));
    readOk = true;
    kb->Poll();
    EXPECT_TRUE(kb->SpecialKeyOnce(5));
}

TEST_F(KeyboardTest, MediaSelectBindingWorksWithoutAName) {
    std::vector<unsigned char> bytes(20, 0);
    for (int i = 0; i < 20; ++i) bytes[i] = static_cast<unsigned char>(0x10 + i);
    bytes[0] = kDikMediaSelect;
    bytes[18] = 0xEE;  // outside the key table: its default, Y
    bytes[19] = kEnter;
    TempGameFolder::WriteBytes("cfg/tecladoDI.cfg", bytes);
    StartKeyboard();
    EXPECT_STREQ(kb->KeyName(1, 0x200), "Y");
    EXPECT_EQ(kb->KeyName(0, 0x1), nullptr);
    EXPECT_STREQ(kb->KeyName(0, 0x2), "W");  // 0x11
    EXPECT_STREQ(kb->KeyName(1, 0x100), "RETURN");
    Hold({kDikMediaSelect});
    EXPECT_EQ(Frame(0, 1, 0.01f), 0x1u);
    EXPECT_FALSE(kb->AnyKeyDown());
}

TEST_F(KeyboardTest, BindingsFileShortMissingAndSaved) {
    // A short file replaces only what it holds.
    TempGameFolder::WriteBytes("cfg/tecladoDI.cfg", {kQ, kZ, kA});
    StartKeyboard();
    EXPECT_STREQ(kb->KeyName(0, 0x1), "Q");
    EXPECT_STREQ(kb->KeyName(0, 0x2), "Z");
    EXPECT_STREQ(kb->KeyName(0, 0x4), "A");
    EXPECT_STREQ(kb->KeyName(0, 0x8), "RIGHT");
    EXPECT_STREQ(kb->KeyName(1, 0x1), "W");

    // Shutdown writes all 20 bytes in place of the short file.
    Hold({0x2D});  // X
    kb->Poll();
    ASSERT_EQ(kb->CaptureKey(1, 0x100), 1);
    EXPECT_EQ(kb->Shutdown(), 1);
    std::string saved = TempGameFolder::ReadText("cfg/tecladoDI.cfg");
    ASSERT_EQ(saved.size(), 20u);
    EXPECT_EQ(static_cast<unsigned char>(saved[0]), kQ);
    EXPECT_EQ(static_cast<unsigned char>(saved[3]), kRight);
    EXPECT_EQ(static_cast<unsigned char>(saved[10]), kW);
    EXPECT_EQ(static_cast<unsigned char>(saved[19]), 0x2D);
    EXPECT_FALSE(PlatformFileExists("cfg/tecladoDI.cfg.new"));

    // Missing file: defaults.
    ASSERT_EQ(remove("cfg/tecladoDI.cfg"), 0);
    StartKeyboard();
    EXPECT_STREQ(kb->KeyName(0, 0x1), "UP");
    EXPECT_STREQ(kb->KeyName(1, 0x100), "H");
}

// A damaged key file takes the defaults for what is wrong, with one line.
TEST_F(KeyboardTest, DamagedBindingsFileTakesDefaultsForWhatIsWrong) {
    for (auto [bytes, says] : {std::pair{std::vector<unsigned char>(25, kQ), "mas de 20 bytes"},
                               {std::vector<unsigned char>(20, 0xFF), "20 teclas fuera de la tabla"}}) {
        TempGameFolder::WriteBytes("logs/log.txt", {});
        TempGameFolder::WriteBytes("cfg/tecladoDI.cfg", bytes);
        StartKeyboard();
        EXPECT_STREQ(kb->KeyName(0, 0x1), "UP");
        const std::string log = TempGameFolder::ReadText("logs/log.txt");
        EXPECT_EQ(log.find(std::string("     Teclado: cfg\\tecladoDI.cfg: ") + says), 0u) << log;
    }
}

TEST_F(KeyboardTest, ShutdownWithoutInitKeepsTheSavedKeys) {
    TempGameFolder::WriteBytes("cfg/tecladoDI.cfg", {kQ, kZ});
    TecladoDI never;
    EXPECT_EQ(never.Shutdown(), 1);
    EXPECT_EQ(TempGameFolder::ReadText("cfg/tecladoDI.cfg").size(), 2u);
}

TEST_F(KeyboardTest, UnwritableBindingsFileIsSkipped) {
    ASSERT_EQ(system("rm -rf cfg"), 0);
    EXPECT_EQ(kb->Shutdown(), 1);
    EXPECT_FALSE(PlatformFileExists("cfg/tecladoDI.cfg"));
    // Queries after shutdown see no device.
    Hold({kUp});
    kb->Poll();
    EXPECT_EQ(kb->GetInput(0, 1, 0.01f), 0u);
}

}  // namespace
