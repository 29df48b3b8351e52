// The live pad source against SDL's virtual pads.
#include "platform/PadSourceSDL.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "VirtualPad.h"
#include "tests/TestFolder.h"

namespace {

class PadSourceTest : public testing::Test {
protected:
    void SetUp() override {
        mkdir("logs", 0755);
        mkdir("cfg", 0755);
        ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    void TearDown() override {
        source.reset();
        SDL_Quit();
    }
    void Start() {
        source.reset(PadSourceSDL::Open());
        ASSERT_TRUE(source);
    }
    const PadFrame& Read() {
        source->Read(&frame);
        return frame;
    }
    // The player names, "-" for a free player.
    std::string Players() {
        Read();
        std::string names;
        for (const PadSlot& slot : frame.players)
            names += (names.empty() ? "" : ",") + (slot.connection ? slot.name : "-");
        return names;
    }

    TestFolder folder;
    std::unique_ptr<PadSourceSDL> source;
    PadFrame frame;
};

TEST_F(PadSourceTest, PadsTakeTheLowestFreePlayerAsTheyComeAndGo) {
    VirtualPad a("Pad A");
    Start();
    EXPECT_EQ(Players(), "Pad A,-") << "plugged in before start-up";
    VirtualPad b("Pad B");
    EXPECT_EQ(Players(), "Pad A,Pad B");
    const uint32_t bConnection = frame.players[1].connection;
    a.Unplug();
    EXPECT_EQ(Players(), "-,Pad B");
    EXPECT_EQ(frame.players[1].connection, bConnection) << "player 2 keeps its pad";
    VirtualPad c("Pad C");
    EXPECT_EQ(Players(), "Pad C,Pad B");
    VirtualPad d("Pad D");
    EXPECT_EQ(Players(), "Pad C,Pad B") << "a third pad waits";
    b.Unplug();
    EXPECT_EQ(Players(), "Pad C,Pad D");
    EXPECT_NE(frame.players[1].connection, bConnection);
}

TEST_F(PadSourceTest, ButtonsAndStickGiveTheGameButtons) {
    const int kNone = -1;
    const struct {
        int button;
        int x, y;
        uint32_t expected;
    } cases[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, 0, 0, kInputUp},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, 0, kInputDown},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, 0, kInputLeft},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, 0, kInputRight},
        {SDL_CONTROLLER_BUTTON_A, 0, 0, kInputPunch1},
        {SDL_CONTROLLER_BUTTON_B, 0, 0, kInputPunch2},
        {SDL_CONTROLLER_BUTTON_X, 0, 0, kInputPunch3},
        {SDL_CONTROLLER_BUTTON_Y, 0, 0, kInputKick1},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 0, 0, kInputKick2},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0, 0, kInputKick3},
        {SDL_CONTROLLER_BUTTON_START, 0, 0, kPadStart},
        {SDL_CONTROLLER_BUTTON_BACK, 0, 0, kPadBack},
        {SDL_CONTROLLER_BUTTON_GUIDE, 0, 0, 0},
        {SDL_CONTROLLER_BUTTON_LEFTSTICK, 0, 0, 0},
        // The stick: a dead zone, then eight directions.
        {kNone, 7000, 0, 0},
        {kNone, 5000, -5000, 0},
        {kNone, 9000, 0, kInputRight},
        {kNone, -32768, 0, kInputLeft},
        {kNone, 0, -32768, kInputUp},
        {kNone, 0, 32767, kInputDown},
        {kNone, 23170, 23170, kInputDown | kInputRight},
        {kNone, -20000, -20000, kInputUp | kInputLeft},
        {kNone, 32767, 12000, kInputRight},               // 20 degrees off: still one side
        {kNone, 32767, -15000, kInputRight | kInputUp},   // 25 degrees off: the diagonal
        // Both at once add up.
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, -32768, 0, kInputLeft | kInputRight},
    };
    VirtualPad pad("Pad");
    Start();
    Read();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.button << " at " << c.x << "," << c.y);
        pad.Release();
        if (c.button != kNone) pad.Button(c.button, true);
        pad.Stick(c.x, c.y);
        EXPECT_EQ(Read().players[0].buttons, c.expected);
    }
}

TEST_F(PadSourceTest, MappingFileMakesAnUnknownJoystickAPad) {
    VirtualPad odd("Odd Stick", false);
    Start();
    EXPECT_EQ(Players(), "-,-");
    EXPECT_EQ(Players(), "-,-");
    const std::string log = TestFolder::Read("logs/log.txt");
    EXPECT_EQ(log, "     Mando: Odd Stick no se puede usar: sin asignacion de botones\n");

    // A line of the community database for it: its punch 1 is button 3.
    SDL_JoystickGUID guid = odd.guid();
    guid.data[2] = guid.data[3] = 0;  // file lines carry no checksum of the name
    char text[64];
    SDL_JoystickGetGUIDString(guid, text, sizeof text);
    const std::string line = std::string(text) + ",Odd Stick,a:b3,start:b0,platform:Linux,\n";
    TestFolder::Write("cfg/gamecontrollerdb.txt", "# pads\n" + line);
    source.reset();
    Start();
    EXPECT_EQ(Players(), "Odd Stick,-");
    odd.Button(3, true);
    odd.Button(0, true);
    EXPECT_EQ(Read().players[0].buttons, kInputPunch1 | kPadStart);
}

}  // namespace
