// The options under OPCIONES and the key configuration screen.
#include "tests/menus/MenuSupport.h"

namespace {

class OptionsTest : public MenuTest {
protected:
    // CONFIGURACION DEL TECLADO, ROUNDS PARA GANAR, TIEMPO, OPCIONES FONDO.
    MenuItem* Options(int index) {
        MenuItem* item = menu->tree.root->next->child;
        while (index-- > 0) item = item->next;
        return item;
    }
    void Show(MenuItem* item) {
        menu->tree.current = menu->tree.first = item;
        Frame();
    }
    // A select press on a setter: descend, the hidden item changes the
    // value and climbs back, then the value line is drawn again.
    void Choose() {
        Tap(0, kInputPunch1);
        Frame();
        Frame();
    }
    // The centred text drawn at height y, in white at full alpha.
    std::string ValueAt(float y, float scale) const {
        for (const RendererCall& c : renderer.calls)
            if (c.op == "DrawTextCentered" && c.y() == y && c.w() == scale && c.r() == 1.0f && c.g() == 1.0f &&
                c.b() == 1.0f && c.alpha() == 1.0f)
                return c.text;
        return "<none>";
    }
    // The key rows drawn this frame, in drawing order.
    std::vector<const RendererCall*> Rows() const {
        std::vector<const RendererCall*> rows;
        for (const RendererCall& c : renderer.calls)
            if (c.op == "DrawText" && c.y() >= 0.39f && c.y() < 0.86f) rows.push_back(&c);
        return rows;
    }
    void OpenKeys() { Show(Options(0)->child); }
    KeyConfigScreen& Keys() { return menu->keys; }
};

TEST_F(OptionsTest, RoundTimeCyclesAndLeavesOtherTimesAlone) {
    Show(Options(2)->child);
    EXPECT_EQ(ValueAt(0.7f, 1.2f), "60");
    EXPECT_TRUE(renderer.Shows("OPCIONES DEL JUEGO"));
    const struct {
        const char* shown;
        uint8_t unlimited;
        float time;
    } steps[] = {{"90", 0, 90}, {"ILIMITADO", 1, 90}, {"30", 0, 30}, {"60", 0, 60}};
    for (const auto& s : steps) {
        Choose();
        EXPECT_EQ(Current(), "TIEMPO POR ROUND");
        EXPECT_EQ(ValueAt(0.7f, 1.2f), s.shown);
        EXPECT_EQ(settings.unlimitedTime, s.unlimited);
        EXPECT_EQ(settings.roundTime, s.time);
    }
    settings.roundTime = 45.0f;
    Choose();
    Choose();
    EXPECT_EQ(ValueAt(0.7f, 1.2f), "45");
    EXPECT_EQ(settings.roundTime, 45.0f);
    EXPECT_EQ(settings.unlimitedTime, 0);
}

TEST_F(OptionsTest, RoundsStopAtOneAndThreeAndClimbBackEachTime) {
    Show(Options(1)->child);
    EXPECT_EQ(ValueAt(0.8f, 0.8f), "ROUNDS ACTUALES: 2");
    EXPECT_TRUE(renderer.Shows("OPCIONES DEL JUEGO"));
    const struct {
        const char* item;
        int before, after;
    } presses[] = {
        {"AUMENTAR NUMERO DE ROUNDS", 2, 3},  {"AUMENTAR NUMERO DE ROUNDS", 3, 3},
        {"DISMINUIR NUMERO DE ROUNDS", 3, 2}, {"DISMINUIR NUMERO DE ROUNDS", 2, 1},
        {"DISMINUIR NUMERO DE ROUNDS", 1, 1}, {"AUMENTAR NUMERO DE ROUNDS", 1, 2},
        // A saved value out of range only moves toward it.
        {"AUMENTAR NUMERO DE ROUNDS", 7, 7},  {"DISMINUIR NUMERO DE ROUNDS", 7, 6},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.item + std::string(" from ") + std::to_string(p.before));
        Show(Options(1)->child);
        if (std::string(p.item) != Current()) Tap(0, kInputDown);
        settings.roundsToWin = p.before;
        Choose();
        EXPECT_EQ(Current(), p.item);
        EXPECT_EQ(settings.roundsToWin, p.after);
        EXPECT_EQ(ValueAt(0.8f, 0.8f), "ROUNDS ACTUALES: " + std::to_string(p.after));
    }
}

