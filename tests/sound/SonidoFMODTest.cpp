#include "plugins/sound_fmod/SonidoFMOD.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>

#include "tests/TempGameFolder.h"
#include "AudioCapture.h"
#include "base/Library.h"
#include "tests/WaitFor.h"
#include "plugins/sound_fmod/SoundDevice.h"
#include "tools/datagen/Samples.h"

namespace {

std::vector<int16_t> Tone(double seconds, double freq, double amplitude) {
    std::vector<int16_t> s(static_cast<size_t>(seconds * kSampleRate));
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>(amplitude * 32767 * std::sin(2 * M_PI * freq * i / kSampleRate));
    return s;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class PluginTest : public testing::Test {
protected:
    void SetUp() override {
        UseDiskAudio(folder.path() + "/out.raw");
        ASSERT_EQ(WriteWavFile("tone.wav", Tone(0.1, 440, 0.5)), 1);
        ASSERT_EQ(WriteWavFile("silence.wav", Tone(0.1, 440, 0.0)), 1);
        ASSERT_EQ(WriteWavFile("swish.wav", MakeSwish()), 1);
    }
    void TearDown() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    std::string Log() const { return TempGameFolder::ReadText("logs/log.txt"); }
    std::vector<int16_t> Output() const { return ReadCapture(folder.path() + "/out.raw"); }
    // The mixer writes on its own thread, faster than real time but at no
    // fixed pace: tests wait for what they need to hear.
    bool WaitForSamples(size_t count) const {
        return WaitUntil([&] { return Output().size() >= count; });
    }
    bool WaitUntilLoud() const {
        return WaitUntil([&] { return Loudest(Output(), 0, 1) > 8000; });
    }

    TempGameFolder folder;
};

TEST_F(PluginTest, MusicIsHeardAndStartsAgainAtItsEnd) {
    SonidoFMOD sound;
    ASSERT_EQ(sound.Init(nullptr, nullptr), 1);
    EXPECT_EQ(sound.PlayMusic("tone.wav"), 0);
    ASSERT_NE(sound.CurrentMusic(), nullptr);
    const size_t twentyTunes = size_t(20 * 0.1 * kSampleRate * 2);
    ASSERT_TRUE(WaitForSamples(twentyTunes + 1));
    sound.Shutdown();
    std::vector<int16_t> out = Output();
    // Far more was mixed than the 0.1 s tune holds, and its end is still heard.
    ASSERT_GT(out.size(), twentyTunes);
    EXPECT_GT(Loudest(out, 0.0, 0.1), 8000);
    EXPECT_GT(Loudest(out, 0.9, 1.0), 8000);
    EXPECT_EQ(Log(), "");
}

TEST_F(PluginTest, SampleIsHeardOnlyOncePlayed) {
    SonidoFMOD sound;
    ASSERT_EQ(sound.Init(nullptr, nullptr), 1);
    int index = sound.LoadSample("swish.wav");
    ASSERT_EQ(index, 0);
    ASSERT_TRUE(WaitForSamples(4096));
    size_t before = Output().size();  // what is mixed so far is silence
    EXPECT_EQ(sound.PlaySample(index), 1);
    ASSERT_TRUE(WaitUntilLoud());
    sound.Shutdown();
    std::vector<int16_t> out = Output();
    ASSERT_GT(out.size(), before);
    EXPECT_LT(Loudest(std::vector<int16_t>(out.begin(), out.begin() + before / 2), 0, 1), 10);
    EXPECT_GT(Loudest(out, 0, 1), 8000);
    EXPECT_NE(Log().find("     Interfaz sonido: Cargando swish.wav\n"
                         "     Interfaz sonido: Cargado swish.wav en 0\n"),
              std::string::npos);
}

TEST_F(PluginTest, WithEveryChannelBusyTheOldestSoundGivesWay) {
    ASSERT_EQ(WriteWavFile("long.wav", Tone(30.0, 440, 0.1)), 1);
    SonidoFMOD sound;
    ASSERT_EQ(sound.Init(nullptr, nullptr), 1);
    const int index = sound.LoadSample("long.wav");
    for (int i = 0; i < 40; ++i) EXPECT_EQ(sound.PlaySample(index), 1);
    EXPECT_EQ(Mix_Playing(-1), Mix_AllocateChannels(-1));
    sound.Shutdown();
    EXPECT_EQ(Log().find("no se puede reproducir"), std::string::npos) << Log();
}

TEST_F(PluginTest, TableGrowsAndIndexesOnlyGrow) {
    SonidoFMOD sound;
    ASSERT_EQ(sound.Init(nullptr, nullptr), 1);
    EXPECT_EQ(sound.Capacity(), 128);
    for (int i = 0; i < 129; ++i) ASSERT_EQ(sound.LoadSample("tone.wav"), i);
    EXPECT_EQ(sound.Capacity(), 256);
    EXPECT_EQ(Count(Log(), "     Interfaz sonido: Cargado tone.wav en 128\n"), 1u);
    EXPECT_EQ(sound.PlaySample(0), 1);
    EXPECT_EQ(sound.PlaySample(128), 1);

    EXPECT_EQ(sound.FreeSample(5), 1);
    EXPECT_EQ(sound.FreeSample(5), 1);
    EXPECT_EQ(sound.FreeSample(129), 1);
    EXPECT_EQ(sound.FreeSample(-1), 1);
    EXPECT_EQ(sound.PlaySample(5), 1);
    EXPECT_EQ(Count(Log(), "Descargado 5\n"), 1u);
    // A failed load does not use up an index; a freed one is never reused.
    EXPECT_EQ(sound.LoadSample("missing.wav"), -1);
    EXPECT_EQ(sound.LoadSample("tone.wav"), 129);
    EXPECT_NE(Log().find("     Interfaz sonido: Couldn't open missing.wav\n"), std::string::npos);
    sound.Shutdown();
    EXPECT_EQ(Count(Log(), "Descargado"), 130u);
    EXPECT_EQ(Log().find("no se puede reproducir"), std::string::npos);
}

TEST_F(PluginTest, OneMusicAtATime) {
    SonidoFMOD sound;
    ASSERT_EQ(sound.Init(nullptr, nullptr), 1);
    sound.PlayMusic("tone.wav");
    const Mix_Music* first = sound.CurrentMusic();
    ASSERT_NE(first, nullptr);
    // The same music again goes on undisturbed.
    EXPECT_EQ(sound.PlayMusic("tone.wav"), 0);
    EXPECT_EQ(sound.CurrentMusic(), first);
    ASSERT_TRUE(WaitUntilLoud());
    // Another music closes the first: from here on only silence is mixed.
    // Enough more is mixed that the tune lies in the first tenth of the
    // capture and the music mixed ahead of the change in its first half.
    const size_t heard = Output().size();
    sound.PlayMusic("silence.wav");
    EXPECT_NE(sound.CurrentMusic(), nullptr);
    ASSERT_TRUE(WaitForSamples(10 * heard + 8 * 2048));
    sound.Shutdown();
    std::vector<int16_t> out = Output();
    EXPECT_GT(Loudest(out, 0.0, 0.1), 8000);
    EXPECT_LT(Loudest(out, 0.5, 1.0), 10);
}

TEST_F(PluginTest, MissingOrBrokenMusicIsLoggedEachTime) {
    SonidoFMOD sound;
    ASSERT_EQ(sound.Init(nullptr, nullptr), 1);
    EXPECT_EQ(sound.PlayMusic("sonido\\nada.ogg"), 0);
    EXPECT_EQ(sound.PlayMusic("sonido\\nada.ogg"), 0);
    EXPECT_EQ(sound.CurrentMusic(), nullptr);
    EXPECT_EQ(Count(Log(), "     Interfaz sonido: Musica sonido\\nada.ogg no encontrada\n"), 2u);
    EXPECT_EQ(sound.PlayMusic(nullptr), 0);

    TempGameFolder::WriteBytes("broken.ogg", std::vector<unsigned char>(300, 'x'));
    EXPECT_EQ(sound.PlayMusic("broken.ogg"), 0);
    EXPECT_EQ(sound.CurrentMusic(), nullptr);
    std::string log = Log();
    size_t at = log.find("     Interfaz sonido: No se ha podido abrir el stream de broken.ogg \n");
    ASSERT_NE(at, std::string::npos) << log;
    EXPECT_EQ(log.compare(log.find('\n', at) + 1, 22, std::string(22, ' ')), 0);
    sound.Shutdown();
}

TEST_F(PluginTest, WithoutASoundDeviceTheGameGoesOnSilent) {
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    SonidoFMOD sound;
    ASSERT_EQ(sound.Init(nullptr, nullptr), 1);
    std::string log = Log();
    EXPECT_NE(log.find("     Interfaz sonido: "), std::string::npos);
    EXPECT_NE(log.find("el juego seguira en silencio"), std::string::npos) << log;
    EXPECT_EQ(sound.LoadSample("tone.wav"), 0);
    sound.PlayMusic("tone.wav");
    EXPECT_NE(sound.CurrentMusic(), nullptr);
    sound.Shutdown();
}

TEST(SoundPlugin, RefusesMixerBeforeVersionTwo) {
    SDL_version old = {1, 2, 12}, two = {2, 0, 0}, now = {2, 6, 2};
    EXPECT_FALSE(MixerVersionAccepted(&old));
    EXPECT_FALSE(MixerVersionAccepted(nullptr));
    EXPECT_TRUE(MixerVersionAccepted(&two));
    EXPECT_TRUE(MixerVersionAccepted(&now));
}

TEST(SoundPlugin, UnstartedObjectIsHarmless) {
    TempGameFolder folder;
    TempGameFolder::WriteBytes("x.wav", {'R', 'I', 'F', 'F'});
    SonidoFMOD sound;
    EXPECT_EQ(sound.PlaySample(0), 1);
    EXPECT_EQ(sound.FreeSample(0), 1);
    EXPECT_EQ(sound.LoadSample("x.wav"), -1);
    EXPECT_EQ(sound.PlayMusic("x.wav"), 0);
    EXPECT_EQ(sound.StopMusic(), 0);
    EXPECT_EQ(sound.Shutdown(), 1);
    // A sample says why it was refused; music without a device is silent.
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"),
              "     Interfaz sonido: Cargando x.wav\n"
              "     Interfaz sonido: el sonido no esta iniciado\n");
}

TEST_F(PluginTest, LibraryExportsWork) {
    void* lib = PlatformLoadLibrary(CORRALON_GAME_DIR "/PlimsaFMOD.dll");
    ASSERT_NE(lib, nullptr) << PlatformLibraryError();
    auto create = reinterpret_cast<CreateSoundInstanceFn>(PlatformGetSymbol(lib, "CreateSoundInstance"));
    auto destroy = reinterpret_cast<FreeSoundInstanceFn>(PlatformGetSymbol(lib, "FreeSoundInstance"));
    ASSERT_TRUE(create && destroy);
    Sonido* sound = create();
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->Shutdown(), 1) << "nothing to free before Init";
    ASSERT_EQ(sound->Init(nullptr, nullptr), 1);
    sound->PlayMusic("tone.wav");
    EXPECT_TRUE(WaitUntilLoud());
    sound->Shutdown();
    destroy(sound);
    EXPECT_GT(Loudest(Output(), 0, 1), 8000);
}

}  // namespace
