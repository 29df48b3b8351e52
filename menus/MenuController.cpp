// The menu object's life, its frames and the way to the credits.
#include "menus/MenuController.h"

#include "menus/MenuActions.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"

MenuController::MenuController(GameSettings* settings, GestionJuego* ladder)
    : tree(context),
      options(context),
      keys(context),
      selection(context),
      intro(context),
      credits(context) {
    context.settings = settings;
    context.ladder = ladder;
}

int MenuController::Init(WindowHandle window, Particulas* particles, Teclado* keyboard,
                         Renderer* renderer, Sonido* sound) {
    context.window = window;
    context.particles = particles;
    context.keyboard = keyboard;
    context.renderer = renderer;
    context.sound = sound;

    tree.Load();
    selection.LoadPictures();
    BuildMenuTree(tree);
    tree.current = tree.first = tree.root;
    tree.BuildHelpLines();
    return 0;
}

int MenuController::Frame(StartFightFn startFight, GameState* gameState, float dt) {
    tree.BeginFrame(dt);
    selection.BeginMenuFrame();
    MenuItem* item = tree.current;
    if (item->action && item->action(*this, startFight, gameState, dt) == MenuRequest::kCredits)
        GoToCredits(gameState);
    selection.EndMenuFrame();
    if (tree.EndFrame(dt)) GoToCredits(gameState);
    context.renderer->SetOverlayMode(0, 0);
    return 0;
}

void MenuController::IntroFrame(GameState* gameState, float dt) {
    if (intro.Frame(gameState, dt)) tree.RestartIdle();
}

void MenuController::CreditsFrame(GameState* gameState, float dt) {
    credits.Frame(gameState, dt);
}

void MenuController::GoToCredits(GameState* gameState) {
    // The selection is left for good, whichever way the credits are reached.
    selection.ReleaseCharacters();
    credits.Load();
    context.sound->PlayMusic(context.settings->musicCredits);
    *gameState = GameState::kCredits;
}

void MenuController::Release() {
    // A quit request can arrive while the selection holds its creatures.
    if (selection.count > 0) selection.ReleaseCharacters();
    tree.ReleasePictures();
    selection.ReleasePictures();
    tree.FreeItems();
}
