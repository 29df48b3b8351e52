#pragma once
// The arcade bonus for player 1 at the end of a round won: whole points,
// each term cut toward zero before they are added, all held inside int.
#include "fight/Saturate.h"

class Bicho;

struct RoundBonus {
    int life = 0;     // life / max life x 10000
    int power = 0;    // power / max power x 1000
    int perfect = 0;  // 5000 with full life
    int Total() const { return SaturatingAdd(SaturatingAdd(life, power), perfect); }
};

RoundBonus RoundBonusOf(Bicho* fighter);
