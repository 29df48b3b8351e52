// The creature files of the game folder with their behaviour libraries, once
// the data generator has made them.
#include <gtest/gtest.h>

#include "tests/actions/ActionTestSupport.h"

namespace {

const std::string kGame = CORRALON_GAME_DIR "/";

bool Present(const std::string& relative) { return TestFolder::Exists(kGame + relative); }

bool LogMentions(const char* text) {
    return TestFolder::Read("logs/log.txt").find(text) != std::string::npos;
}

class GameFighters : public ::testing::TestWithParam<const char*> {};

TEST_P(GameFighters, HasEveryMoveAndItsPunchesLand) {
    const std::string file = std::string("Bichos/") + GetParam() + ".qvl";
    if (!Present(file)) GTEST_SKIP() << file << " not generated yet";
    Arena arena;
    Bicho* fighter = arena.Load(kGame + file, 0.5f);
    Bicho* frog = arena.Load(kGame + "Bichos/rana.qvl", 0.8f);
    fighter->SetOpponent(frog);
    frog->SetOpponent(fighter);
    frog->SetFacing(-1);
    EXPECT_FALSE(LogMentions("falta la animacion")) << TestFolder::Read("logs/log.txt");
    EXPECT_FALSE(LogMentions("Interfaz Acciones: No se ha podido cargar")) << TestFolder::Read("logs/log.txt");
    EXPECT_EQ("ANI_BASE1", Current(fighter));
    // Walk up to the frog, then punch.
    for (int i = 0; i < 300 && frog->GetLife() == 10.0f; ++i) {
        fighter->Update(fighter->BodyGap() > 0.02f ? 0x8 : (i % 2 ? 0x20 : 0), 0.02f);
        frog->Update(0, 0.02f);
    }
    EXPECT_LT(frog->GetLife(), 10.0f);
}

INSTANTIATE_TEST_SUITE_P(Bichos, GameFighters,
                         ::testing::Values("rana", "brocanto", "truvaldino"));

// The farm's actors live among the creatures.
std::string ActorFile(const char* name) {
    const std::string file = std::string("Bichos/") + name + ".qvl";
    return Present(file) ? kGame + file : std::string();
}

TEST(GameActors, TheFlyAndTheFlowerOfTheFarmPlay) {
    const std::string flyFile = ActorFile("mosca");
    const std::string flowerFile = ActorFile("flor");
    if (flyFile.empty() || flowerFile.empty()) GTEST_SKIP() << "farm actors not generated yet";
    Arena arena;
    Bicho* fly = arena.Load(flyFile, 0.5f);
    Bicho* flower = arena.Load(flowerFile, 0.2f);
    EXPECT_FALSE(LogMentions("falta la animacion")) << TestFolder::Read("logs/log.txt");
    EXPECT_FALSE(LogMentions("Interfaz Acciones: No se ha podido cargar"));
    for (int i = 0; i < 60; ++i) {
        fly->UpdateAlone(0, 0.02f);
        flower->UpdateAlone(0, 0.02f);
    }
    EXPECT_EQ("ANI_BASE1", Current(fly));
    EXPECT_EQ("ANI_BASE1", Current(flower));
}

// A preview holds only the first animation: the behaviour's list is checked
// after a whole load alone.
TEST(GameBehaviours, MissingAnimationsAreReportedAfterAWholeLoadOnly) {
    struct Case {
        const char* library;
        bool whole;
        size_t lines;
    };
    for (Case k : {Case{"rana", false, 0}, Case{"rana", true, 6}, Case{"flor", true, 2}}) {
        SCOPED_TRACE(std::string(k.library) + (k.whole ? " whole" : " preview"));
        Arena arena;
        InstallBehaviour(std::string("Bichos/") + k.library + ".so", "bare.so");
        WriteCreature("bare.qvl", {{"ANI_BASE1", 1, 0.1f}});
        Bicho* b = CreateBicho();
        b->Init(nullptr, HeadlessRenderer(), &arena.particles, nullptr, &arena.settings, nullptr);
        EXPECT_EQ(0, k.whole ? b->Load("bare.qvl") : b->LoadPiece("bare.qvl"));
        std::string log = TestFolder::Read("logs/log.txt");
        size_t lines = 0;
        for (size_t at = log.find("falta la animacion"); at != std::string::npos;
             at = log.find("falta la animacion", at + 1))
            ++lines;
        EXPECT_EQ(k.lines, lines) << log;
        b->Release();
        DestroyBicho(b);
    }
}

}  // namespace
