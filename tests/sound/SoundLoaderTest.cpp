#include "platform/SoundLoader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/TempGameFolder.h"
#include "platform/SonidoNulo.h"

namespace {

const char kConfigError[] = "     Interfaz Sonido: fichero de configuracion erroneo\n";
const char kNoLibrary[] =
    "     Interfaz Sonido: No hay libreria definida y el sonido estara inhabilitado\n";

std::string CannotLoad(const std::string& name) {
    return "     Interfaz Sonido: No se puede cargar la libreria: ->" + name +
           "<- y el sonido estara inhabilitado\n";
}

void WriteConfig(const std::string& text) {
    TempGameFolder::WriteBytes("cfg/sonidocfg.txt",
                               std::vector<unsigned char>(text.begin(), text.end()));
}

bool IsNull(Sonido* s) { return dynamic_cast<SonidoNulo*>(s) != nullptr; }

TEST(SoundLoader, FolderInPlaceOfTheConfigurationIsNoConfiguration) {
    TempGameFolder folder;
    ASSERT_EQ(mkdir("cfg/sonidocfg.txt", 0755), 0);
    Sonido* sound = LoadSound(nullptr, nullptr);
    EXPECT_TRUE(IsNull(sound));
    // The default library is tried, not "no library named".
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"),
              std::string(kConfigError) + CannotLoad("Plimsa.dll"));
    // Like the game, never deleted: Sonido has no virtual destructor.
}

TEST(SoundLoader, NoConfigurationAndNoLibrary) {
    TempGameFolder folder;
    Sonido* sound = LoadSound(nullptr, nullptr);
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(IsNull(sound));
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"),
              std::string(kConfigError) + CannotLoad("Plimsa.dll"));
    // The do-nothing sound hands out index 1 for every sample.
    EXPECT_EQ(sound->LoadSample("a.wav"), 1);
    EXPECT_EQ(sound->LoadSample("b.wav"), 1);
    EXPECT_EQ(sound->PlaySample(1), 1);
    EXPECT_EQ(sound->Init(nullptr, nullptr), 1);
    // Like the game, never deleted: Sonido has no virtual destructor.
}

TEST(SoundLoader, SectionWithoutTheKeySwitchesSoundOff) {
    TempGameFolder folder;
    WriteConfig("[dll]\nlibreria = PlimsaFMOD.dll\n");
    Sonido* sound = LoadSound(nullptr, nullptr);
    EXPECT_TRUE(IsNull(sound));
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"), kNoLibrary);
    // Like the game, never deleted: Sonido has no virtual destructor.
}

TEST(SoundLoader, LibraryWithoutTheFactoryIsRefused) {
    TempGameFolder folder;
    std::string lib = CORRALON_TEST_BIN_DIR "/sound_noexport.so";
    WriteConfig("[dll]\ndll = " + lib + "\n");
    Sonido* sound = LoadSound(nullptr, nullptr);
    EXPECT_TRUE(IsNull(sound));
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"), CannotLoad(lib));
    // Like the game, never deleted: Sonido has no virtual destructor.
}

TEST(SoundLoader, ShippedPluginLoadsByItsWindowsName) {
    TempGameFolder folder;
    ASSERT_EQ(symlink(CORRALON_GAME_DIR "/PlimsaFMOD.so", "PlimsaFMOD.so"), 0);
    WriteConfig("# sound library\n[dll]\ndll = PlimsaFMOD.dll\n");
    Sonido* sound = LoadSound(nullptr, nullptr);
    ASSERT_NE(sound, nullptr);
    EXPECT_FALSE(IsNull(sound));
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"), "");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(sound->Init(nullptr, nullptr), 1);
    EXPECT_EQ(sound->Update(0.0f), 1);
    EXPECT_EQ(sound->Shutdown(), 1);
}

}  // namespace
