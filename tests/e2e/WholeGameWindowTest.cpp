// The whole game in a real window under a virtual X server, driven with
// xdotool the way a player would: the intro skipped, an arcade fight picked
// and fought until a round ends, paused and quit, "SALIR", the credits, and
// the program closing by itself. F12 takes a screenshot of every screen;
// they end up side by side on build/review/partida.png, followed by every
// screen of the review session (tests/review) replayed in a real window,
// each also kept at full size in build/review/.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/e2e/GameRun.h"

namespace {

class WholeGame {
public:
    GameRun game;

    // Game time so far: the frame times the session recorder wrote.
    double Seconds() const {
        std::istringstream in(game.Read("session.txt"));
        double total = 0.0;
        for (std::string line; std::getline(in, line);)
            if (!line.empty() && line[0] != '#') total += atof(line.c_str());
        return total;
    }
    // Waits until the game has run `seconds` more of its own time.
    bool Play(double seconds) {
        const double until = Seconds() + seconds;
        return GameRun::WaitFor([&] { return Seconds() >= until; }, 60.0 + seconds * 4);
    }
    // A key tapped, held until the game has seen it go down and up.
    bool Tap(const std::string& key, const std::string& recorded) {
        const size_t downs = Occurrences(game.Read("session.txt"), " +" + recorded);
        const size_t ups = Occurrences(game.Read("session.txt"), " -" + recorded);
        if (!Shell("xdotool keydown " + key)) return false;
        if (!GameRun::WaitFor([&] { return Occurrences(game.Read("session.txt"), " +" + recorded) > downs; }, 30.0))
            return false;
        if (!Shell("xdotool keyup " + key)) return false;
        return GameRun::WaitFor([&] { return Occurrences(game.Read("session.txt"), " -" + recorded) > ups; }, 30.0) &&
               Play(0.2);
    }
    // F12, then the renderer's log line for the saved picture.
    bool Screenshot() {
        const size_t before = Occurrences(game.Read("logs/log.txt"), "Captura guardada en ");
        if (!Tap("F12", "F12")) return false;
        return GameRun::WaitFor(
            [&] { return Occurrences(game.Read("logs/log.txt"), "Captura guardada en ") > before; }, 30.0);
    }
};

TEST(WholeGameWindow, APlayerWalksThroughEveryScreen) {
    WholeGame w;
    GameRun& game = w.game;
    ASSERT_TRUE(game.copied());
    if (!game.Exists("Krellin.so")) GTEST_SKIP() << "no OpenGL renderer built";
    game.UseRenderer("Krellin.dll");
    // Rounds of 10 seconds, two to win: the first ends while the match goes on.
    game.Write("cfg/config.cfg", std::string("\x00\x00\x00\x20\x41\x00\x02\x00\x00\x00", 10));
    game.Start({}, {"SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy",
                    "CORRALON_RECORD=" + game.Path("session.txt")});
    ASSERT_TRUE(GameRun::WaitFor([] { return Shell("xdotool search --name 'OGL' >/dev/null 2>&1"); }, 30.0))
        << game.Read("logs/log.txt");
    ASSERT_TRUE(w.Play(3.0));

    ASSERT_TRUE(w.Screenshot()) << "intro";
    ASSERT_TRUE(w.Tap("Escape", "ESCAPE"));
    ASSERT_TRUE(w.Play(1.5));
    ASSERT_TRUE(w.Screenshot()) << "main menu";
    ASSERT_TRUE(w.Tap("Return", "RETURN"));   // JUGAR
    ASSERT_TRUE(w.Tap("Return", "RETURN"));   // 1 PLAYER (ARCADE)
    ASSERT_TRUE(w.Play(1.0));
    ASSERT_TRUE(w.Screenshot()) << "selection";
    ASSERT_TRUE(w.Tap("Insert", "INSERT"));   // player 1 picks
    ASSERT_TRUE(GameRun::WaitFor(
        [&] { return game.Read("logs/log.txt").find("Bichos: Cargado Bicho") != std::string::npos; }, 120.0))
        << "the fight never started";
    ASSERT_TRUE(w.Play(4.0));
    ASSERT_TRUE(w.Screenshot()) << "fight";
    ASSERT_TRUE(w.Play(11.0));                // the 10-second round runs out
    ASSERT_TRUE(w.Screenshot()) << "round end";
    ASSERT_TRUE(w.Play(8.0));
    ASSERT_TRUE(w.Tap("Escape", "ESCAPE"));   // pause
    ASSERT_TRUE(w.Screenshot()) << "pause";
    ASSERT_TRUE(w.Tap("Escape", "ESCAPE"));   // quit to the menu
    ASSERT_TRUE(w.Play(0.5));
    ASSERT_TRUE(w.Tap("Down", "DOWN"));
    ASSERT_TRUE(w.Tap("Down", "DOWN"));       // SALIR
    ASSERT_TRUE(w.Tap("Return", "RETURN"));
    ASSERT_TRUE(w.Play(3.0));
    ASSERT_TRUE(w.Screenshot()) << "credits";
    ASSERT_EQ(game.Wait(120.0), 0) << "the credits close the program by themselves";

    const std::string log = game.Read("logs/log.txt");
    EXPECT_NE(log.find("Fin del log"), std::string::npos) << log;
    // Every picture the renderer says it saved, in order.
    std::string shots;
    int saved = 0;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.find("Captura guardada en ");
        if (at == std::string::npos) continue;
        std::string path = line.substr(at + 20);
        for (char& c : path)
            if (c == '\\') c = '/';
        shots += " '" + game.Path(path) + "'";
        ++saved;
    }
    EXPECT_EQ(saved, 7) << log;
    const std::string review = CORRALON_REVIEW_DIR;
    ASSERT_TRUE(Shell("rm -rf '" + review + "' && mkdir -p '" + review + "/paseo'"));
    Shell("cp" + shots + " '" + review + "/paseo/'");
    // Then every screen at its marked moment, from a replayed session in a
    // real window, kept at full size beside the sheet.
    const std::string listed = game.Path("pantallas.txt");
    EXPECT_TRUE(Shell(std::string("SDL_VIDEODRIVER=x11 python3 '") + CORRALON_SOURCE_DIR +
                      "/scripts/review_shots.py' '" + CORRALON_GAME_DIR + "' '" + CORRALON_SOURCE_DIR +
                      "/tests/review/partida.session' '" + review + "/pantallas' > '" + listed + "'"));
    std::istringstream screens(game.Read("pantallas.txt"));
    for (std::string path; std::getline(screens, path);) shots += " '" + path + "'";
    EXPECT_TRUE(Shell(std::string("python3 '") + CORRALON_SOURCE_DIR + "/scripts/contact_sheet.py' '" +
                      review + "/partida.png'" + shots))
        << "a screenshot is blank or unreadable";
}

}  // namespace
