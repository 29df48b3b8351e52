// The character selection: the list, both sides' choices, the computer's
// picks, the versus splash and the start of the fight.
#include <cmath>
#include <sstream>

#include "sdk/Bicho.h"
#include "tests/menus/MenuSupport.h"

namespace {

class SelectionTest : public MenuTest {
protected:
    RecordingRenderer draw;  // the selection's own, creatures' pictures and all
    const float dt = 0.125f;  // exact in binary: timers reach 0 exactly

    void SetUp() override {
        MenuTest::SetUp();
        draw.loaded = renderer.loaded;
        menu->context.renderer = &draw;
        ASSERT_EQ(mkdir("Bichos", 0755), 0);
    }
    // Named, with both portraits unless told otherwise, one animation of
    // one long frame, and the test behaviour beside it.
    void WriteCreature(const std::string& stem, const char* name, bool portraits = true) {
        Bicho* c = CreateBicho();
        c->Init(nullptr, &draw, nullptr, nullptr, nullptr, nullptr);
        c->SetName(name);
        if (portraits) {
            c->SetPictureA(draw.CreateTexture(nullptr, 2, 2, 4, "a"));
            c->SetPictureB(draw.CreateTexture(nullptr, 2, 2, 4, "b"));
        }
        c->AddAnimation(0, 0, 0, "", "ANI_BASE1");
        c->AddFrame(0.1f, 0.2f, static_cast<int>(draw.CreateTexture(nullptr, 2, 2, 4, "f")), 0, 0,
                    0.2f, 0.3f, 0, 0, 0.2f, 0.3f, 0, 0, 0, 0, 0, 0, 1000.0f);
        EXPECT_EQ(0, c->Save(("Bichos/" + stem + ".qvl").c_str()));
        c->Release();
        DestroyBicho(c);
        TestFolder::Write("Bichos/" + stem + ".so",
                          TestFolder::Read(CORRALON_TEST_BIN_DIR "/prueba.so"));
    }
    void WriteList(const std::vector<std::string>& stems) {
        std::string text = "[Jugadores]\n";
        for (const std::string& s : stems) text += "bicho = Bichos/" + s + ".qvl\n";
        TestFolder::Write("Bichos/bichos.txt", text);
    }
    void Run(SelectionMode mode) {
        draw.Forget();
        menu->selection.Frame(StartFight, &state, dt, mode);
    }
    std::vector<std::string> MenuLog() const {
        std::istringstream log(TestFolder::Read("logs/log.txt"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(log, line);)
            if (line.rfind("     Menu:", 0) == 0) lines.push_back(line);
        return lines;
    }
};

TEST_F(SelectionTest, OneCreatureSharesBothCursorsAndTheComputerKeepsLandingOnIt) {
    WriteCreature("a", "ALFA");
    WriteList({"a"});
    for (int frame = 0; frame < 200 && !menu->selection.chosen2; ++frame) {
        Run(SelectionMode::kDemo);
        ASSERT_EQ(menu->selection.cursor1 + menu->selection.cursor2, 0);
    }
    ASSERT_TRUE(menu->selection.chosen1 && menu->selection.chosen2);
    EXPECT_STREQ(settings.player1Name, "Bichos/a.qvl");
    EXPECT_STREQ(settings.player2Name, "Bichos/a.qvl");
    // Drawn on both sides, facing each other, and animated by the whole frame.
    Bicho* a = menu->selection.creatures[0];
    const float before = a->GetFrameTimer();
    Run(SelectionMode::kDemo);
    EXPECT_NEAR(before - a->GetFrameTimer(), dt, 1e-4);
    std::vector<float> widths;
    for (const RendererCall& c : draw.calls)
        if (c.op == "DrawImage" && c.texture == TextureHandle(a->currentFrame->texture) && c.alpha() == 1)
            widths.push_back(c.w());
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_LT(widths[0] * widths[1], 0.0f);
}

TEST_F(SelectionTest, VersusSplashWaitsOneSecondAfterTheLaterChoice) {
    WriteCreature("a", "ALFA");
    WriteCreature("b", "BETA");
    WriteList({"a", "b"});
    Run(SelectionMode::kVersus);
    keyboard.Press(1, kInputPunch1);  // side 2 first
    Run(SelectionMode::kVersus);
    ASSERT_TRUE(menu->selection.chosen2 && !menu->selection.chosen1);
    for (int i = 0; i < 4; ++i) Run(SelectionMode::kVersus);
    keyboard.Press(0, kInputPunch1);
    Run(SelectionMode::kVersus);
    for (int i = 0; i < 7; ++i) Run(SelectionMode::kVersus);
    EXPECT_TRUE(sound.music.empty());
    EXPECT_EQ(menu->selection.versus, 5.0f);
    Run(SelectionMode::kVersus);  // one second after side 1's choice
    EXPECT_EQ(sound.music, std::vector<std::string>{"seleccionados.ogg"});
    EXPECT_EQ(menu->selection.versus, 5.0f - dt);
    EXPECT_STREQ(settings.player1Name, "Bichos/a.qvl");
    EXPECT_STREQ(settings.player2Name, "Bichos/b.qvl");
}

TEST_F(SelectionTest, BackForgetsHalfMadeChoicesButDoesNothingDuringTheSplash) {
    WriteCreature("a", "ALFA");
    WriteList({"a", "a"});
    menu->tree.current = menu->tree.first = menu->tree.root->child->next->child;  // the versus command
    Frame(dt);
    Tap(0, kInputRight, dt);
    Tap(0, kInputPunch1, dt);
    ASSERT_TRUE(menu->selection.chosen1);
    Tap(0, kInputKick1, dt);
    Frame(dt);  // on "2 PLAYER (VS)" now: the choice is forgotten, the cursor kept
    EXPECT_EQ(Current(), "2 PLAYER (VS)");
    EXPECT_FALSE(menu->selection.chosen1);
    EXPECT_EQ(menu->selection.cursor1, 1);

    TapSpecial(kSpecialEnter, dt);
    keyboard.Press(0, kInputPunch1);
    keyboard.Press(1, kInputPunch1);
    for (int i = 0; i < 10; ++i) Frame(dt);
    ASSERT_LT(menu->selection.versus, 5.0f);
    Tap(0, kInputKick1, dt);
    TapSpecial(kSpecialEscape, dt);
    EXPECT_EQ(Current(), "");
    EXPECT_TRUE(menu->selection.chosen1 && menu->selection.chosen2);
    for (int i = 0; i < 60 && !fightsStarted; ++i) Frame(dt);
    EXPECT_EQ(fightsStarted, 1);
    EXPECT_EQ(state, GameState::kFight);
}

TEST_F(SelectionTest, DemoChoosesAloneAndStartsTheFightAfterTheSplash) {
    for (const char* s : {"a", "b", "c"}) WriteCreature(s, s);
    WriteList({"a", "b", "c"});
    menu->tree.current = menu->tree.first = menu->tree.demoLeaf;
    float t = 0.0f, musicAt = -1.0f;
    for (int i = 0; i < 400 && !fightsStarted; ++i, t += dt) {
        Frame(dt);
        if (musicAt < 0.0f && !sound.music.empty()) musicAt = t;
    }
    ASSERT_EQ(fightsStarted, 1);
    EXPECT_EQ(state, GameState::kFight);
    EXPECT_EQ(settings.gameMode, 3);
    EXPECT_NEAR(t - musicAt, 5.0f, 2 * dt);
    EXPECT_NE(settings.player1Name, nullptr);
    EXPECT_NE(settings.player2Name, nullptr);
    EXPECT_EQ(menu->selection.count, 0);
    EXPECT_TRUE(draw.live.empty());  // portraits and frames of every creature
    EXPECT_TRUE(draw.Released("bmp\\loflipo.bmp"));
    const size_t released = draw.released.size();
    menu->selection.ReleaseCharacters();  // nothing left to release
    EXPECT_EQ(draw.released.size(), released);
}

TEST_F(SelectionTest, ArcadeComputerTakesRemainingOpponentsThenThePlayersOwn) {
    WriteCreature("a", "ALFA");
    WriteCreature("b", "BETA");
    WriteCreature("c", "GAMMA");
    WriteList({"a", "b", "c"});
    Run(SelectionMode::kArcade);
    keyboard.Press(0, kInputRight);
    keyboard.Press(0, kInputPunch1);
    Run(SelectionMode::kArcade);
    ASSERT_TRUE(ladder.IsActive());
    for (int i = 0; i < 60 && !menu->selection.chosen2; ++i) {
        Run(SelectionMode::kArcade);
        ASSERT_NE(menu->selection.cursor2, 1);  // never the player's own while others remain
    }
    ASSERT_TRUE(menu->selection.chosen2);

    // Next visit, every opponent beaten: the player's creature on both sides.
    menu->selection.ReleaseCharacters();
    ladder.Remove("ALFA");
    ladder.Remove("GAMMA");
    Run(SelectionMode::kArcade);
    EXPECT_TRUE(menu->selection.chosen1 && menu->selection.chosen2);
    EXPECT_EQ(menu->selection.cursor1, 1);
    EXPECT_EQ(menu->selection.cursor2, 1);
    EXPECT_STREQ(settings.player1Name, "Bichos/b.qvl");
    EXPECT_STREQ(settings.player2Name, "Bichos/b.qvl");
    int dimmed = 0;  // every cell: beaten, or the player's own
    for (const RendererCall& c : draw.calls)
        dimmed += c.op == "DrawImage" && c.w() == 0.05f && c.r() == 0.5f && c.alpha() == 0.5f;
    EXPECT_EQ(dimmed, 3);
}

TEST_F(SelectionTest, MissingAndBrokenFilesKeepTheirCellsWithAPlainFrame) {
    WriteCreature("a", "ALFA");
    WriteCreature("sin", "SIN RETRATOS", false);
    TestFolder::Write("Bichos/roto.qvl", "no es un bicho");
    TestFolder::Write("Bichos/bichos.txt",
                      "[Jugadores]\nbicho = Bichos/a.qvl\nbicho =\notro = Bichos/a.qvl\n"
                      "[Otros]\nbicho = Bichos/a.qvl\n[Jugadores]\nbicho = Bichos/falta.qvl\n"
                      "bicho = Bichos/roto.qvl\nbicho = Bichos/sin.qvl\n");
    Run(SelectionMode::kVersus);
    ASSERT_EQ(menu->selection.count, 4);
    EXPECT_STREQ(menu->selection.files[1], "Bichos/falta.qvl");
    EXPECT_STREQ(menu->selection.files[2], "Bichos/roto.qvl");
    EXPECT_EQ(draw.At("DrawImage", 0.3f, 0.4f), 1);  // ALFA's own portrait
    for (float x : {0.36f, 0.42f, 0.48f}) {
        EXPECT_EQ(draw.At("DrawImage", x, 0.4f), 0) << x;
        EXPECT_EQ(draw.At("FillRect", x, 0.4f), 1) << x;
    }
    menu->selection.cursor1 = 2;  // the broken one on both large portraits
    Run(SelectionMode::kVersus);
    EXPECT_EQ(draw.At("FillRect", 0.06f, 0.35f), 1);
    for (const RendererCall& c : draw.calls)
        EXPECT_FALSE(c.op == "DrawImage" && c.texture == 0) << "a picture nobody made";
}

TEST_F(SelectionTest, AnUnreadableListIsLoggedOnceEachEntryAndATwentyNinthEntryOnce) {
    Run(SelectionMode::kVersus);
    Run(SelectionMode::kVersus);
    EXPECT_EQ(menu->selection.count, 0);
    EXPECT_EQ(draw.Texts(), std::vector<std::string>{"SELECCION DE PERSONAJE"});
    EXPECT_EQ(draw.Handle("bmp\\loflipo.bmp"), 0u);
    EXPECT_EQ(MenuLog(), std::vector<std::string>(1, "     Menu: fichero de bichos erroneo"));
    Frame();  // a menu frame away from the selection, then back in
    Run(SelectionMode::kVersus);
    EXPECT_EQ(MenuLog(), std::vector<std::string>(2, "     Menu: fichero de bichos erroneo"));

    WriteCreature("a", "ALFA");
    std::vector<std::string> stems(28, "a");
    stems.push_back("ultimo");
    WriteList(stems);
    Run(SelectionMode::kVersus);
    EXPECT_EQ(menu->selection.count, 28);
    std::vector<std::string> log = MenuLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_NE(log[2].find("Bichos/ultimo.qvl"), std::string::npos);
}

TEST_F(SelectionTest, BackFromTheSelectionToTheCreditsReleasesWhatItLoaded) {
    WriteCreature("a", "ALFA");
    WriteCreature("b", "BETA");
    WriteList({"a", "b"});
    TapSpecial(kSpecialEnter);  // JUGAR
    Tap(0, kInputDown);         // 2 PLAYER (VS)
    TapSpecial(kSpecialEnter);
    Frame();
    ASSERT_EQ(menu->selection.count, 2);
    ASSERT_FALSE(draw.live.empty());
    for (int i = 0; i < 3; ++i) TapSpecial(kSpecialEscape);
    ASSERT_EQ(state, GameState::kCredits);
    EXPECT_EQ(menu->selection.count, 0);
    size_t kept = 0;  // creatures' textures: made, not loaded from a path
    for (const auto& texture : draw.live) kept += texture.second.path.empty();
    EXPECT_EQ(kept, 0u) << "creature textures kept";
    EXPECT_TRUE(draw.Released("bmp\\loflipo.bmp"));
}

TEST_F(SelectionTest, CursorStepsNeverLeaveTheGrid) {
    WriteCreature("a", "ALFA");
    WriteList(std::vector<std::string>(10, "a"));  // rows of 7 and 3
    Run(SelectionMode::kArcade);
    struct Case {
        int from, bit, to;
    } cases[] = {{0, kInputLeft, 0},  {0, kInputUp, 0},    {9, kInputRight, 9},
                 {9, kInputDown, 9},  {3, kInputDown, 3},  {2, kInputDown, 9},
                 {8, kInputUp, 1},    {6, kInputRight, 7}, {7, kInputLeft, 6}};
    for (const Case& c : cases) {
        menu->selection.cursor1 = c.from;
        menu->selection.move1 = 0.0f;
        keyboard.Press(0, c.bit);
        Run(SelectionMode::kArcade);
        EXPECT_EQ(menu->selection.cursor1, c.to) << c.from << " " << c.bit;
        EXPECT_EQ(menu->selection.move1, c.to != c.from ? 0.4f : 0.0f) << c.from;
    }
}

}  // namespace
