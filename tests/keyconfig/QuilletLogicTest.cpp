// The key tool's logic without a display: the bindings file, the capture
// rule, the key events it is fed with and the names it shows.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>

#include "platform/KeyNames.h"
#include "tests/TestFolder.h"
#include "tools/keyconfig/CaptureRule.h"
#include "tools/keyconfig/HeldKeys.h"
#include "tools/keyconfig/KeyBindings.h"
#include "tools/keyconfig/KeyLabels.h"

namespace {

// X hardware key codes (evdev + 8) of a standard keyboard.
constexpr int kXEscape = 9, kXQ = 24, kXA = 38, kXUp = 111, kXRightCtrl = 105;

std::string FileBytes(const KeyBindings& b) {
    std::string bytes;
    for (int p = 0; p < kPlayerCount; ++p)
        for (int i = 0; i < kBindingsPerPlayer; ++i) bytes += static_cast<char>(b.keys[p][i]);
    return bytes;
}

std::string Sequence(int first, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += static_cast<char>(first + i);
    return bytes;
}

struct State {
    uint8_t keys[kHeldKeyCount] = {};
    State& Down(int code) {
        keys[code] = kHeldDownBit;
        return *this;
    }
};

class QuilletFile : public ::testing::Test {
protected:
    TestFolder folder;
};

TEST_F(QuilletFile, DefaultsShowArrowsRControlAndWsadTab) {
    KeyBindings b = DefaultKeyBindings();
    const char* player1[] = {"DIK_UP", "DIK_DOWN", "DIK_LEFT", "DIK_RIGHT"};
    const char* player2[] = {"DIK_W", "DIK_S", "DIK_A", "DIK_D"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(DikLabel(b.keys[0][i]), player1[i]) << i;
        EXPECT_EQ(DikLabel(b.keys[1][i]), player2[i]) << i;
    }
    for (int i = 4; i < kBindingsPerPlayer; ++i) {
        EXPECT_EQ(DikLabel(b.keys[0][i]), "DIK_RCONTROL") << i;
        EXPECT_EQ(DikLabel(b.keys[1][i]), "DIK_TAB") << i;
    }
}

TEST_F(QuilletFile, MissingFileKeepsDefaults) {
    mkdir("cfg", 0755);
    KeyBindings b = DefaultKeyBindings();
    EXPECT_EQ(ReadKeyBindings(kKeyBindingsPath, &b), 0);
    EXPECT_EQ(FileBytes(b), FileBytes(DefaultKeyBindings()));
}

TEST_F(QuilletFile, ShortFileReplacesOnlyTheBytesItHolds) {
    mkdir("cfg", 0755);
    TestFolder::Write("cfg/tecladoDI.cfg", Sequence(0x40, 13));
    KeyBindings b = DefaultKeyBindings();
    EXPECT_EQ(ReadKeyBindings(kKeyBindingsPath, &b), 13);
    std::string expected = Sequence(0x40, 13) + FileBytes(DefaultKeyBindings()).substr(13);
    EXPECT_EQ(FileBytes(b), expected);

    TestFolder::Write("cfg/tecladoDI.cfg", "");
    b = DefaultKeyBindings();
    EXPECT_EQ(ReadKeyBindings(kKeyBindingsPath, &b), 0);
    EXPECT_EQ(FileBytes(b), FileBytes(DefaultKeyBindings()));

    // Codes outside the key table keep their defaults, as in the game.
    TestFolder::Write("cfg/tecladoDI.cfg", std::string(20, '\xFF'));
    b = DefaultKeyBindings();
    EXPECT_EQ(ReadKeyBindings(kKeyBindingsPath, &b), 20);
    EXPECT_EQ(FileBytes(b), FileBytes(DefaultKeyBindings()));
}

TEST_F(QuilletFile, ReadsPlayerOneThenPlayerTwoAndNoMoreThanTwenty) {
    mkdir("cfg", 0755);
    TestFolder::Write("cfg/tecladoDI.cfg", Sequence(0x01, 25));
    KeyBindings b = DefaultKeyBindings();
    EXPECT_EQ(ReadKeyBindings(kKeyBindingsPath, &b), 20);
    EXPECT_EQ(b.keys[0][0], 0x01);
    EXPECT_EQ(b.keys[0][9], 0x0A);
    EXPECT_EQ(b.keys[1][0], 0x0B);
    EXPECT_EQ(b.keys[1][9], 0x14);
}

TEST_F(QuilletFile, WrittenFileHoldsExactlyTheTwentyKeysInGameOrder) {
    mkdir("cfg", 0755);
    KeyBindings b = DefaultKeyBindings();
    b.keys[0][0] = 0x10;  // Q for player 1 up
    b.keys[1][9] = 0xED;  // a key without a name for player 2 kick 3
    ASSERT_EQ(WriteKeyBindings(kKeyBindingsPath, b), 1);

    std::string onDisk = TestFolder::Read("cfg/tecladoDI.cfg");
    const unsigned char expected[kBindingsFileSize] = {
        0x10, 0xD0, 0xCB, 0xCD, 0x9D, 0x9D, 0x9D, 0x9D, 0x9D, 0x9D,
        0x11, 0x1F, 0x1E, 0x20, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0xED};
    EXPECT_EQ(onDisk, std::string(reinterpret_cast<const char*>(expected), sizeof expected));
    EXPECT_FALSE(TestFolder::Exists("cfg/tecladoDI.cfg.new"));

    KeyBindings back = DefaultKeyBindings();
    back.keys[0][0] = 0;
    EXPECT_EQ(ReadKeyBindings(kKeyBindingsPath, &back), 20);
    EXPECT_EQ(FileBytes(back), FileBytes(b));
}

TEST_F(QuilletFile, WithoutCfgFolderNothingIsWritten) {
    EXPECT_EQ(WriteKeyBindings(kKeyBindingsPath, DefaultKeyBindings()), 0);
    EXPECT_FALSE(TestFolder::Exists("cfg"));
    EXPECT_FALSE(TestFolder::Exists("cfg/tecladoDI.cfg"));
}

TEST_F(QuilletFile, FailedWriteLeavesTheOldFileWhole) {
    mkdir("cfg", 0755);
    std::string old = Sequence(0x30, 20);
    TestFolder::Write("cfg/tecladoDI.cfg", old);
    signal(SIGXFSZ, SIG_IGN);  // a disk that fills after 10 bytes
    struct rlimit was, small;
    getrlimit(RLIMIT_FSIZE, &was);
    small = {10, was.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_EQ(WriteKeyBindings(kKeyBindingsPath, DefaultKeyBindings()), 0);
    setrlimit(RLIMIT_FSIZE, &was);
    EXPECT_EQ(TestFolder::Read("cfg/tecladoDI.cfg"), old);
}

TEST(QuilletCapture, NothingDownKeepsWaiting) {
    State s;
    uint8_t key = 0x77;
    EXPECT_EQ(ApplyCaptureRule(s.keys, DefaultKeyBindings(), &key), kCaptureNothing);
    EXPECT_EQ(key, 0x77);
}

TEST(QuilletCapture, LowestFreeCodeWins) {
    uint8_t key = 0;
    EXPECT_EQ(ApplyCaptureRule(State().Down(0x2D).Down(0x10).Down(0xB8).keys,
                               DefaultKeyBindings(), &key),
              kCaptureTaken);
    EXPECT_EQ(key, 0x10);
}

TEST(QuilletCapture, BoundKeyIsRefusedEvenTheOneBeingChanged) {
    KeyBindings b = DefaultKeyBindings();
    uint8_t key = 0x55;
    // UP is player 1's up, the binding a capture for that row replaces.
    EXPECT_EQ(ApplyCaptureRule(State().Down(0xC8).keys, b, &key), kCaptureRefused);
    EXPECT_EQ(ApplyCaptureRule(State().Down(0x0F).keys, b, &key), kCaptureRefused);  // TAB, player 2
    EXPECT_EQ(key, 0x55);
}

TEST(QuilletCapture, OnlyTheLowestDownKeyIsJudged) {
    KeyBindings b = DefaultKeyBindings();
    uint8_t key = 0;
    // A is bound (player 2 left) and lower than the free X: still refused.
    EXPECT_EQ(ApplyCaptureRule(State().Down(0x1E).Down(0x2D).keys, b, &key), kCaptureRefused);
    // Q is free and lower than the bound UP: taken.
    EXPECT_EQ(ApplyCaptureRule(State().Down(0xC8).Down(0x10).keys, b, &key), kCaptureTaken);
    EXPECT_EQ(key, 0x10);
}

TEST(QuilletCapture, UnboundEscapeAndUnnamedCodesAreTaken) {
    KeyBindings b = DefaultKeyBindings();
    uint8_t key = 0;
    EXPECT_EQ(ApplyCaptureRule(State().Down(0x01).keys, b, &key), kCaptureTaken);
    EXPECT_EQ(key, 0x01);
    EXPECT_EQ(ApplyCaptureRule(State().Down(kDikMediaSelect).keys, b, &key), kCaptureTaken);
    EXPECT_EQ(key, kDikMediaSelect);
    EXPECT_EQ(DikLabel(key), "");

    // Once bound, Escape is refused like any other key.
    b.keys[1][3] = 0x01;
    EXPECT_EQ(ApplyCaptureRule(State().Down(0x01).keys, b, &key), kCaptureRefused);
}

TEST(QuilletHeldKeys, KeyEventsBecomeDikCodes) {
    HeldKeys held;
    held.Press(kXQ);
    held.Press(kXUp);
    held.Press(kXRightCtrl);
    EXPECT_TRUE(held.IsDown(0x10));
    EXPECT_TRUE(held.IsDown(0xC8));
    EXPECT_TRUE(held.IsDown(0x9D));
    held.Release(kXUp);
    EXPECT_FALSE(held.IsDown(0xC8));
    EXPECT_TRUE(held.IsDown(0x10));
    held.Clear();
    for (int code = 0; code < kHeldKeyCount; ++code) EXPECT_FALSE(held.IsDown(code)) << code;
}

TEST(QuilletHeldKeys, KeysWithoutACodeAreIgnored) {
    HeldKeys held;
    const int unknown[] = {0, 3, 7, -5, 100000};
    for (int keycode : unknown) held.Press(keycode);
    for (int code = 0; code < kHeldKeyCount; ++code) EXPECT_FALSE(held.IsDown(code)) << code;
    EXPECT_FALSE(held.IsDown(-1));
    EXPECT_FALSE(held.IsDown(kHeldKeyCount));
}

TEST(QuilletHeldKeys, TwoKeysHeldGiveTheLowerCode) {
    HeldKeys held;
    held.Press(kXA);  // DIK 0x1E
    held.Press(kXQ);  // DIK 0x10
    KeyBindings b = DefaultKeyBindings();
    b.keys[1][2] = 0x11;  // free A for the test
    uint8_t key = 0;
    EXPECT_EQ(ApplyCaptureRule(held.State(), b, &key), kCaptureTaken);
    EXPECT_EQ(key, 0x10);

    HeldKeys escape;
    escape.Press(kXEscape);
    EXPECT_EQ(ApplyCaptureRule(escape.State(), b, &key), kCaptureTaken);
    EXPECT_EQ(key, 0x01);
}

TEST(QuilletLabels, EveryKnownKeyHasThePrefixedName) {
    for (int i = 0; i < kKeyNameCount; ++i)
        EXPECT_EQ(DikLabel(kKeyCodes[i]), std::string("DIK_") + kKeyNames[i]);
    EXPECT_EQ(DikLabel(0x01), "DIK_ESCAPE");
    EXPECT_EQ(DikLabel(0xEC), "DIK_MAIL");
    const int unnamed[] = {0x00, 0x54, kDikMediaSelect, 0xFF, -1, 256};
    for (int code : unnamed) EXPECT_EQ(DikLabel(code), "") << code;
}

}  // namespace
