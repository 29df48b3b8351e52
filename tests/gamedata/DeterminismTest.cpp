// Two generator runs give the same creature and stage files.
#include <gtest/gtest.h>

#include <string>

#include "tests/GeneratedData.h"
#include "tests/gamedata/GameData.h"

namespace {

TEST(Generation, TwoRunsWriteIdenticalCreatureAndStageFiles) {
    const std::string& first = FirstGeneratedRun().folder;
    const std::string& second = SecondGeneratedRun().folder;
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    const char* files[] = {"Bichos/rana.qvl",     "Bichos/brocanto.qvl",      "Bichos/truvaldino.qvl",
                           "Bichos/mosca.qvl",    "Bichos/flor.qvl",          "Bichos/bichos.txt",
                           "fondos/fondos.txt",   "fondos/granja/granja.txt", "fondos/granja/granja.bmp",
                           "review/criaturas.png"};
    for (const char* file : files) {
        std::string a = ReadBytes(first + "/" + file), b = ReadBytes(second + "/" + file);
        EXPECT_FALSE(a.empty()) << file;
        EXPECT_TRUE(a == b) << file << " differs between runs";
    }
}

}  // namespace
