// data/content.txt as the generator reads it.
#include "tools/datagen/creatures/Content.h"

#include <gtest/gtest.h>

#include "tests/TestFolder.h"

namespace {

TEST(GameContent, KeepsTheOrderAndEachCreaturesLibrary) {
    TestFolder folder;
    TestFolder::Write("content.txt",
                      "# list\n[bichos]\nrana = Rana.dll\nsapo = Sapo.dll\n\n"
                      "[fondos]\nfondo = granja\nfondo = charca\n[otros]\nx = y\n");
    GameContent content;
    std::string reason;
    ASSERT_TRUE(ReadGameContent("content.txt", content, reason)) << reason;
    ASSERT_EQ(content.creatures.size(), 2u);
    EXPECT_EQ(content.creatures[1].name, "sapo");
    EXPECT_EQ(content.creatures[1].gameFile, "Bichos\\sapo.qvl");
    EXPECT_EQ(content.creatures[1].library, "Sapo.dll");
    EXPECT_EQ(content.stages, (std::vector<std::string>{"granja", "charca"}));

    TestFolder::Write("content.txt", "[bichos]\nrana =\n");
    EXPECT_FALSE(ReadGameContent("content.txt", content, reason));
    EXPECT_FALSE(ReadGameContent("missing.txt", content, reason));
    EXPECT_EQ(reason, "cannot read missing.txt");
}

}  // namespace
