// The key configuration screen. (To be built.)
#include "menus/MenuController.h"

int MenuController::ConfigureKeys(StartFightFn, GameState*, float) { return 0; }
