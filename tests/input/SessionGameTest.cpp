// The real program replaying sessions, with the windowless renderer.
#include <gtest/gtest.h>

#include "tests/input/GameLog.h"
#include "tests/e2e/GameRun.h"

namespace {

const char kSession[] =
    "# intro, then a few keys\n"
    "0.016\n0.016 +RETURN\n0.017 -RETURN\n0.2 +LEFT +INSERT\n0.016 -LEFT\n"
    "0.016 -INSERT +ESCAPE\n0.016 -ESCAPE\n0.5\n";

struct Outcome {
    int exit = -2;
    std::string log, keys, trace;
};

Outcome Replay(const std::string& session) {
    GameRun game;
    Outcome out;
    if (!game.copied()) return out;
    game.UseRenderer("Headless.dll");
    game.Write("session.txt", session);
    game.Start({}, {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                    "CORRALON_REPLAY=" + game.Path("session.txt"),
                    "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")});
    out.exit = game.Wait(60.0);
    out.log = game.Read("logs/log.txt");
    out.keys = game.Read("cfg/tecladoDI.cfg");
    out.trace = game.Read("trace.txt");
    return out;
}

// The frame count of a replay; what the keys change (options, keys, fights)
// is held by the whole-session suite in tests/sessions.
TEST(SessionGame, ReplayRunsOneFramePerLineAndEndsTheGameNormally) {
    const struct {
        std::string session;
        size_t frames;
    } cases[] = {
        {kSession, 8},
        {"# three frames\n0.016\n0.016 +RETURN\n0.016 -RETURN\n", 3},
        {"0.5\n", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.session);
        Outcome out = Replay(c.session);
        ASSERT_EQ(out.exit, 0) << "the end of the file closes the game; log:\n" << out.log;
        EXPECT_NE(out.log.find("Fin del log"), std::string::npos);
        EXPECT_EQ(out.keys.size(), 20u);
        // The logo at start-up, one frame per line, the frame that finds the end.
        EXPECT_EQ(PresentCount(out.trace), 1 + c.frames + 1) << out.trace;
    }
}

TEST(SessionGame, BrokenSessionIsLoggedAndClosesTheGame) {
    Outcome out = Replay("0.016 +RETURN\n0.016 +NOSUCHKEY\n0.016\n");
    ASSERT_EQ(out.exit, 0);
    EXPECT_NE(out.log.find("     Teclado: Sesion "), std::string::npos) << out.log;
    EXPECT_NE(out.log.find("linea 2 incorrecta: unknown key change '+NOSUCHKEY'"), std::string::npos);
}

}  // namespace
