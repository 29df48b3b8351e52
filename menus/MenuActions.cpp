// The item actions, one per kind of item, and the tree that holds them.
#include "menus/MenuActions.h"

#include "menus/MenuController.h"
#include "sdk/GameSettings.h"

namespace {

constexpr MenuRequest kStay = MenuRequest::kStay;

MenuRequest ModeTitle(MenuController& m, StartFightFn, GameState*, float dt) {
    m.tree.DrawModeTitle(dt);
    return kStay;
}

// A selection item: the settings' game mode, then the selection's frame.
template <int gameMode, SelectionMode mode>
MenuRequest Select(MenuController& m, StartFightFn startFight, GameState* state, float dt) {
    m.context.settings->gameMode = gameMode;
    m.selection.Frame(startFight, state, dt, mode);
    return kStay;
}

MenuRequest Exit(MenuController&, StartFightFn, GameState*, float) {
    return MenuRequest::kCredits;
}

// An option item: the options' title, with the option's value under it.
template <void (OptionsScreen::*draw)(float)>
MenuRequest ShowOption(MenuController& m, StartFightFn, GameState*, float dt) {
    (m.options.*draw)(dt);
    return kStay;
}

// A setter changes its value and climbs back at once.
template <void (OptionsScreen::*set)()>
MenuRequest SetValue(MenuController& m, StartFightFn, GameState*, float) {
    (m.options.*set)();
    m.tree.GoUp();
    return kStay;
}

MenuRequest Keys(MenuController& m, StartFightFn, GameState*, float dt) {
    // The help lines name keys.
    if (m.keys.Frame(dt)) m.tree.BuildHelpLines();
    return kStay;
}

}  // namespace

void BuildMenuTree(MenuTree& tree) {
    constexpr int kNext = MenuTree::kAppendItem;
    constexpr int kSub = MenuTree::kAddSubLevel;
    MenuItem** root = &tree.root;
    MenuItem* play = tree.AddItem(root, "JUGAR", nullptr, kNext);
    MenuItem* arcade = tree.AddItem(&play, "1 PLAYER (ARCADE)", ModeTitle, kSub);
    MenuItem* versus = tree.AddItem(&arcade, "2 PLAYER (VS)", ModeTitle, kNext);
    MenuItem* demo = tree.AddItem(&arcade, "DEMO", ModeTitle, kNext);
    tree.arcadeLeaf = tree.AddItem(&arcade, "", Select<0, SelectionMode::kArcade>, kSub);
    tree.versusLeaf = tree.AddItem(&versus, "", Select<1, SelectionMode::kVersus>, kSub);
    tree.demoLeaf = tree.AddItem(&demo, "", Select<3, SelectionMode::kDemo>, kSub);

    const MenuAction optionsTitle = ShowOption<&OptionsScreen::DrawTitle>;
    MenuItem* options = tree.AddItem(root, "OPCIONES", nullptr, kNext);
    MenuItem* keys = tree.AddItem(&options, "CONFIGURACION DEL TECLADO", optionsTitle, kSub);
    MenuItem* roundsItem = tree.AddItem(&keys, "ROUNDS PARA GANAR", optionsTitle, kNext);
    MenuItem* time = tree.AddItem(&keys, "TIEMPO", optionsTitle, kNext);
    MenuItem* stage = tree.AddItem(&keys, "OPCIONES FONDO", optionsTitle, kNext);
    tree.AddItem(&keys, "", Keys, kSub);
    const MenuAction rounds = ShowOption<&OptionsScreen::DrawRounds>;
    MenuItem* more = tree.AddItem(&roundsItem, "AUMENTAR NUMERO DE ROUNDS", rounds, kSub);
    MenuItem* fewer = tree.AddItem(&more, "DISMINUIR NUMERO DE ROUNDS", rounds, kNext);
    tree.AddItem(&more, "", SetValue<&OptionsScreen::RoundsUp>, kSub);
    tree.AddItem(&fewer, "", SetValue<&OptionsScreen::RoundsDown>, kSub);
    MenuItem* perRound =
        tree.AddItem(&time, "TIEMPO POR ROUND", ShowOption<&OptionsScreen::DrawTime>, kSub);
    tree.AddItem(&perRound, "", SetValue<&OptionsScreen::NextTime>, kSub);
    MenuItem* stageChoice =
        tree.AddItem(&stage, "OPCIONES FONDO", ShowOption<&OptionsScreen::DrawStage>, kSub);
    tree.AddItem(&stageChoice, "", SetValue<&OptionsScreen::ToggleStage>, kSub);

    MenuItem* exit = tree.AddItem(root, "SALIR", nullptr, kNext);
    tree.AddItem(&exit, "", Exit, kSub);
}
