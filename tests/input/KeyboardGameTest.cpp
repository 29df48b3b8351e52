// The real program under a virtual X server, driven with xdotool: the keys
// reach the keyboard's recording, and the recording replays.
#include <gtest/gtest.h>

#include "tests/input/GameLog.h"
#include "tests/e2e/GameRun.h"

namespace {

bool WindowShown() { return Shell("xdotool search --name 'OGL' >/dev/null 2>&1"); }

TEST(KeyboardGame, LiveKeysReachTheKeyboardAndTheSessionReplays) {
    GameRun live;
    ASSERT_TRUE(live.copied());
    if (!live.Exists("Krellin.so")) GTEST_SKIP() << "no OpenGL renderer built";
    live.UseRenderer("Krellin.dll");
    std::string session = live.Path("session.txt");
    live.Start({}, {"SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy", "CORRALON_RECORD=" + session});
    ASSERT_TRUE(GameRun::WaitFor(WindowShown, 30.0)) << live.Read("logs/log.txt");
    // Frames are running once the session grows.
    ASSERT_TRUE(GameRun::WaitFor([&] { return live.Read("session.txt").size() > 200; }, 30.0));

    // Each change goes on once the game has recorded the one before: a key
    // is held for at least a frame, however slow the machine.
    auto press = [&](const std::string& xdotool, std::initializer_list<const char*> changes) {
        if (!Shell("xdotool " + xdotool)) return false;
        return GameRun::WaitFor([&] {
            const std::string recorded = live.Read("session.txt");
            for (const char* change : changes)
                if (recorded.find(change) == std::string::npos) return false;
            return true;
        }, 30.0);
    };
    // Escape skips the intro; OPCIONES > ROUNDS PARA GANAR > AUMENTAR: 2 -> 3.
    const std::pair<std::string, std::string> keys[] = {  // xdotool's name, the session's
        {"Escape", "ESCAPE"}, {"Down", "DOWN"}, {"Return", "RETURN"},
        {"Down", "DOWN"},     {"Return", "RETURN"}, {"Return", "RETURN"}};
    for (const auto& k : keys) {
        const std::string& key = k.first;
        const std::string& name = k.second;
        const size_t ups = Occurrences(live.Read("session.txt"), " -" + name);
        ASSERT_TRUE(Shell("xdotool keydown " + key));
        ASSERT_TRUE(GameRun::WaitFor([&] { return Occurrences(live.Read("session.txt"), " +" + name) > ups; }, 30.0));
        ASSERT_TRUE(Shell("xdotool keyup " + key));
        ASSERT_TRUE(GameRun::WaitFor([&] { return Occurrences(live.Read("session.txt"), " -" + name) > ups; }, 30.0));
    }
    ASSERT_TRUE(press("keydown w keydown Right", {" +W", " +RIGHT"}));
    ASSERT_TRUE(press("keyup w keyup Right", {" -W", " -RIGHT"}));
    live.Signal(SIGTERM);
    ASSERT_EQ(live.Wait(30.0), 0);

    std::string recorded = live.Read("session.txt");
    for (const char* change : {" +RIGHT", " -RIGHT", " +W", " -W", " +ESCAPE", " -ESCAPE",
                               " +DOWN", " -DOWN", " +RETURN", " -RETURN"})
        EXPECT_NE(recorded.find(change), std::string::npos) << change << " missing from\n" << recorded;

    // The keys changed an option: three rounds to win, saved at exit.
    const std::string threeRounds("\x00\x00\x00\x70\x42\x00\x03\x00\x00\x00", 10);
    EXPECT_EQ(live.Read("cfg/config.cfg"), threeRounds);

    // Replayed, the recording drives the game one frame per line, closes it
    // at its end and leaves the same option behind.
    GameRun replay;
    ASSERT_TRUE(replay.copied());
    replay.UseRenderer("Headless.dll");
    replay.Write("session.txt", recorded);
    replay.Start({}, {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                      "CORRALON_REPLAY=" + replay.Path("session.txt"),
                      "CORRALON_HEADLESS_TRACE=" + replay.Path("trace.txt")});
    ASSERT_EQ(replay.Wait(60.0), 0) << "the replay closes the game at its end";
    // The logo at start-up, one frame per line, the frame that finds the end.
    EXPECT_EQ(PresentCount(replay.Read("trace.txt")), 1 + SessionFrames(recorded) + 1);
    EXPECT_EQ(replay.Read("logs/log.txt").find("Teclado"), std::string::npos)
        << replay.Read("logs/log.txt");
    EXPECT_EQ(replay.Read("cfg/config.cfg"), threeRounds);
}

}  // namespace
