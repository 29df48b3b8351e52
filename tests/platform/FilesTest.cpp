#include "base/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/Library.h"
#include "base/Plugin.h"
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
