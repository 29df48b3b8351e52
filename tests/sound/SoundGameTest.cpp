// The real program with the shipped sound plug-in: the intro music named in
// cfg\musicacfg.txt is heard from start-up and keeps playing past its end.
#include <gtest/gtest.h>

#include "AudioCapture.h"
#include "tests/e2e/GameRun.h"
#include "tools/datagen/Samples.h"

namespace {

TEST(SoundGame, IntroMusicLoopsFromStartUp) {
    GameRun game;
    ASSERT_TRUE(game.copied());
    game.UseRenderer("Headless.dll");
    game.Write("cfg/sonidocfg.txt", "[dll]\ndll = PlimsaFMOD.dll\n");
    game.Write("cfg/musicacfg.txt", "[musica]\nintro = sonido\\intro.wav\nmenu = sonido\\menu.wav\n");
    if (system(("mkdir -p '" + game.Path("sonido") + "'").c_str()) != 0) FAIL();
    ASSERT_EQ(WriteTestTune(game.Path("").c_str(), "sonido\\intro.wav"), 1);
    std::string capture = game.Path("out.raw");
    game.Start({}, {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=disk", "SDL_DISKAUDIODELAY=1",
                    "SDL_DISKAUDIOFILE=" + capture});
    const size_t tuneBytes = MakeTestTune().size() * 2 * 2;  // mixed as 16-bit stereo
    ASSERT_TRUE(GameRun::WaitFor([&] { return ReadCapture(capture).size() * 2 > 3 * tuneBytes; }, 30.0))
        << game.Read("logs/log.txt");
    game.Signal(SIGTERM);
    ASSERT_EQ(game.Wait(30.0), 0);

    std::vector<int16_t> out = ReadCapture(capture);
    EXPECT_GT(Loudest(out, 0.0, 0.2), 8000);
    EXPECT_GT(Loudest(out, 0.8, 1.0), 8000) << "the music went on past its end";
    std::string log = game.Read("logs/log.txt");
    EXPECT_EQ(log.find("Interfaz Sonido"), std::string::npos) << log;
    EXPECT_EQ(log.find("Interfaz sonido: Musica"), std::string::npos) << log;
}

}  // namespace
