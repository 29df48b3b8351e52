// The character selection. (To be built.)
#include "menus/MenuController.h"

void MenuController::LoadCharacters() {}
int MenuController::SelectCharacters(StartFightFn, GameState*, float, int) { ranThisFrame = 1; return 0; }
void MenuController::ReleaseCharacters() { count = 0; }
