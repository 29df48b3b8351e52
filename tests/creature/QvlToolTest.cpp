// The qvl program run as a modder runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "sdk/Bicho.h"
#include "tests/creature/TestSupport.h"

namespace {

int Qvl(const std::string& arguments) {
    // The renderer object lives as long as the process (its interface has no
    // destructor): not a leak to report in sanitizer builds.
    std::string command = "ASAN_OPTIONS=detect_leaks=0 '" + std::string(CORRALON_GAME_DIR) +
                          "/qvl' " + arguments + " >qvl_out.txt 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(QvlTool, ExtractThenBuildGivesTheSameFileAndCheckJudgesIt) {
    Bicho* c = NewCreature();
    c->SetName("MODDER");
    c->SetPictureA(MakeTexture(5, 4, 4, 3, "cara"));
    TextureHandle gap = MakeTexture(2, 2, 3, 1);  // a handle no frame uses
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    AddTestAnimation(c, "ANI_PUNCH1", "acciones", 3, 0, 12);
    ASSERT_EQ(0, c->Save("modder.qvl"));
    FreeCreature(c);
    TestRenderer()->ReleaseTexture(gap);

    EXPECT_EQ(0, Qvl("check modder.qvl"));
    EXPECT_EQ(0, Qvl("info modder.qvl"));
    std::string info = ReadFileBytes("qvl_out.txt");
    EXPECT_NE(std::string::npos, info.find("animation \"ANI_PUNCH1\"  kind \"acciones\""));
    EXPECT_NE(std::string::npos, info.find("12x12 x 4 bytes"));
    ASSERT_EQ(0, std::system("rm -rf modder_dir"));
    ASSERT_EQ(0, Qvl("extract modder.qvl modder_dir"));
    ASSERT_EQ(0, Qvl("build modder_dir rebuilt.qvl"));
    EXPECT_EQ(ReadFileBytes("modder.qvl"), ReadFileBytes("rebuilt.qvl"));

    std::string bytes = ReadFileBytes("modder.qvl");
    WriteFileBytes("cut.qvl", bytes.substr(0, bytes.size() - 40));
    EXPECT_EQ(1, Qvl("check cut.qvl"));
    EXPECT_NE(std::string::npos, ReadFileBytes("qvl_out.txt").find("cut.qvl: "));
    // A kind the reader had to cut is a fault of the file.
    std::string kind, longKind;
    PutString(kind, "acciones");
    PutString(longKind, std::string(5000, 'K').c_str());
    std::string cutKind = bytes;
    cutKind.replace(cutKind.find(kind), kind.size(), longKind);
    WriteFileBytes("kind.qvl", cutKind);
    EXPECT_EQ(1, Qvl("check kind.qvl"));
    EXPECT_NE(std::string::npos, ReadFileBytes("qvl_out.txt").find("texto de 5001 bytes cortado"));
    EXPECT_EQ(2, Qvl("check no_such.qvl"));
    EXPECT_EQ(2, Qvl("bogus"));

    // Misuse and damage: one line that says it, and a status that is not 0.
    WriteFileBytes("afile", "x");
    ASSERT_EQ(0, std::system("cp -r modder_dir huge && sed -i 's/^textureCount = .*/textureCount "
                             "= 1000000000/' huge/manifest.txt"));
    const struct {
        const char* arguments;
        int status;
        const char* says;
    } misuses[] = {
        {"info cut.qvl", 1, "cut.qvl is broken"},
        {"info /dev/null", 2, "cannot open /dev/null: not a regular file"},
        {"extract modder.qvl afile", 2, "afile is not a folder"},
        {"build modder_dir modder_dir/texture_000.bmp", 1, "is one of the inputs"},
        {"build huge big.qvl", 1, "textureCount 1000000000 is outside 0 to 1048576"},
    };
    for (const auto& m : misuses) {
        EXPECT_EQ(m.status, Qvl(m.arguments)) << m.arguments;
        const std::string out = ReadFileBytes("qvl_out.txt");
        EXPECT_NE(std::string::npos, out.find(m.says)) << m.arguments << ": " << out;
        EXPECT_EQ(out.find("qvl:"), out.rfind("qvl:")) << out;
    }
    EXPECT_EQ(ReadFileBytes("modder_dir/texture_000.bmp").substr(0, 2), "BM");
}

}  // namespace
