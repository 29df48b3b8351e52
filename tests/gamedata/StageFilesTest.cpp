// The farmyard stage, the stage list and the fighters' list as the game
// reads them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/Files.h"
#include "tests/gamedata/GameData.h"

namespace {

uint32_t Le32(const std::string& bytes, size_t offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return v;
}

std::vector<std::string> Values(const std::vector<TextEntry>& entries, const char* section,
                                const char* key) {
    std::vector<std::string> out;
    for (const TextEntry& e : entries)
        if (e.section == section && e.key == key) out.push_back(e.value);
    return out;
}

TEST(StagePicture, IsAnUncompressed24BitBmpWithSidesMultiplesOf256) {
    std::string bytes = ReadBytes(GameFile("fondos\\granja\\granja.bmp"));
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    // The stage reads bits per pixel together with the low half of the
    // compression field, as one 32-bit value.
    EXPECT_EQ(Le32(bytes, 28), 24u);
    EXPECT_EQ(Le32(bytes, 30), 0u);
    uint32_t w = Le32(bytes, 18), h = Le32(bytes, 22);
    EXPECT_TRUE(w >= 512 && w % 256 == 0) << w;
    EXPECT_TRUE(h >= 256 && h % 256 == 0) << h;
    EXPECT_EQ(Le32(bytes, 10), 54u) << "pixels start where the stage reads them";
    EXPECT_EQ(bytes.size(), 54u + size_t(w) * h * 3);
}

TEST(StageFiles, StageListAndStageNameFilesThatExist) {
    std::vector<TextEntry> list;
    ASSERT_TRUE(ReadEntries(GameFile("fondos\\fondos.txt"), &list));
    std::vector<std::string> stages = Values(list, "[fondos]", "fondo");
    ASSERT_FALSE(stages.empty());
    for (const TextEntry& e : list)
        if (e.section == "[personajes]") {
            EXPECT_TRUE(PlatformFileExists(GameFile("Bichos\\" + e.key + ".qvl").c_str())) << e.key;
            EXPECT_TRUE(PlatformFileExists(GameFile(e.value).c_str())) << e.value;
        }
    for (const std::string& stage : stages) {
        SCOPED_TRACE(stage);
        std::vector<TextEntry> s;
        ASSERT_TRUE(ReadEntries(GameFile(stage), &s));
        std::vector<std::string> picture = Values(s, "[fondo]", "imagen");
        ASSERT_EQ(picture.size(), 1u);
        EXPECT_TRUE(PlatformFileExists(GameFile(picture[0]).c_str()));
        float width = strtof(Values(s, "[fondo]", "ancho").at(0).c_str(), nullptr);
        float floor = strtof(Values(s, "[fondo]", "suelo").at(0).c_str(), nullptr);
        float x1 = strtof(Values(s, "[fondo]", "pollo1x").at(0).c_str(), nullptr);
        float x2 = strtof(Values(s, "[fondo]", "pollo2x").at(0).c_str(), nullptr);
        EXPECT_FLOAT_EQ(floor, 0.9f);
        // Inside the fighters' limits (0.1 .. width - 0.1) and closer than
        // the 0.9 the fight allows between them.
        EXPECT_TRUE(x1 >= 0.1f && x1 < x2 && x2 <= width - 0.1f && x2 - x1 <= 0.9f);
        EXPECT_EQ(Values(s, "[musica]", "ogg"), std::vector<std::string>{"sonido\\granja.ogg"});
        std::vector<std::string> actors = Values(s, "[actor]", "bicho");
        EXPECT_EQ(actors.size(), 2u);
        for (const std::string& actor : actors)
            EXPECT_TRUE(PlatformFileExists(GameFile(actor).c_str())) << actor;
    }
}

TEST(FighterList, NamesTheThreeFightersInGridOrder) {
    std::vector<TextEntry> list;
    ASSERT_TRUE(ReadEntries(GameFile("Bichos/bichos.txt"), &list));
    std::vector<std::string> fighters = Values(list, "[Jugadores]", "bicho");
    ASSERT_EQ(fighters.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(fighters[i], kFighterFiles[i]);
        EXPECT_TRUE(PlatformFileExists(GameFile(fighters[i]).c_str()));
    }
}

// The game binds "<creature>.dll" beside the creature file; the build puts a
// copy of the right behaviour there: the chicks fight with the frog's code.
TEST(BehaviourLibraries, EachCreatureHasItsBehaviourBesideIt) {
    const std::string rana = ReadBytes(GameFile("Rana.so"));
    const std::string mosca = ReadBytes(GameFile("mosca.so"));
    const std::string flor = ReadBytes(GameFile("flor.so"));
    ASSERT_FALSE(rana.empty());
    EXPECT_TRUE(ReadBytes(GameFile("Bichos\\rana.so")) == rana);
    EXPECT_TRUE(ReadBytes(GameFile("Bichos\\brocanto.so")) == rana);
    EXPECT_TRUE(ReadBytes(GameFile("Bichos\\truvaldino.so")) == rana);
    EXPECT_TRUE(ReadBytes(GameFile("Bichos\\mosca.so")) == mosca);
    EXPECT_TRUE(ReadBytes(GameFile("Bichos\\flor.so")) == flor);
}

// content.txt decides what is built and which behaviour goes beside it; a
// creature the game's lists name but content.txt leaves out would be missing.
TEST(ContentList, CoversEveryCreatureTheGameListsName) {
    std::vector<TextEntry> content, fighters, stages;
    ASSERT_TRUE(ReadEntries(CORRALON_SOURCE_DIR "/data/content.txt", &content));
    ASSERT_TRUE(ReadEntries(GameFile("Bichos\\bichos.txt"), &fighters));
    ASSERT_TRUE(ReadEntries(GameFile("fondos\\fondos.txt"), &stages));
    std::vector<std::string> listed;
    for (const TextEntry& e : content)
        if (e.section == "[bichos]") listed.push_back("Bichos\\" + e.key + ".qvl");
    std::vector<std::string> named = Values(fighters, "[Jugadores]", "bicho");
    for (const std::string& stage : Values(stages, "[fondos]", "fondo")) {
        std::vector<TextEntry> s;
        ASSERT_TRUE(ReadEntries(GameFile(stage), &s)) << stage;
        for (const std::string& actor : Values(s, "[actor]", "bicho")) named.push_back(actor);
    }
    for (const std::string& creature : named)
        EXPECT_NE(std::find(listed.begin(), listed.end(), creature), listed.end()) << creature;
}

}  // namespace
