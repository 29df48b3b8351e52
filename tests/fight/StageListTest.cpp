// Which stage the stage list gives a fight.
#include <sys/stat.h>

#include "base/Random.h"
#include "fight/Fondo.h"
#include "tests/TestFolder.h"

#include <gtest/gtest.h>

namespace {

std::string Stages(int count) {
    std::string text = "[fondos]\n";
    for (int i = 0; i < count; ++i) text += "fondo = s" + std::to_string(i) + ".txt\n";
    return text;
}

struct ListCase {
    const char* name;
    std::string list;       // empty: no list file
    const char* character;  // null: random
    int randomCount;        // > 0: the pick is draw mod this many entries "sN.txt"
    std::string expected;
    std::string log;
};

const char kNoList[] = "     Fondo: No se puede abrir la lista de fondos:  fondos\\fondos.txt\n";
const char kCharacters[] = "[personajes]\nrana = r.txt\nbrocanto = b.txt\n";

TEST(StageList, ChoosesTheCharactersStageTheFirstOrARandomOne) {
    const std::string over = "     Fondo: La lista de fondos pasa de 100, se ignora:  ";
    const ListCase cases[] = {
        {"own stage", Stages(3) + kCharacters, "rana", 0, "r.txt", ""},
        {"own stage listed first", kCharacters + Stages(3), "brocanto", 0, "b.txt", ""},
        {"names match exactly", Stages(3) + kCharacters, "Rana", 0, "s0.txt", ""},
        {"character without a stage", Stages(3) + kCharacters, "pollo", 0, "s0.txt", ""},
        {"random", Stages(7) + kCharacters, nullptr, 7, "", ""},
        {"empty list, character", kCharacters, "pollo", 0, "defecto.txt", ""},
        {"empty list, random", "[fondos]\n", nullptr, 0, "defecto.txt", ""},
        {"no list", "", "rana", 0, "defecto.txt", kNoList},
        {"101st entry ignored", Stages(102) + kCharacters, nullptr, 100, "",
         over + "s100.txt\n" + over + "s101.txt\n"},
        {"fondo outside [fondos]", "[otros]\nfondo = x.txt\n", nullptr, 0, "defecto.txt", ""},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        ASSERT_EQ(mkdir("logs", 0755), 0);
        ASSERT_EQ(mkdir("fondos", 0755), 0);
        if (!c.list.empty()) TestFolder::Write("fondos/fondos.txt", c.list);
        std::string expected = c.expected;
        if (c.randomCount > 0) {
            Random probe = GameRandom();
            expected = "s" + std::to_string(probe.Next() % c.randomCount) + ".txt";
        }
        char path[Fondo::kPathSize] = "defecto.txt";
        ChooseStage(c.character, path);
        EXPECT_EQ(std::string(path), expected);
        EXPECT_EQ(TestFolder::Read("logs/log.txt"), c.log);
    }
}

}  // namespace
