// The option items: value lines and setters. (To be built.)
#include "menus/MenuController.h"

namespace menu_actions {
int RoundsValue(MenuController&, StartFightFn, GameState*, float) { return 0; }
int RoundsUp(MenuController& m, StartFightFn, GameState*, float) { m.GoUp(); return 0; }
int RoundsDown(MenuController& m, StartFightFn, GameState*, float) { m.GoUp(); return 0; }
int TimeValue(MenuController&, StartFightFn, GameState*, float) { return 0; }
int TimeNext(MenuController& m, StartFightFn, GameState*, float) { m.GoUp(); return 0; }
int StageValue(MenuController&, StartFightFn, GameState*, float) { return 0; }
int StageToggle(MenuController& m, StartFightFn, GameState*, float) { m.GoUp(); return 0; }
int Keys(MenuController& m, StartFightFn f, GameState* s, float dt) { return m.ConfigureKeys(f, s, dt); }
}  // namespace menu_actions
