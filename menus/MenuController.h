#pragma once
// The menus' one object, from start-up to exit. It owns what the screens
// share and the screens themselves, hands each frame to the screens the
// game state and the highlighted item call for, and moves between screens.
// The screens never call it.
#include "fight/GameState.h"
#include "menus/CharacterSelection.h"
#include "menus/CreditsScreen.h"
#include "menus/IntroScreen.h"
#include "menus/KeyConfigScreen.h"
#include "menus/MenuContext.h"
#include "menus/MenuTree.h"
#include "menus/OptionsScreen.h"

class MenuController {
public:
    // The program's settings record and arcade ladder, which the screens
    // change.
    MenuController(GameSettings* settings, GestionJuego* ladder);
    MenuController(const MenuController&) = delete;
    MenuController& operator=(const MenuController&) = delete;

    int Init(WindowHandle window, Particulas* particles, Teclado* keyboard, Renderer* renderer,
             Sonido* sound);
    // One frame of the main menu and of the screen its highlighted item shows.
    int Frame(StartFightFn startFight, GameState* gameState, float dt);
    void IntroFrame(GameState* gameState, float dt);
    void CreditsFrame(GameState* gameState, float dt);
    // Start-up shows the logo as soon as the renderer runs, before Init.
    void ShowLogo(Renderer* drawing) { intro.ShowLogo(drawing); }
    void LoadIntro() { intro.Load(); }
    // After a fight: the top level again, the idle countdown restarted.
    void ReturnToRoot() { tree.ReturnToRoot(); }
    // An online session plays the versus selection only; it never idles
    // into the demo.
    void EnterVersusSelection() { tree.current = tree.first = tree.versusLeaf; }
    bool InVersusSelection() const { return tree.current == tree.versusLeaf; }
    void KeepAwake() { tree.RestartIdle(); }
    void Release();

    MenuContext context;
    MenuTree tree;
    OptionsScreen options;
    KeyConfigScreen keys;
    CharacterSelection selection;
    IntroScreen intro;
    CreditsScreen credits;

private:
    void GoToCredits(GameState* gameState);
};
