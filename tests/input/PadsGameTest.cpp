// The real program replaying a session played with pads.
#include <gtest/gtest.h>

#include "tests/e2e/GameRun.h"

namespace {

struct Outcome {
    int exit = -2;
    std::string log, keys, options;
};

Outcome Replay(const std::string& session) {
    GameRun game;
    game.UseRenderer("Headless.dll");
    game.Write("session.txt", session);
    game.Start({}, {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                    "CORRALON_REPLAY=" + game.Path("session.txt")});
    const int exit = game.Wait(60.0);
    return {exit, game.Read("logs/log.txt"), game.Read("cfg/tecladoDI.cfg"),
            game.Read("cfg/config.cfg")};
}

TEST(PadsGame, ReplayedPadsAreLoggedAndLeaveTheSavedFilesAsKeysAlone) {
    const Outcome pads = Replay(
        "0.016\n0.016 +PAD1=USB%20Gamepad\n0.016 +PAD1:START\n0.016 -PAD1:START +PAD2=Otro\n"
        "0.016 +PAD2:DOWN +PAD2:PUNCH1\n0.016 -PAD1\n0.016\n");
    ASSERT_EQ(pads.exit, 0) << pads.log;
    EXPECT_NE(pads.log.find("     Mando: conectado USB Gamepad como jugador 1\n"
                            "     Mando: conectado Otro como jugador 2\n"
                            "     Mando: desconectado USB Gamepad, jugador 1 libre\n"),
              std::string::npos)
        << pads.log;
    // Pads neither bind keys nor change options.
    const Outcome keys =
        Replay("0.016\n0.016\n0.016 +RETURN\n0.016 -RETURN\n0.016\n0.016\n0.016\n");
    ASSERT_EQ(keys.exit, 0);
    EXPECT_EQ(pads.keys.size(), 20u);
    EXPECT_EQ(pads.keys, keys.keys);
    EXPECT_EQ(pads.options, keys.options);
}

}  // namespace
