// Where a game path lands in an install and in a portable game folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "base/Files.h"
#include "base/UserFolders.h"
#include "tests/TempGameFolder.h"

TEST(UserFolders, AnInstallSendsEachPlayersFileToThePlayersFolders) {
    TempGameFolder game;
    const std::string home = game.path() + "/home";
    const std::string saved = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_STATE_HOME");
    const std::string config = home + "/.config/corralon/";
    TestFolder::Write("cfg/motorcfg.txt", "data");
    TestFolder::Write("cfg/krellin.txt", "data");
    TestFolder::Write("installed.txt", "");
    ASSERT_EQ(MakeUserFolders(), "");
    TestFolder::Write(config + "krellin.txt", "player's");

    const struct {
        bool installed;
        const char* path;
        bool writing;
        std::string expected;
    } kCases[] = {
        {true, "cfg\\config.cfg", true, config + "config.cfg"},
        {true, "cfg\\motorcfg.txt", false, "cfg/motorcfg.txt"},  // the player has none
        {true, "cfg\\KRELLIN.TXT", false, config + "krellin.txt"},
        {true, "logs\\log.txt", true, home + "/.local/state/corralon/log.txt"},
        {true, "screenshots", false, home + "/Pictures/Corralon"},
        {true, "bmp\\x.bmp", false, "bmp/x.bmp"},
        {false, "cfg\\config.cfg", true, "cfg/config.cfg"},
        {false, "logs\\log.txt", true, "logs/log.txt"},
    };
    for (const auto& c : kCases) {
        if (c.installed) {
            TestFolder::Write("installed.txt", "");
        } else {
            unlink("installed.txt");
        }
        FILE* file = PlatformOpenFile(c.path, c.writing ? "ab" : "rb");
        if (file) fclose(file);
        const std::string at = PlatformResolvePath(c.path);
        EXPECT_EQ(at, c.expected) << c.path << (c.installed ? " installed" : " portable");
        if (c.writing) {
            EXPECT_TRUE(TestFolder::Exists(c.expected)) << c.path;
        }
    }
    // A pictures folder of the player's choosing.
    TestFolder::Write("installed.txt", "");
    TestFolder::Write(home + "/.config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    EXPECT_EQ(PlatformResolvePath("screenshots\\a.png"), home + "/Bilder/Corralon/a.png");
    setenv("HOME", saved.c_str(), 1);
}