TEST_F(OptionsTest, StageChoiceToggles) {
    Show(Options(3)->child);
    EXPECT_EQ(ValueAt(0.7f, 1.2f), "FONDO DEL PLAYER 2");
    Choose();
    EXPECT_EQ(Current(), "OPCIONES FONDO");
    EXPECT_EQ(settings.randomBackground, 1);
    EXPECT_EQ(ValueAt(0.7f, 1.2f), "FONDO ALEATORIO");
    EXPECT_TRUE(renderer.Shows("OPCIONES DEL JUEGO"));
    Choose();
    EXPECT_EQ(settings.randomBackground, 0);
    EXPECT_EQ(ValueAt(0.7f, 1.2f), "FONDO DEL PLAYER 2");
}

TEST_F(OptionsTest, KeyRowsInScreenOrderWithTheSelectedOneBright) {
    Keys().row = 13;
    OpenKeys();
    const RendererCall* title = renderer.FindText("CONFIGURACION DEL TECLADO");
    ASSERT_NE(title, nullptr);
    EXPECT_FLOAT_EQ(title->y(), 0.27f);
    EXPECT_FLOAT_EQ(title->w(), 1.4f);
    EXPECT_FLOAT_EQ(renderer.FindText("PLAYER 1")->x(), 0.2f);
    EXPECT_FLOAT_EQ(renderer.FindText("PLAYER 2")->x(), 0.65f);

    const char* const labels[] = {"ARRIBA <K%d_1>",  "ABAJO <K%d_2>",   "DERECHA <K%d_8>",
                                  "IZQUIERDA <K%d_4>", "PU\xD1" "O1 <K%d_20>",
                                  "PU\xD1" "O2 <K%d_80>", "PU\xD1" "O3 <K%d_200>",
                                  "PATADA1 <K%d_10>", "PATADA2 <K%d_40>", "PATADA3 <K%d_100>"};
    const std::vector<const RendererCall*> rows = Rows();
    ASSERT_EQ(rows.size(), 20u);
    for (int r = 0; r < 20; ++r) {
        char expected[64];
        snprintf(expected, sizeof expected, labels[r % 10], r / 10);
        EXPECT_EQ(rows[r]->text, expected);
        EXPECT_FLOAT_EQ(rows[r]->x(), r < 10 ? 0.05f : 0.5f) << r;
        EXPECT_FLOAT_EQ(rows[r]->y(), 0.4f + 0.05f * (r % 10)) << r;
        EXPECT_FLOAT_EQ(rows[r]->w(), 0.8f);
        EXPECT_FLOAT_EQ(rows[r]->alpha(), r == 13 ? 1.0f : 0.6f) << r;
    }
}

TEST_F(OptionsTest, BrowsingWrapsAndLeftRightJumpBetweenPlayers) {
    OpenKeys();
    const struct {
        int from, bit, to;
    } moves[] = {{0, kInputUp, 19},    {3, kInputLeft, 13}, {19, kInputDown, 0},
                 {15, kInputRight, 5}, {9, kInputDown, 10}, {12, kInputRight, 2}};
    for (const auto& m : moves) {
        Keys().row = m.from;
        Tap(0, m.bit);
        EXPECT_EQ(Keys().row, m.to) << m.from << " bit " << m.bit;
        EXPECT_STREQ(menu->tree.current->label, "");  // the menu itself did not move
    }
    // All four in one frame, applied in turn.
    Keys().row = 0;
    for (int bit : {kInputUp, kInputDown, kInputLeft, kInputRight}) keyboard.Press(0, bit);
    Frame();
    EXPECT_EQ(Keys().row, 0);
}

