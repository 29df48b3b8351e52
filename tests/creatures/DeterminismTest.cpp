// Two generator runs give the same creature and stage files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/creatures/GameData.h"

namespace {

std::string FreshFolder() {
    char pattern[] = "/tmp/corralon-creatures-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) return "";
    std::string folder = made;
    // The generator writes creatures through the game folder's renderer.
    if (symlink((std::string(CORRALON_GAME_DIR) + "/Headless.so").c_str(),
                (folder + "/Headless.so").c_str()) != 0)
        return "";
    return folder;
}

TEST(Generation, TwoRunsWriteIdenticalCreatureAndStageFiles) {
    std::string first = FreshFolder(), second = FreshFolder();
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    std::string generator = std::string(CORRALON_GAME_DIR) + "/corralon-datagen";
    std::string sources = std::string(CORRALON_SOURCE_DIR) + "/data";
    for (const std::string& folder : {first, second}) {
        std::string output;
        RunCommand("\"" + generator + "\" \"" + folder + "\" \"" + sources + "\"", &output);
    }
    const char* files[] = {"Bichos/rana.qvl",     "Bichos/brocanto.qvl",      "Bichos/truvaldino.qvl",
                           "Bichos/mosca.qvl",    "Bichos/flor.qvl",          "Bichos/bichos.txt",
                           "fondos/fondos.txt",   "fondos/granja/granja.txt", "fondos/granja/granja.bmp",
                           "review/criaturas.png"};
    for (const char* file : files) {
        std::string a = ReadBytes(first + "/" + file), b = ReadBytes(second + "/" + file);
        EXPECT_FALSE(a.empty()) << file;
        EXPECT_TRUE(a == b) << file << " differs between runs";
    }
    std::string ignored;
    RunCommand("rm -rf \"" + first + "\" \"" + second + "\"", &ignored);
}

}  // namespace
