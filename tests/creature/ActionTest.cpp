// Behaviour libraries: binding, sharing, unloading, the do-nothing
// behaviour, and a real library driving its creature through the table.
#include <gtest/gtest.h>

#include <typeinfo>

#include "sdk/GameSettings.h"
#include "creature/AccionesNulas.h"
#include "creature/ActionLibrary.h"
#include "sdk/Bicho.h"
#include "tests/creature/TestSupport.h"

namespace {

bool Mapped(const char* fileName) {
    return ReadFileBytes("/proc/self/maps").find(fileName) != std::string::npos;
}

void WriteTestCreature(const char* path) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    ASSERT_EQ(0, c->Save(path));
    FreeCreature(c);
}

TEST(ActionLibrary, PathsOfACreatureFile) {
    char library[1024], directory[1024];
    ActionLibraryPaths("Bichos\\prueba.qvl", library, directory);
    EXPECT_STREQ("Bichos\\prueba.dll", library);
    EXPECT_STREQ("Bichos\\", directory);
    ActionLibraryPaths("prueba.qvl", library, directory);
    EXPECT_STREQ("prueba.dll", library);
    EXPECT_STREQ("", directory);
    ActionLibraryPaths("a/b\\c.qvl", library, directory);
    EXPECT_STREQ("a/b\\", directory);
    std::string longPath(3000, 'x');
    ActionLibraryPaths(longPath.c_str(), library, directory);
    EXPECT_EQ(1023u, strlen(library));
    EXPECT_STREQ("dll", library + 1020);
}

TEST(ActionLibrary, TwoCreaturesOfOneFileShareTheLibrary) {
    WriteTestCreature("prueba.qvl");
    ASSERT_FALSE(Mapped("/prueba.so"));
    Bicho* first = NewCreature();
    Bicho* second = NewCreature();
    ASSERT_EQ(0, first->Load("prueba.qvl"));
    ASSERT_EQ(0, second->Load("prueba.qvl"));
    EXPECT_EQ(2, ActionLibraryCount("prueba.dll"));
    EXPECT_TRUE(Mapped("/prueba.so"));
    FreeCreature(first);
    EXPECT_EQ(1, ActionLibraryCount("prueba.dll"));
    EXPECT_TRUE(Mapped("/prueba.so"));
    FreeCreature(second);
    EXPECT_EQ(0, ActionLibraryCount("prueba.dll"));
    EXPECT_FALSE(Mapped("/prueba.so"));
}

TEST(ActionLibrary, TheBehaviourDrivesItsCreatureThroughTheTable) {
    WriteTestCreature("./prueba.qvl");
    GameSettings settings;
    Bicho* c = CreateBicho();
    c->Init(nullptr, TestRenderer(), nullptr, nullptr, &settings, nullptr);
    Bicho* other = NewCreature();
    AddTestAnimation(other, "ANI_BASE1", "", 1);
    ASSERT_EQ(0, c->Load("./prueba.qvl"));
    // What Init did through slots 24, 44, 46, 47, 49, 51, 71, 85, 87, 88.
    EXPECT_FLOAT_EQ(7.0f, c->maxLife);
    EXPECT_FLOAT_EQ(7.0f, c->life);
    EXPECT_FLOAT_EQ(3.0f, c->maxPower);
    EXPECT_EQ(40, c->playerNumber);
    EXPECT_EQ(-1, c->specialDirection);
    EXPECT_STREQ("./", c->name3);
    EXPECT_FLOAT_EQ(0.25f, c->ghostTime);

    EXPECT_FLOAT_EQ(8.0f, c->QueryA(4));
    EXPECT_FLOAT_EQ(12.0f, c->QueryB(4));
    EXPECT_EQ(0x4, c->Think(0.1f));
    c->SetArenaSize(3.0f, 1.0f);
    c->SetOpponent(other);
    other->SetOpponent(c);
    other->x = 1.6f;
    other->SetRoundsWon(4);
    EXPECT_EQ(0x20, c->Think(0.1f));
    c->x = 1.0f;
    c->Update(3, 0.02f);  // UpdateFight: fields, MoveTo, SetX, SetRoundsWon
    EXPECT_FLOAT_EQ(1.5f, settings.slowMotionTime);
    EXPECT_FLOAT_EQ(0.02f, c->specialTime);
    EXPECT_FLOAT_EQ(1.03f, c->x);
    EXPECT_EQ(5, c->roundsWon);
    EXPECT_EQ(3, c->inputFlags);

    c->inputFlags = 0x40;
    c->SetAnimation("ANI_BASE1");
    other->SetOpponent(c);
    c->ReceiveHit(0x11);  // OnHit
    EXPECT_FLOAT_EQ(6.0f, c->life);
    EXPECT_EQ(0x11, c->specialMove);
    EXPECT_FLOAT_EQ(1.0f, c->power);

    c->Draw(0, 0, 0.01f);  // DrawExtra
    EXPECT_EQ(1, c->specialDirection);
    c->SetOpponent(nullptr);
    c->Update(0x9, 0.01f);  // UpdateAlone
    EXPECT_EQ(0x9, c->specialMove);
    FreeCreature(c);
    FreeCreature(other);
}

TEST(ActionLibrary, MissingLibraryGivesTheDoNothingBehaviour) {
    WriteTestCreature("sin_acciones.qvl");
    Bicho* c = NewCreature();
    NewLogText();
    ASSERT_EQ(0, c->Load("sin_acciones.qvl"));
    EXPECT_NE(std::string::npos,
              NewLogText().find("     Interfaz Acciones: No se ha podido cargar la DLL de "
                                "acciones del bicho:  sin_acciones.dll\n"));
    ASSERT_NE(nullptr, c->action);
    EXPECT_EQ(typeid(AccionesNulas), typeid(*c->action));
    EXPECT_EQ(0, c->Think(0.1f));
    EXPECT_FLOAT_EQ(1.0f, c->QueryA(1));
    Frame* frame = c->currentFrame;
    c->Update(0, 1.0f);
    EXPECT_EQ(frame, c->currentFrame);  // stays still
    FreeCreature(c);
}

TEST(ActionLibrary, LibraryWithoutTheFactoryIsTreatedAsMissing) {
    TestRenderer();  // keeps Headless loaded for the renderer in use
    NewLogText();
    InterfazAcciones* object = LoadActionLibrary(CORRALON_GAME_DIR "/Headless.dll");
    ASSERT_NE(nullptr, object);
    EXPECT_EQ(typeid(AccionesNulas), typeid(*object));
    EXPECT_NE(std::string::npos, NewLogText().find("No se ha podido cargar la DLL"));
    EXPECT_EQ(0, ActionLibraryCount(CORRALON_GAME_DIR "/Headless.dll"));
    delete object;
    ReleaseActionLibrary(object);  // no library behind it: nothing happens
    EXPECT_NE(nullptr, TestRenderer());
}

}  // namespace
