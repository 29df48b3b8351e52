// The pieces the entry point runs before the subsystems: the switch, the
// saved options, the music names and the log.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "app/DebugSwitch.h"
#include "base/Log.h"
#include "app/MusicNames.h"
#include "app/SavedOptions.h"
#include "platform/CommandLine.h"
#include "tests/TestFolder.h"

namespace {

TEST(DebugSwitch, OnlyTheExactWordWithOptionalDashOrSlash) {
    EXPECT_TRUE(ParseDebugInfoSwitch("Corralon DebugInfo"));
    EXPECT_TRUE(ParseDebugInfoSwitch("Corralon -DebugInfo"));
    EXPECT_TRUE(ParseDebugInfoSwitch("Corralon /DebugInfo"));
    EXPECT_TRUE(ParseDebugInfoSwitch("Corralon    DebugInfo"));
    EXPECT_TRUE(ParseDebugInfoSwitch("\"C:\\Juegos\\Mi Corralon\\Corralon.exe\" DebugInfo"));
    EXPECT_TRUE(ParseDebugInfoSwitch("\"a b\"DebugInfo"));

    EXPECT_FALSE(ParseDebugInfoSwitch("Corralon"));
    EXPECT_FALSE(ParseDebugInfoSwitch("Corralon "));
    EXPECT_FALSE(ParseDebugInfoSwitch("Corralon debuginfo"));
    EXPECT_FALSE(ParseDebugInfoSwitch("Corralon -DebugInfo x"));
    EXPECT_FALSE(ParseDebugInfoSwitch("Corralon DebugInfo "));
    EXPECT_FALSE(ParseDebugInfoSwitch("Corralon --DebugInfo"));
    EXPECT_FALSE(ParseDebugInfoSwitch("\"Corralon"));
    EXPECT_FALSE(ParseDebugInfoSwitch(""));
    EXPECT_FALSE(ParseDebugInfoSwitch(nullptr));
}

TEST(DebugSwitch, RebuiltLinuxCommandLine) {
    char name[] = "./Corralon";
    char dash[] = "-DebugInfo";
    char extra[] = "x";
    char lower[] = "debuginfo";
    char spaced[] = "/opt/mi juego/Corralon";
    char* on[] = {name, dash};
    char* withExtra[] = {name, dash, extra};
    char* wrongCase[] = {name, lower};
    char* spacedPath[] = {spaced, dash};
    EXPECT_TRUE(ParseDebugInfoSwitch(PlatformCommandLine(2, on).c_str()));
    EXPECT_FALSE(ParseDebugInfoSwitch(PlatformCommandLine(3, withExtra).c_str()));
    EXPECT_FALSE(ParseDebugInfoSwitch(PlatformCommandLine(2, wrongCase).c_str()));
    EXPECT_TRUE(ParseDebugInfoSwitch(PlatformCommandLine(2, spacedPath).c_str()));
    EXPECT_FALSE(ParseDebugInfoSwitch(PlatformCommandLine(1, spacedPath).c_str()));
}

class SavedOptionsTest : public ::testing::Test {
protected:
    TestFolder folder;
    GameSettings settings;
    void SetUp() override { ASSERT_EQ(mkdir("cfg", 0755), 0); }
};

TEST_F(SavedOptionsTest, MissingFileKeepsDefaults) {
    ReadSavedOptions(kSavedOptionsPath, &settings);
    EXPECT_EQ(settings.unlimitedTime, 0);
    EXPECT_FLOAT_EQ(settings.roundTime, 60.0f);
    EXPECT_EQ(settings.randomBackground, 0);
    EXPECT_EQ(settings.roundsToWin, 2);
}

TEST_F(SavedOptionsTest, RoundTripIsTenLittleEndianBytes) {
    settings.unlimitedTime = 1;
    settings.roundTime = 99.0f;
    settings.randomBackground = 1;
    settings.roundsToWin = 3;
    ASSERT_EQ(WriteSavedOptions(kSavedOptionsPath, settings), 1);
    std::string bytes = TestFolder::Read("cfg/config.cfg");
    ASSERT_EQ(bytes.size(), 10u);
    // 99.0f is 0x42C60000.
    EXPECT_EQ(bytes, std::string("\x01\x00\x00\xC6\x42\x01\x03\x00\x00\x00", 10));
    EXPECT_FALSE(TestFolder::Exists("cfg/config.cfg.new"));

    GameSettings loaded;
    ReadSavedOptions(kSavedOptionsPath, &loaded);
    EXPECT_EQ(loaded.unlimitedTime, 1);
    EXPECT_FLOAT_EQ(loaded.roundTime, 99.0f);
    EXPECT_EQ(loaded.randomBackground, 1);
    EXPECT_EQ(loaded.roundsToWin, 3);
}

TEST_F(SavedOptionsTest, ShortFileFillsWhatItCovers) {
    TestFolder::Write("cfg/config.cfg", std::string("\x01\x00\x00\x20\x41", 5));  // 10.0f
    ReadSavedOptions(kSavedOptionsPath, &settings);
    EXPECT_EQ(settings.unlimitedTime, 1);
    EXPECT_FLOAT_EQ(settings.roundTime, 10.0f);
    EXPECT_EQ(settings.randomBackground, 0);
    EXPECT_EQ(settings.roundsToWin, 2);

    GameSettings partial;
    TestFolder::Write("cfg/config.cfg", std::string("\x00\x00\x00\x20\x41\x01\x05\x00", 8));
    ReadSavedOptions(kSavedOptionsPath, &partial);
    EXPECT_EQ(partial.randomBackground, 1);
    EXPECT_EQ(partial.roundsToWin, 2);  // a torn field is not taken
}

std::string OptionBytes(uint8_t unlimited, uint32_t timeBits, uint8_t random, uint32_t rounds) {
    std::string b(10, '\0');
    b[0] = static_cast<char>(unlimited);
    for (int i = 0; i < 4; ++i) b[1 + i] = static_cast<char>(timeBits >> (8 * i));
    b[5] = static_cast<char>(random);
    for (int i = 0; i < 4; ++i) b[6 + i] = static_cast<char>(rounds >> (8 * i));
    return b;
}

TEST_F(SavedOptionsTest, MeaninglessFieldTakesItsDefaultWithOneLine) {
    ASSERT_EQ(mkdir("logs", 0755), 0);
    const uint32_t k45 = 0x42340000;  // 45.0f
    struct Case {
        std::string bytes;
        uint8_t unlimited;
        float roundTime;
        uint8_t random;
        int rounds;
        const char* log;
    } cases[] = {
        // Edges that are valid read exactly, with no line.
        {OptionBytes(1, k45, 1, 1), 1, 45.0f, 1, 1, ""},
        {OptionBytes(0, 0x00000001, 0, 3), 0, 1.4e-45f, 0, 3, ""},
        {OptionBytes(0x95, k45, 1, 3), 0, 45.0f, 1, 3,
         "     Graficos: cfg\\config.cfg: unlimitedTime = 149 no vale, se usa 0\n"},
        {OptionBytes(1, k45, 2, 3), 1, 45.0f, 0, 3,
         "     Graficos: cfg\\config.cfg: randomBackground = 2 no vale, se usa 0\n"},
        {OptionBytes(0, k45, 0, 0), 0, 45.0f, 0, 2,
         "     Graficos: cfg\\config.cfg: roundsToWin = 0 no vale, se usa 2\n"},
        {OptionBytes(0, k45, 0, 4), 0, 45.0f, 0, 2,
         "     Graficos: cfg\\config.cfg: roundsToWin = 4 no vale, se usa 2\n"},
        {OptionBytes(0, k45, 0, 0xFFFFFFFF), 0, 45.0f, 0, 2,
         "     Graficos: cfg\\config.cfg: roundsToWin = 4294967295 no vale, se usa 2\n"},
        {OptionBytes(0, 0x00000000, 0, 1), 0, 60.0f, 0, 1,
         "     Graficos: cfg\\config.cfg: roundTime = 0 no vale, se usa 60\n"},
        {OptionBytes(0, 0xC2700000, 0, 1), 0, 60.0f, 0, 1,
         "     Graficos: cfg\\config.cfg: roundTime = -60 no vale, se usa 60\n"},
        {OptionBytes(0, 0x7F800000, 0, 1), 0, 60.0f, 0, 1,
         "     Graficos: cfg\\config.cfg: roundTime = inf no vale, se usa 60\n"},
        {OptionBytes(0, 0x7FC00000, 0, 1), 0, 60.0f, 0, 1,
         "     Graficos: cfg\\config.cfg: roundTime = nan no vale, se usa 60\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log);
        TestFolder::Write("logs/log.txt", "");
        TestFolder::Write("cfg/config.cfg", c.bytes);
        GameSettings read;
        read.unlimitedTime = 7;  // proves every field was set by the reading
        read.roundTime = 7.0f;
        read.randomBackground = 7;
        read.roundsToWin = 7;
        ReadSavedOptions(kSavedOptionsPath, &read);
        EXPECT_EQ(read.unlimitedTime, c.unlimited);
        EXPECT_EQ(read.roundTime, c.roundTime);
        EXPECT_EQ(read.randomBackground, c.random);
        EXPECT_EQ(read.roundsToWin, c.rounds);
        EXPECT_EQ(TestFolder::Read("logs/log.txt"), c.log);
    }

    // Random bytes: every field is refused, one line each, and what is
    // written back is the defaults.
    TestFolder::Write("logs/log.txt", "");
    TestFolder::Write("cfg/config.cfg", OptionBytes(0x95, 0xFF800000, 0xC3, 0x8B7A6951));
    GameSettings read;
    ReadSavedOptions(kSavedOptionsPath, &read);
    const std::string log = TestFolder::Read("logs/log.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
    ASSERT_EQ(WriteSavedOptions(kSavedOptionsPath, read), 1);
    EXPECT_EQ(TestFolder::Read("cfg/config.cfg"), OptionBytes(0, 0x42700000, 0, 2));
}

TEST_F(SavedOptionsTest, FailedWriteLeavesOldFile) {
    const std::string old("\x01\x00\x00\x20\x41\x00\x01\x00\x00\x00", 10);
    TestFolder::Write("cfg/config.cfg", old);
    // A leftover that is not ours, and one of a writer that died, stop nothing.
    ASSERT_EQ(mkdir("cfg/config.cfg.new", 0755), 0);
    TestFolder::Write("cfg/config.cfg.new.999999999", "stale");
    settings.roundsToWin = 3;
    EXPECT_EQ(WriteSavedOptions(kSavedOptionsPath, settings), 1);
    EXPECT_EQ(TestFolder::Read("cfg/config.cfg").size(), 10u);
    EXPECT_FALSE(TestFolder::Exists("cfg/config.cfg.new.999999999"));

    // The save is replaced whole or not at all: a folder where the file
    // goes cannot be renamed over.
    ASSERT_EQ(rename("cfg/config.cfg", "kept.cfg"), 0);
    ASSERT_EQ(mkdir("cfg/config.cfg", 0755), 0);
    EXPECT_EQ(WriteSavedOptions(kSavedOptionsPath, settings), 0);
    ASSERT_EQ(system("rm -rf cfg"), 0);
    // No cfg folder at all: nothing written, nothing created.
    EXPECT_EQ(WriteSavedOptions(kSavedOptionsPath, settings), 0);
    EXPECT_FALSE(TestFolder::Exists("cfg"));
}

TEST(MusicNames, KeysOfTheMusicSection) {
    TestFolder folder;
    ASSERT_EQ(mkdir("cfg", 0755), 0);
    ASSERT_EQ(mkdir("logs", 0755), 0);
    TestFolder::Write("cfg/musicacfg.txt",
                      "[musica]\nintro = sonido\\intro.ogg\nmenu = sonido\\menu.ogg\n"
                      "seleccionados = a b.ogg\n[otra]\ncreditos = no.ogg\n");
    GameSettings settings;
    strcpy(settings.musicCredits, "kept");
    ReadMusicNames("cfg\\musicacfg.txt", &settings);
    EXPECT_STREQ(settings.musicIntro, "sonido\\intro.ogg");
    EXPECT_STREQ(settings.musicMenu, "sonido\\menu.ogg");
    EXPECT_STREQ(settings.musicSelected, "a b.ogg");
    EXPECT_STREQ(settings.musicCredits, "kept");
    EXPECT_EQ(TestFolder::Read("logs/log.txt"), "");
}

TEST(MusicNames, LongValuesAreCutAndMissingFileIsLogged) {
    TestFolder folder;
    ASSERT_EQ(mkdir("cfg", 0755), 0);
    ASSERT_EQ(mkdir("logs", 0755), 0);
    // The reader keeps 254 characters of a line; a long value still fits
    // the 256-byte field with room to spare.
    TestFolder::Write("cfg/musicacfg.txt", "[musica]\nintro=" + std::string(600, 'm') + "\n");
    GameSettings settings;
    settings.musicMenu[255] = 'x';
    ReadMusicNames("cfg\\musicacfg.txt", &settings);
    EXPECT_EQ(strlen(settings.musicIntro), 248u);
    EXPECT_EQ(settings.musicMenu[255], 'x');

    ReadMusicNames("cfg\\nothere.txt", &settings);
    EXPECT_EQ(TestFolder::Read("logs/log.txt"),
              "     Graficos: Error al leer el fichero de configuracion: cfg\\nothere.txt \n");
}

TEST(Log, AppendsOneCallAtATimeAndNeedsItsFolder) {
    TestFolder folder;
    EXPECT_EQ(LogPrintf("lost\n"), 0);
    EXPECT_EQ(LogReset(), 0);
    EXPECT_FALSE(TestFolder::Exists("logs"));

    ASSERT_EQ(mkdir("logs", 0755), 0);
    // A log without its closing lines was another copy's, still running, or
    // a crash's: said by the answer.
    TestFolder::Write("logs/log.txt", "old contents\n");
    EXPECT_EQ(LogReset(), 2);
    TestFolder::Write("logs/log.txt", "<< - >> Fin del log        12 << - >>\n<< --- >>\n");
    EXPECT_EQ(LogReset(), 1);
    EXPECT_EQ(TestFolder::Read("logs/log.txt"), "");
    EXPECT_EQ(LogPrintf("     Menu: %s %d\n", "uno", 2), 1);
    EXPECT_EQ(LogPrintf(nullptr), 1);
    EXPECT_EQ(LogPrintf("     Bichos: tres\n"), 1);
    // Complete on disk after every call: nothing stays buffered.
    EXPECT_EQ(TestFolder::Read("logs/log.txt"), "     Menu: uno 2\n     Bichos: tres\n");

    // Texts from outside never end a line; the format's own conversions
    // come out as printf writes them.
    TestFolder::Write("logs/log.txt", "");
    LogPrintf("%s|%-6s|%.3s|%*d|%5.1f|%zu|%ld|%c|%x%%\n", "a\nb\r\x7f", "pad", "abcdef", 4, 7,
              2.25, static_cast<size_t>(9), -3L, 'k', 255);
    EXPECT_EQ(TestFolder::Read("logs/log.txt"), "a%0Ab%0D%7F|pad   |abc|   7|  2.2|9|-3|k|ff%\n");
}

}  // namespace
