// The intro. (To be built.)
#include "menus/MenuController.h"

void MenuController::LoadIntro() { SetTint(1.0f); }
int MenuController::Intro(GameState* gameState, float) {
    idleTime = 20.0f;
    *gameState = Menu;
    return 0;
}
