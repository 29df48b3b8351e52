// The live pad source against SDL's virtual pads.
#include "platform/PadSourceSDL.h"

#include <memory>

#include "tests/PadTestSupport.h"

namespace {

class PadSourceTest : public SdlPads {
protected:
    void TearDown() override {
        source.reset();
        SdlPads::TearDown();
    }
    void Start() { source.reset(PadSourceSDL::Open()); }
    const PadFrame& Read() {
        source->Read(&frame);
        return frame;
    }
    // Each player's pad name, "-" for a free player.
    std::string Players() {
        Read();
        return (frame.players[0].connection ? frame.players[0].name : "-") + "," +
               (frame.players[1].connection ? frame.players[1].name : "-");
    }

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
    EXPECT_EQ(frame.players[1].connection, bConnection) << "player 2 keeps his pad";
    VirtualPad c("Pad C");
    EXPECT_EQ(Players(), "Pad C,Pad B");
    VirtualPad d("Pad D");
    EXPECT_EQ(Players(), "Pad C,Pad B") << "a third pad waits";
    b.Unplug();
    EXPECT_EQ(Players(), "Pad C,Pad D");
}

TEST_F(PadSourceTest, ButtonsAndStickGiveTheGameButtons) {
    const int kStick = -1;
    const struct {
        int button, x, y;
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
        // The stick: a dead zone, then eight directions.
        {kStick, 7000, 0, 0},
        {kStick, 5000, -5000, 0},
        {kStick, 9000, 0, kInputRight},
        {kStick, -32768, 0, kInputLeft},
        {kStick, 0, -32768, kInputUp},
        {kStick, 0, 32767, kInputDown},
        {kStick, 23170, 23170, kInputDown | kInputRight},
        {kStick, -20000, -20000, kInputUp | kInputLeft},
        {kStick, 32767, 12000, kInputRight},              // 20 degrees off: one side
        {kStick, 32767, -15000, kInputRight | kInputUp},  // 25 degrees off: the diagonal
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, -32768, 0, kInputLeft | kInputRight},
    };
    VirtualPad pad("Pad");
    Start();
    Read();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.button << " at " << c.x << "," << c.y);
        pad.Release();
        if (c.button != kStick) pad.Button(c.button, true);
        pad.Stick(c.x, c.y);
        EXPECT_EQ(Read().players[0].buttons, c.expected);
    }
}

TEST_F(PadSourceTest, MappingFileMakesAnUnknownJoystickAPad) {
    VirtualPad odd("Odd Stick", false);
    Start();
    EXPECT_EQ(Players(), "-,-");
    EXPECT_EQ(Players(), "-,-");
    EXPECT_EQ(Log(), "     Mando: Odd Stick no se puede usar: sin asignacion de botones\n");

    // Its line of the community database: punch 1 is its button 3.
    SDL_JoystickGUID guid = odd.guid();
    guid.data[2] = guid.data[3] = 0;  // file lines carry no checksum of the name
    char text[64];
    SDL_JoystickGetGUIDString(guid, text, sizeof text);
    std::ofstream("cfg/gamecontrollerdb.txt")
        << "# pads\n" << text << ",Odd Stick,a:b3,start:b0,platform:Linux,\n";
    Start();
    EXPECT_EQ(Players(), "Odd Stick,-");
    odd.Button(3, true);
    odd.Button(0, true);
    EXPECT_EQ(Read().players[0].buttons, kInputPunch1 | kPadStart);
}

}  // namespace
