// The file Quillet saves, as the game's own keyboard reads it at start and
// writes it back at exit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "platform/KeyNames.h"
#include "platform/KeyboardSource.h"
#include "input/TecladoDI.h"
#include "tests/TestFolder.h"
#include "tools/keyconfig/KeyBindings.h"
#include "tools/keyconfig/KeyLabels.h"

namespace {

class HeldByTest : public KeyboardSource {
public:
    explicit HeldByTest(uint8_t* keys) : keys_(keys) {}
    bool Read(uint8_t state[kKeyStateSize]) override {
        memcpy(state, keys_, kKeyStateSize);
        return true;
    }

private:
    uint8_t* keys_;
};

class QuilletGameFile : public ::testing::Test {
protected:
    void SetUp() override { mkdir("cfg", 0755); }

    // A game keyboard started in the test folder, with keys the test holds.
    TecladoDI* StartGameKeyboard() {
        keyboard_ = new TecladoDI(new HeldByTest(keys_));
        return keyboard_->Init(nullptr, nullptr) == 1 ? keyboard_ : nullptr;
    }

    // Holds one key alone and answers the game's flags for player `player`.
    InputFlags FlagsWithOnly(int player, uint8_t code) {
        memset(keys_, 0, sizeof keys_);
        keys_[code] = kKeyDown;
        keyboard_->Poll();
        return keyboard_->GetInput(player, 1, 0.6f);  // long frames: no special moves
    }

    void TearDown() override { delete keyboard_; }

    TestFolder folder;
    uint8_t keys_[kKeyStateSize] = {};
    TecladoDI* keyboard_ = nullptr;
};

TEST_F(QuilletGameFile, GameStartsWithExactlyTheSavedKeys) {
    KeyBindings saved = DefaultKeyBindings();
    saved.keys[0][0] = 0x10;  // Q: player 1 up
    saved.keys[0][5] = 0xED;  // a key without a name: player 1 kick 1
    saved.keys[1][9] = 0x01;  // Escape: player 2 kick 3
    ASSERT_EQ(WriteKeyBindings(kKeyBindingsPath, saved), 1);

    TecladoDI* game = StartGameKeyboard();
    ASSERT_NE(game, nullptr);
    for (int p = 0; p < kPlayerCount; ++p) {
        for (int i = 0; i < kBindingsPerPlayer; ++i) {
            uint8_t code = saved.keys[p][i];
            const char* name = game->KeyName(p, kBindingBits[i]);
            EXPECT_EQ(name ? "DIK_" + std::string(name) : std::string(), DikLabel(code))
                << "player " << p << " binding " << i;
            // Player 2's six actions share TAB, player 1's five RCONTROL:
            // holding the key gives every bit bound to it.
            uint32_t expected = 0;
            for (int j = 0; j < kBindingsPerPlayer; ++j)
                if (saved.keys[p][j] == code) expected |= kBindingBits[j];
            EXPECT_EQ(FlagsWithOnly(p, code), expected) << "player " << p << " binding " << i;
        }
    }
}

TEST_F(QuilletGameFile, GameExitWritesBackTheSameBytes) {
    KeyBindings saved = DefaultKeyBindings();
    saved.keys[1][0] = 0x48;  // NUMPAD8
    ASSERT_EQ(WriteKeyBindings(kKeyBindingsPath, saved), 1);
    std::string before = TestFolder::Read("cfg/tecladoDI.cfg");
    ASSERT_EQ(before.size(), static_cast<size_t>(kBindingsFileSize));

    TecladoDI* game = StartGameKeyboard();
    ASSERT_NE(game, nullptr);
    game->Shutdown();
    EXPECT_EQ(TestFolder::Read("cfg/tecladoDI.cfg"), before);

    KeyBindings reread = DefaultKeyBindings();
    EXPECT_EQ(ReadKeyBindings(kKeyBindingsPath, &reread), kBindingsFileSize);
    EXPECT_EQ(memcmp(reread.keys, saved.keys, sizeof saved.keys), 0);
}

}  // namespace
