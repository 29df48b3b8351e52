// The credits. (To be built.)
#include "menus/MenuController.h"
#include "platform/Events.h"

void MenuController::LoadCredits() { SetTint(1.0f); }
int MenuController::Credits(GameState* gameState, float) {
    *gameState = Closing;
    PlatformPostClose();
    return 0;
}
