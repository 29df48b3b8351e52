// The menu tree and the main menu's frame.
#include "tests/menus/MenuSupport.h"

namespace {

TEST_F(MenuTest, AddItemLinksByModeAndRefusesASecondSubLevel) {
    MenuItem* level = nullptr;
    MenuItem* a = menu->tree.AddItem(&level, "A", nullptr, 7);  // an empty anchor takes it whatever the mode
    ASSERT_EQ(level, a);
    MenuItem* b = menu->tree.AddItem(&a, "B", nullptr, 1);
    MenuItem* c = menu->tree.AddItem(&b, "C", nullptr, 1);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(c->prev, b);
    MenuItem* child = menu->tree.AddItem(&a, "hijo", nullptr, 2);
    EXPECT_EQ(a->child, child);
    EXPECT_EQ(child->parent, a);
    EXPECT_EQ(menu->tree.AddItem(&a, "otro", nullptr, 2), nullptr);
    MenuItem* loose = menu->tree.AddItem(&a, "suelto", nullptr, 3);
    EXPECT_EQ(c->next, nullptr);
    EXPECT_EQ(loose->prev, nullptr);
    for (MenuItem* item : {loose, child, c, b, a}) {
        free(item->label);
        free(item);
    }
}

TEST_F(MenuTest, TheTreeHoldsTheLabelsAndHiddenCommands) {
    std::vector<std::string> top;
    for (MenuItem* i = menu->tree.root; i; i = i->next) top.push_back(i->label);
    EXPECT_EQ(top, (std::vector<std::string>{"JUGAR", "OPCIONES", "SALIR"}));
    MenuItem* arcade = menu->tree.root->child;
    EXPECT_STREQ(arcade->label, "1 PLAYER (ARCADE)");
    EXPECT_STREQ(arcade->next->next->label, "DEMO");
    EXPECT_EQ(menu->tree.arcadeLeaf, arcade->child);
    EXPECT_EQ(menu->tree.demoLeaf, arcade->next->next->child);
    EXPECT_STREQ(menu->tree.demoLeaf->label, "");
    MenuItem* options = menu->tree.root->next->child;
    std::vector<std::string> labels;
    for (MenuItem* i = options; i; i = i->next) labels.push_back(i->label);
    EXPECT_EQ(labels, (std::vector<std::string>{"CONFIGURACION DEL TECLADO", "ROUNDS PARA GANAR",
                                                "TIEMPO", "OPCIONES FONDO"}));
    EXPECT_STREQ(options->next->next->next->child->label, "OPCIONES FONDO");
}

TEST_F(MenuTest, NavigationStopsAtTheEndsDescendsAndClimbs) {
    Tap(0, kInputUp);  // first item: nothing moves, no effect
    EXPECT_EQ(Current(), "JUGAR");
    EXPECT_EQ(Particulas::CountList(particles.BleedingList()), 0);
    Tap(0, kInputDown);
    EXPECT_EQ(Current(), "OPCIONES");
    EXPECT_EQ(Particulas::CountList(particles.BleedingList()), 20);
    Tap(0, kInputDown);
    Tap(0, kInputDown);  // last item
    EXPECT_EQ(Current(), "SALIR");
    Tap(0, kInputUp);
    TapSpecial(kSpecialEnter);
    EXPECT_EQ(Current(), "CONFIGURACION DEL TECLADO");
    EXPECT_EQ(menu->tree.first, menu->tree.current);
    Tap(0, kInputDown);
    Tap(0, kInputKick1);  // back climbs to the parent
    EXPECT_EQ(Current(), "OPCIONES");
    EXPECT_EQ(menu->tree.first, menu->tree.root);
    EXPECT_EQ(state, GameState::kMenu);
}

TEST_F(MenuTest, BackAtTheTopLevelGoesToTheCreditsInTheSameFrame) {
    Tap(0, kInputDown);
    TapSpecial(kSpecialEscape);
    EXPECT_EQ(state, GameState::kCredits);
    EXPECT_EQ(Current(), "JUGAR");
    EXPECT_EQ(sound.music.back(), "creditos.ogg");
}

TEST_F(MenuTest, ACommandShowsAnEmptyListAndRunsItsAction) {
    menu->tree.current = menu->tree.first = menu->tree.root->next->child->next->child;  // AUMENTAR...
    Tap(0, kInputPunch1);
    EXPECT_STREQ(menu->tree.current->label, "");
    Frame();  // the hidden item's action runs and climbs back
    std::vector<std::string> labels = renderer.Texts();
    EXPECT_NE(std::find(labels.begin(), labels.end(), ""), labels.end());
    EXPECT_EQ(Current(), "AUMENTAR NUMERO DE ROUNDS");
}

TEST_F(MenuTest, IdleStartsTheDemoAfterTwentySecondsThenFortyLater) {
    for (int i = 0; i < 19; ++i) Frame(1.0f);
    EXPECT_EQ(menu->tree.current, menu->tree.root);
    keyboard.anyDown = true;  // a held key restarts the countdown
    Frame(1.0f);
    keyboard.anyDown = false;
    for (int i = 0; i < 20; ++i) Frame(1.0f);
    EXPECT_EQ(menu->tree.current, menu->tree.root);
    Frame(1.0f);
    EXPECT_EQ(menu->tree.current, menu->tree.demoLeaf);
    EXPECT_FLOAT_EQ(menu->tree.idleTime, 40.0f);
}

TEST_F(MenuTest, TheLadderLocksTheMenuOnTheArcadeSelectionUntilBack) {
    ladder.AddCharacter("uno");
    ladder.AddCharacter("dos");
    ladder.Start("uno");
    Frame();
    EXPECT_EQ(menu->tree.current, menu->tree.arcadeLeaf);
    Tap(0, kInputUp);
    EXPECT_EQ(menu->tree.current, menu->tree.arcadeLeaf);
    TapSpecial(kSpecialEscape);
    EXPECT_FALSE(ladder.IsActive());
    EXPECT_STREQ(menu->tree.current->label, "1 PLAYER (ARCADE)");
}

TEST_F(MenuTest, FadesInOnceAndDrawsTheTopLevelScreen) {
    Frame(0.5f);
    EXPECT_FLOAT_EQ(menu->context.fadeR, 0.5f);
    const RendererCall* title = renderer.FindText("MENU PRINCIPAL");
    ASSERT_NE(title, nullptr);
    EXPECT_FLOAT_EQ(title->w(), 1.4f);
    EXPECT_TRUE(renderer.Shows(std::string("MAS INFO EN ") + MenuContext::kWebAddress));
    EXPECT_TRUE(renderer.Shows("K0_20 <=> SELECCIONAR"));
    EXPECT_TRUE(renderer.Shows("K0_10 O ESCAPE <=> MENU ANTERIOR O SALIR SI ES EL PRINCIPAL"));
    EXPECT_TRUE(renderer.Shows("K0_1 Y K0_2 <=> MOVERSE POR EL MENU"));
    const RendererCall* highlighted = renderer.FindText("JUGAR");
    const RendererCall* other = renderer.FindText("SALIR");
    EXPECT_FLOAT_EQ(highlighted->y(), 0.6f);
    EXPECT_FLOAT_EQ(highlighted->alpha(), 1.0f);
    EXPECT_FLOAT_EQ(other->y(), 0.7f);
    EXPECT_FLOAT_EQ(other->alpha(), 0.7f);
    Frame(1.0f);
    EXPECT_FLOAT_EQ(menu->context.fadeR, 1.0f);
    menu->ReturnToRoot();
    Frame(0.1f);  // the clock is never reset
    EXPECT_FLOAT_EQ(menu->context.fadeR, 1.0f);
    TapSpecial(kSpecialEnter);
    Frame();
    EXPECT_FALSE(renderer.Shows("MENU PRINCIPAL"));
    EXPECT_TRUE(renderer.Shows("MODO DE JUEGO"));
}

}  // namespace
