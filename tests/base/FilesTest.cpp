#include "base/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/Library.h"
#include "base/Plugin.h"
#include "input/TecladoBindings.h"
#include "tests/TestFolder.h"

namespace {

TEST(Files, BackslashesAndLetterCaseAreResolved) {
    TestFolder folder;
    ASSERT_EQ(mkdir("bmp", 0755), 0);
    ASSERT_EQ(mkdir("Fondos", 0755), 0);
    ASSERT_EQ(mkdir("Fondos/Granja", 0755), 0);
    TestFolder::Write("bmp/numerosB.bmp", "B");
    TestFolder::Write("Fondos/Granja/granja.TXT", "G");

    EXPECT_EQ(PlatformResolvePath("bmp\\numerosB.bmp"), "bmp/numerosB.bmp");
    EXPECT_EQ(PlatformResolvePath("bmp\\numerosb.bmp"), "bmp/numerosB.bmp");
    EXPECT_EQ(PlatformResolvePath("FONDOS\\granja\\Granja.txt"), "Fondos/Granja/granja.TXT");
    EXPECT_EQ(PlatformResolvePath("./bmp/NUMEROSB.BMP"), "bmp/numerosB.bmp");
    // A file still to be made keeps its own name in the existing folder.
    EXPECT_EQ(PlatformResolvePath("fondos\\granja\\nuevo.txt"), "Fondos/Granja/nuevo.txt");
    EXPECT_EQ(PlatformResolvePath("nada\\x.txt"), "nada/x.txt");

    FILE* f = PlatformOpenFile("BMP\\NumerosB.Bmp", "rt");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(fgetc(f), 'B');
    fclose(f);
    EXPECT_EQ(PlatformOpenFile("bmp\\missing.bmp", "rb"), nullptr);
    EXPECT_EQ(PlatformOpenFile(nullptr, "rb"), nullptr);
    EXPECT_TRUE(PlatformFileExists("fondos\\GRANJA\\granja.txt"));
    EXPECT_FALSE(PlatformFileExists("fondos\\GRANJA\\otra.txt"));
}

TEST(Files, ExactNameWinsOverACaselessTwin) {
    TestFolder folder;
    TestFolder::Write("a.txt", "lower");
    TestFolder::Write("A.txt", "upper");
    EXPECT_EQ(PlatformResolvePath("A.txt"), "A.txt");
    EXPECT_EQ(PlatformResolvePath("a.txt"), "a.txt");
}

TEST(Files, AtomicWriteReplacesWholeOrNothing) {
    TestFolder folder;
    ASSERT_EQ(mkdir("Cfg", 0755), 0);
    EXPECT_EQ(PlatformWriteFileAtomic("cfg\\x.bin", "12345", 5), 1);
    EXPECT_EQ(TestFolder::Read("Cfg/x.bin"), "12345");
    EXPECT_EQ(PlatformWriteFileAtomic("cfg\\x.bin", "ab", 2), 1);
    EXPECT_EQ(TestFolder::Read("Cfg/x.bin"), "ab");
    EXPECT_FALSE(TestFolder::Exists("Cfg/x.bin.new"));
    EXPECT_EQ(PlatformWriteFileAtomic("missing\\x.bin", "ab", 2), 0);
    EXPECT_EQ(PlatformWriteFileAtomic(nullptr, "ab", 2), 0);
}

TEST(Files, FolderIsNeverOpenedAsAFile) {
    TestFolder folder;
    ASSERT_EQ(mkdir("Cfg", 0755), 0);
    ASSERT_EQ(mkdir("Cfg/config.cfg", 0755), 0);
    for (const char* mode : {"rb", "rt", "r+b", "wb", "ab"}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(PlatformOpenFile("cfg\\config.cfg", mode), nullptr);
        EXPECT_EQ(PlatformOpenFile("cfg", mode), nullptr);
    }
}

// Settings kept elsewhere through a link: the save lands at the link's end
// and the link stays a link.
TEST(Files, AtomicWriteFollowsSymbolicLinks) {
    TestFolder folder;
    const std::string here = folder.path();
    ASSERT_EQ(mkdir("cfg", 0755), 0);
    ASSERT_EQ(mkdir("home", 0755), 0);
    ASSERT_EQ(mkdir("home/sub", 0755), 0);
    struct Case {
        const char* link;    // made in cfg/
        std::string target;  // what the link holds
        const char* lands;   // the file that must hold the new bytes
    } cases[] = {
        {"relative.cfg", "../home/a.cfg", "home/a.cfg"},
        {"absolute.cfg", here + "/home/b.cfg", "home/b.cfg"},
        {"chain.cfg", "relative.cfg", "home/a.cfg"},
        {"dangling.cfg", "../home/sub/new.cfg", "home/sub/new.cfg"},
    };
    TestFolder::Write("home/a.cfg", "old");
    TestFolder::Write("home/b.cfg", "old");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        const std::string link = std::string("cfg/") + c.link;
        ASSERT_EQ(symlink(c.target.c_str(), link.c_str()), 0);
        EXPECT_EQ(PlatformWriteFileAtomic(("cfg\\" + std::string(c.link)).c_str(), "new", 3), 1);
        struct stat st;
        ASSERT_EQ(lstat(link.c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        EXPECT_EQ(TestFolder::Read(c.lands), "new");
        EXPECT_FALSE(TestFolder::Exists(std::string(c.lands) + ".new"));
        EXPECT_FALSE(TestFolder::Exists(link + ".new"));
        TestFolder::Write(c.lands, "old");
    }

    // A loop has no end to write to: nothing changes.
    ASSERT_EQ(symlink("loop2.cfg", "cfg/loop1.cfg"), 0);
    ASSERT_EQ(symlink("loop1.cfg", "cfg/loop2.cfg"), 0);
    EXPECT_EQ(PlatformWriteFileAtomic("cfg\\loop1.cfg", "new", 3), 0);
    struct stat st;
    ASSERT_EQ(lstat("cfg/loop1.cfg", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // The key bindings are saved the same way.
    ASSERT_EQ(symlink("../home/keys.cfg", "cfg/tecladoDI.cfg"), 0);
    uint8_t bindings[2][kBindingCount];
    SetDefaultBindings(bindings);
    EXPECT_EQ(WriteBindings(kBindingsPath, bindings), 1);
    EXPECT_EQ(TestFolder::Read("home/keys.cfg").size(), static_cast<size_t>(kBindingFileSize));
    ASSERT_EQ(lstat("cfg/tecladoDI.cfg", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(Library, DllNamesFindTheNativeLibrary) {
    TestFolder folder;
    ASSERT_EQ(symlink(CORRALON_TEST_BIN_DIR "/libcorralon_testmodule.so", "Modulo.so"), 0);
    void* byDll = PlatformLoadLibrary("Modulo.dll");
    ASSERT_NE(byDll, nullptr) << PlatformLibraryError();
    EXPECT_NE(PlatformGetSymbol(byDll, "CorralonTestModuleAnswer"), nullptr);
    EXPECT_EQ(PlatformGetSymbol(byDll, "NoSuchSymbol"), nullptr);
    void* byName = PlatformLoadLibrary("modulo.so");
    EXPECT_EQ(byName, byDll);  // same library, counted twice
    PlatformFreeLibrary(byName);
    PlatformFreeLibrary(byDll);

    EXPECT_EQ(PlatformLoadLibrary("Nada.dll"), nullptr);
    EXPECT_EQ(PlatformLoadLibrary(""), nullptr);
    EXPECT_EQ(PlatformGetSymbol(nullptr, "x"), nullptr);
}

TEST(Library, PluginsComeFromTheirFactoryAndEachFailureIsLoggedOnce) {
    TestFolder folder;
    ASSERT_EQ(mkdir("logs", 0755), 0);
    ASSERT_EQ(symlink(CORRALON_TEST_BIN_DIR "/libcorralon_testmodule.so", "Modulo.so"), 0);
    const char line[] = "fallo: %s\n";
    PluginObject<int> made = LoadPlugin<int>("Modulo.dll", "CorralonTestModuleMake", line);
    ASSERT_NE(made.object, nullptr);
    EXPECT_EQ(*made.object, 7);
    EXPECT_NE(made.library, nullptr);

    PluginObject<int> noFactory = LoadPlugin<int>("Modulo.dll", "NoSuchFactory", line);
    EXPECT_EQ(noFactory.object, nullptr);
    EXPECT_EQ(noFactory.library, nullptr);
    EXPECT_TRUE(noFactory.libraryOpened);
    PluginObject<int> missing = LoadPlugin<int>("Nada.dll", "CorralonTestModuleMake", line);
    EXPECT_EQ(missing.object, nullptr);
    EXPECT_FALSE(missing.libraryOpened);
    EXPECT_EQ(LoadPlugin<int>("Nada.dll", "CorralonTestModuleMake").object, nullptr);  // unlogged
    EXPECT_EQ(TestFolder::Read("logs/log.txt"), "fallo: Modulo.dll\nfallo: Nada.dll\n");
    PlatformFreeLibrary(made.library);
}

}  // namespace
