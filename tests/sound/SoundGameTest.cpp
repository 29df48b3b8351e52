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
    // The menu plays the same tune: on a slow machine the 38-second intro
    // may be over before enough music has been heard.
    game.Write("cfg/musicacfg.txt", "[musica]\nintro = sonido\\intro.wav\nmenu = sonido\\intro.wav\n");
    if (system(("mkdir -p '" + game.Path("sonido") + "'").c_str()) != 0) FAIL();
    ASSERT_EQ(WriteTestTune(game.Path("").c_str(), "sonido\\intro.wav"), 1);
    // The driver keeps real time here: paced faster, it fills the disk with
    // silence while a loaded machine is still starting the game.
    std::string capture = game.Path("out.raw");
    game.Start({}, {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=disk",
                    "SDL_DISKAUDIOFILE=" + capture});
    // Measured from the music's first loud sample: a loaded machine may take
    // a while to start the game, and the driver writes silence meanwhile.
    const size_t tuneSamples = MakeTestTune().size() * 2;  // mixed as stereo
    auto firstLoud = [](const std::vector<int16_t>& s) {
        for (size_t i = 0; i < s.size(); ++i)
            if (std::abs(int(s[i])) > 8000) return i;
        return s.size();
    };
    ASSERT_TRUE(GameRun::WaitFor([&] {
        std::vector<int16_t> s = ReadCapture(capture);
        return s.size() > firstLoud(s) + 3 * tuneSamples;
    }, 60.0)) << game.Read("logs/log.txt");
    game.Signal(SIGTERM);
    ASSERT_EQ(game.Wait(30.0), 0);

    std::vector<int16_t> all = ReadCapture(capture);
    std::vector<int16_t> out(all.begin() + firstLoud(all), all.end());
    EXPECT_GT(Loudest(out, 0.8, 1.0), 8000) << "the music went on past its end";
    std::string log = game.Read("logs/log.txt");
    EXPECT_EQ(log.find("Interfaz Sonido"), std::string::npos) << log;
    EXPECT_EQ(log.find("Interfaz sonido: Musica"), std::string::npos) << log;
}

}  // namespace
