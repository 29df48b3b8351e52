// Until the fight lands there is nothing to set up or run.
#include "fight/Fight.h"

void LoadFight() {}
void FightFrame(const FightHooks&, float) {}
