// The real program replaying a visit to the options and the key screen:
// what it saves at exit is what the menus were told.
#include <gtest/gtest.h>

#include "tests/e2e/GameRun.h"

namespace {

// One frame per line; a press is a frame with the key down and one with it
// up, so every once-per-press query sees it exactly once.
class Session {
public:
    Session& Idle(int frames) {
        for (int i = 0; i < frames; ++i) text_ += "0.02\n";
        frames_ += frames;
        return *this;
    }
    Session& Press(const std::string& key, int times = 1) {
        for (int i = 0; i < times; ++i) text_ += "0.02 +" + key + "\n0.02 -" + key + "\n";
        frames_ += 2 * times;
        return *this;
    }
    const std::string& text() const { return text_; }
    size_t frames() const { return frames_; }

private:
    std::string text_ = "# options and keys\n";
    size_t frames_ = 0;
};

TEST(OptionsSession, OptionsAndARebindingReachTheSavedFiles) {
    // Player 1: arrows move, INSERT (punch 1) selects, DELETE (kick 1) goes back.
    Session s;
    s.Press("ESCAPE").Idle(40);            // the intro, however long it is
    s.Press("DOWN").Press("INSERT");       // OPCIONES
    s.Press("DOWN", 2).Press("INSERT");    // TIEMPO > TIEMPO POR ROUND
    s.Press("INSERT", 2).Press("DELETE");  // 60 -> 90 -> unlimited
    s.Press("UP").Press("INSERT");         // ROUNDS PARA GANAR > AUMENTAR
    s.Press("INSERT").Press("DELETE");     // 2 -> 3
    s.Press("UP").Press("INSERT");         // CONFIGURACION DEL TECLADO
    s.Press("DOWN", 5).Press("INSERT");    // capture player 1's punch 2
    s.Press("W");                          // bound to player 2: refused
    s.Press("K");
    s.Press("ESCAPE", 4).Idle(10);         // up to the top, the credits, their end

    GameRun game;
    ASSERT_TRUE(game.copied());
    game.UseRenderer("Headless.dll");
    game.Write("session.txt", s.text());
    game.Start({}, {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                    "CORRALON_REPLAY=" + game.Path("session.txt"),
                    "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")});
    ASSERT_EQ(game.Wait(60.0), 0) << game.Read("logs/log.txt");

    const std::string trace = game.Read("trace.txt");
    size_t presents = 0;
    for (size_t at = trace.find("Present"); at != std::string::npos; at = trace.find("Present", at + 1))
        ++presents;
    EXPECT_LT(presents, s.frames()) << "the credits, not the end of the session, closed the game";
    for (const char* shown : {"ILIMITADO", "ROUNDS ACTUALES: 3", "TECLA ERRONEA O YA ASIGNADA",
                              "PU\xD1" "O2 <K>"})
        EXPECT_NE(trace.find(shown), std::string::npos) << shown;
    // Unlimited time (the round time stays 90.0f), player 2's stage, 3 rounds.
    EXPECT_EQ(game.Read("cfg/config.cfg"),
              std::string("\x01\x00\x00\xB4\x42\x00\x03\x00\x00\x00", 10));
    // Punch 2 is binding 6 of player 1: K (0x25); the rest are the defaults.
    EXPECT_EQ(game.Read("cfg/tecladoDI.cfg"),
              std::string("\xC8\xD0\xCB\xCD\xD2\xD3\x25\xCF\xC9\xD1"
                          "\x11\x1F\x1E\x20\x13\x21\x14\x22\x15\x23", 20));
}

}  // namespace
