// The real program replaying sessions, with the windowless renderer.
#include <gtest/gtest.h>

#include "GameLog.h"
#include "tests/e2e/GameRun.h"

namespace {

const char kSession[] =
    "# intro, then a few keys\n"
    "0.016\n0.016 +RETURN\n0.017 -RETURN\n0.2 +LEFT +INSERT\n0.016 -LEFT\n"
    "0.016 -INSERT +ESCAPE\n0.016 -ESCAPE\n0.5\n";

struct Outcome {
    int exit = -2;
    std::string log, options, keys;
};

Outcome Replay(const std::string& session) {
    GameRun game;
    Outcome out;
    if (!game.copied()) return out;
    game.UseRenderer("Headless.dll");
    game.Write("session.txt", session);
    game.Start({}, {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                    "CORRALON_REPLAY=" + game.Path("session.txt")});
    out.exit = game.Wait(60.0);
    out.log = game.Read("logs/log.txt");
    out.options = game.Read("cfg/config.cfg");
    out.keys = game.Read("cfg/tecladoDI.cfg");
    return out;
}

TEST(SessionGame, ReplayEndsTheGameNormallyAndRepeatsItself) {
    Outcome first = Replay(kSession);
    ASSERT_EQ(first.exit, 0) << "the end of the file closes the game; log:\n" << first.log;
    EXPECT_NE(first.log.find("Fin del log"), std::string::npos);
    EXPECT_EQ(first.keys.size(), 20u);
    Outcome second = Replay(kSession);
    ASSERT_EQ(second.exit, 0);
    EXPECT_EQ(LogWithoutTicks(second.log), LogWithoutTicks(first.log));
    EXPECT_EQ(second.options, first.options);
    EXPECT_EQ(second.keys, first.keys);
}

TEST(SessionGame, BrokenSessionIsLoggedAndClosesTheGame) {
    Outcome out = Replay("0.016 +RETURN\n0.016 +NOSUCHKEY\n0.016\n");
    ASSERT_EQ(out.exit, 0);
    EXPECT_NE(out.log.find("     Teclado: Sesion "), std::string::npos) << out.log;
    EXPECT_NE(out.log.find("linea 2 incorrecta: unknown key change '+NOSUCHKEY'"), std::string::npos);
}

}  // namespace