TEST_F(OptionsTest, CapturedKeyRenamesTheRowAndTheHelpLines) {
    OpenKeys();
    Keys().row = 4;
    Tap(0, kInputPunch1);
    EXPECT_EQ(Keys().mode, KeyConfigScreen::Mode::kCapturing);
    EXPECT_TRUE(keyboard.captures.empty());  // capturing starts next frame
    Frame();
    EXPECT_TRUE(renderer.Shows("PULSA LA NUEVA TECLA"));
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(renderer.Shows("TECLA ERRONEA O YA ASIGNADA"));
    keyboard.names[{0, kInputPunch1}] = "SPACE";
    keyboard.captureAnswers = {1};
    Frame();
    EXPECT_EQ(keyboard.captures.back(), std::make_pair(0, int(kInputPunch1)));
    EXPECT_EQ(Keys().mode, KeyConfigScreen::Mode::kBrowsing);
    Frame();
    EXPECT_TRUE(renderer.Shows("SPACE <=> SELECCIONAR"));
    EXPECT_TRUE(renderer.Shows("PU\xD1" "O1 <SPACE>"));
}

TEST_F(OptionsTest, RefusedKeyShowsTheErrorUntilEscapeCancels) {
    OpenKeys();
    Keys().row = 17;
    Tap(0, kInputPunch1);
    keyboard.captureAnswers = {-1};
    Frame();
    EXPECT_EQ(keyboard.captures.back(), std::make_pair(1, int(kInputKick1)));
    Frame();
    const RendererCall* wrong = renderer.FindText("TECLA ERRONEA O YA ASIGNADA");
    const RendererCall* hint = renderer.FindText("PULSA UNA TECLA QUE NO ESTE ASIGNADA");
    ASSERT_NE(wrong, nullptr);
    ASSERT_NE(hint, nullptr);
    EXPECT_FLOAT_EQ(wrong->y(), 0.6f);
    EXPECT_FLOAT_EQ(wrong->w(), 1.1f);
    EXPECT_FLOAT_EQ(hint->y(), 0.65f);
    EXPECT_FLOAT_EQ(hint->w(), 0.8f);

    // The kick is swallowed while capturing; Escape only ends the capture.
    Tap(0, kInputKick1);
    EXPECT_STREQ(menu->tree.current->label, "");
    EXPECT_EQ(Keys().mode, KeyConfigScreen::Mode::kCapturing);
    const size_t asked = keyboard.captures.size();
    TapSpecial(kSpecialEscape);
    EXPECT_STREQ(menu->tree.current->label, "");
    EXPECT_EQ(state, GameState::kMenu);
    EXPECT_EQ(Keys().mode, KeyConfigScreen::Mode::kBrowsing);
    EXPECT_FALSE(Keys().error);
    Frame();
    EXPECT_EQ(keyboard.captures.size(), asked + 1);  // none after the cancel
    EXPECT_EQ(Rows().size(), 20u);
    EXPECT_TRUE(renderer.Shows("K0_20 <=> SELECCIONAR"));
    // While browsing, the kick is the menu's Back again.
    Tap(0, kInputKick1);
    EXPECT_EQ(Current(), "CONFIGURACION DEL TECLADO");
}

TEST_F(OptionsTest, KeysWithoutANameShowAnEmptyName) {
    struct Nameless : MenuKeyboard {
        const char* KeyName(int, int) override { return nullptr; }
    } nameless;
    menu->context.keyboard = &nameless;
    menu->tree.BuildHelpLines();
    EXPECT_STREQ(menu->tree.helpSelect, " <=> SELECCIONAR");
    EXPECT_STREQ(menu->tree.helpMove, " Y  <=> MOVERSE POR EL MENU");
    OpenKeys();
    EXPECT_EQ(Rows().front()->text, "ARRIBA <>");
    menu->context.keyboard = &keyboard;
}

}  // namespace
