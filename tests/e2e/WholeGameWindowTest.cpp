// The whole game in a real window under a virtual X server, driven with
// xdotool the way a player would: the intro skipped, an arcade fight picked,
// paused and quit, "SALIR", the credits, and
// the program ending. F12 takes a screenshot of every screen; they are kept
// in build/review/paseo/ and lead build/review/partida.png (tests/review).
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
    ASSERT_TRUE(w.Tap("Escape", "ESCAPE"));   // pause
    ASSERT_TRUE(w.Screenshot()) << "pause";
    ASSERT_TRUE(w.Tap("Escape", "ESCAPE"));   // quit to the menu
    ASSERT_TRUE(w.Play(0.5));
    ASSERT_TRUE(w.Tap("Down", "DOWN"));
    ASSERT_TRUE(w.Tap("Down", "DOWN"));       // SALIR
    ASSERT_TRUE(w.Tap("Return", "RETURN"));
    ASSERT_TRUE(w.Play(3.0));
    ASSERT_TRUE(w.Screenshot()) << "credits";
    // Escape ends the credits, and with them the program.
    ASSERT_TRUE(Shell("xdotool keydown Escape"));
    const int status = game.Wait(60.0);
    Shell("xdotool keyup Escape");
    ASSERT_EQ(status, 0) << "the credits close the program";

    const std::string log = game.Read("logs/log.txt");
    EXPECT_NE(log.find("Fin del log"), std::string::npos) << log;
    // Every picture the renderer says it saved, in order, kept for the
    // review sheet (tests/review) and checked not blank.
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
    EXPECT_EQ(saved, 6) << log;
    const std::string walk = std::string(CORRALON_REVIEW_DIR) + "/paseo";
    ASSERT_TRUE(Shell("rm -rf '" + walk + "' && mkdir -p '" + walk + "' && cp" + shots + " '" + walk + "/'"));
    EXPECT_TRUE(Shell(std::string("python3 '") + CORRALON_SOURCE_DIR + "/scripts/contact_sheet.py' '" +
                      walk + "/hoja.png'" + shots))
        << "a screenshot is blank or unreadable";
}

}  // namespace
