// The five tunes as the game folder holds them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "DecodedTune.h"
#include "tests/TestFolder.h"
#include "support/music/OggEncoder.h"
#include "support/music/Synth.h"

namespace {

struct TuneFile {
    const char* score;
    const char* file;
    int serial;
    const char* title;
};
// As the generator makes them (tools/datagen/music/MusicGroup.cpp).
const TuneFile kTunes[] = {
    {"intro", "intro", 0x436f7201, "Corralon: the egg"},
    {"menu", "menu", 0x436f7202, "Corralon: farmyard gate"},
    {"seleccion", "seleccion", 0x436f7203, "Corralon: face to face"},
    {"granja", "granja", 0x436f7204, "Corralon: barnyard brawl"},
    {"creditos", "creditos", 0x436f7205, "Corralon: sunset on the farm"},
};

std::string GamePath(const TuneFile& t) {
    return std::string(CORRALON_GAME_DIR) + "/sonido/" + t.file + ".ogg";
}

}  // namespace

TEST(TuneFilesTest, EveryTuneIsALoudSeamlessLoopThatNeverClips) {
    size_t totalBytes = 0;
    for (const TuneFile& t : kTunes) {
        SCOPED_TRACE(t.file);
        totalBytes += TestFolder::Read(GamePath(t)).size();
        DecodedTune tune = DecodeOggFile(GamePath(t));
        ASSERT_TRUE(tune.error.empty()) << tune.error;
        EXPECT_EQ(tune.channels, 2);
        EXPECT_EQ(tune.rate, 44100);
        EXPECT_GE(tune.Seconds(), 30.0);
        EXPECT_LE(tune.Seconds(), 60.0);
        for (const std::vector<float>* side : {&tune.left, &tune.right}) {
            EXPECT_GT(Rms(*side), 0.06);   // about -24 dBFS: clearly heard
            EXPECT_LT(Peak(*side), 0.9);  // rounded off well below full scale: room for the effects
            // Measured at any point inside these tunes, the two ratios reach
            // about 4 and 5 (Vorbis adds a little noise at the ends); a cut
            // usually measures far more.
            EXPECT_LT(SeamJumpRatio(*side), 5.0);
            EXPECT_LT(SeamSlopeRatio(*side), 6.0);
        }
        // No silent stretch: every second of the loop carries music.
        for (size_t at = 0; at + 44100 <= tune.left.size(); at += 44100) {
            std::vector<float> second(tune.left.begin() + at, tune.left.begin() + at + 44100);
            EXPECT_GT(Rms(second), 0.02) << "second " << at / 44100;
        }
    }
    EXPECT_LT(totalBytes, 6u << 20);
}

TEST(TuneFilesTest, RegeneratingFromTheScoresGivesTheSameBytes) {
    for (const TuneFile& t : kTunes) {
        SCOPED_TRACE(t.file);
        Score score;
        std::string error;
        ASSERT_TRUE(LoadScore(std::string(CORRALON_SOURCE_DIR) + "/data/music/" + t.score + ".txt",
                              &score, &error))
            << error;
        std::vector<unsigned char> bytes;
        ASSERT_TRUE(EncodeOgg(RenderScore(score, 44100), 44100, 0.3, t.serial, t.title, &bytes, &error));
        std::string file = TestFolder::Read(GamePath(t));
        EXPECT_TRUE(file == std::string(bytes.begin(), bytes.end()));
    }
}

TEST(TuneFilesTest, TheSoundPluginsMixerPlaysEveryTune) {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    for (const TuneFile& t : kTunes) {
        SCOPED_TRACE(t.file);
        Mix_Music* music = Mix_LoadMUS(GamePath(t).c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_OGG);
        EXPECT_EQ(Mix_PlayMusic(music, -1), 0) << Mix_GetError();
        EXPECT_EQ(Mix_PlayingMusic(), 1);
        Mix_HaltMusic();
        Mix_FreeMusic(music);
    }
    Mix_CloseAudio();
    SDL_Quit();
}
