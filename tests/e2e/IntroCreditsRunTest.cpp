// The program's first and last minute: the logo, the intro watched to its
// end, the menu, Escape at the top level, the credits, and the program
// ending itself.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/e2e/GameRun.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

size_t Count(const std::vector<std::string>& lines, const std::string& what) {
    size_t n = 0;
    for (const std::string& line : lines) n += line == what;
    return n;
}

size_t Find(const std::vector<std::string>& lines, const std::string& part, size_t from = 0) {
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].find(part) != std::string::npos) return i;
    return lines.size();
}

TEST(IntroCreditsRun, TheIntroPlaysOutTheMenuLeadsToTheCreditsAndTheCreditsEndTheProgram) {
    GameRun game;
    ASSERT_TRUE(game.copied());
    game.UseRenderer("Headless.dll");
    // Half-second frames: the intro passes 38 s on its 77th frame, Escape on
    // the menu's first frame, then the keys stay quiet far beyond the
    // credits' 33 s, so only the credits can end the run early.
    std::string session;
    for (int i = 0; i < 77; ++i) session += "0.5\n";
    session += "0.5 +ESCAPE\n0.5 -ESCAPE\n";
    const int frames = 200;
    for (int i = 79; i < frames; ++i) session += "0.5\n";
    game.Write("session.txt", session);
    game.Start({}, {"SDL_AUDIODRIVER=dummy", "SDL_VIDEODRIVER=offscreen",
                    "CORRALON_REPLAY=session.txt",
                    "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")});
    ASSERT_EQ(game.Wait(60.0), 0);

    const std::vector<std::string> trace = Lines(game.Read("trace.txt"));
    // The logo is the first thing drawn and is shown as soon as the window
    // is up, before the rest of the start-up and the intro's pictures load.
    ASSERT_GE(trace.size(), 4u);
    EXPECT_EQ(trace[0], "Init -> 1");
    EXPECT_EQ(trace[1].rfind("LoadTexture \"bmp\\quarvell.bmp\"", 0), 0u) << trace[1];
    EXPECT_EQ(trace[2].rfind("DrawImage 0.000 0.000 1.000 1.000", 0), 0u) << trace[2];
    EXPECT_EQ(trace[3], "Present");
    const size_t menu = Find(trace, "\"MENU PRINCIPAL\"");
    const size_t font = Find(trace, "ReleaseFont", menu);
    EXPECT_LT(Find(trace, "\"BROCANTO ARENA\""), menu);
    EXPECT_LT(menu, font);
    EXPECT_LT(font, Find(trace, "\"CREDITOS\"", font));
    // The logo, 77 intro frames, one menu frame and 67 credits frames (the
    // last passes 33 s): the program ended long before the session did.
    EXPECT_EQ(Count(trace, "Present"), 1u + 77 + 1 + 67);
    EXPECT_EQ(trace.back(), "Shutdown");

    const std::vector<std::string> log = Lines(game.Read("logs/log.txt"));
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[log.size() - 2].find("Fin del log"), std::string::npos);
    EXPECT_EQ(game.Read("cfg/config.cfg").size(), 10u);
}

}  // namespace
