#include "fight/RoundBonus.h"

#include "sdk/Bicho.h"

namespace {
// A creature with no maximum (a broken file) scores nothing rather than a
// division by zero.
int Term(float value, float maximum, float points) {
    if (!(maximum > 0.0f)) return 0;
    return SaturatingInt(static_cast<double>(value) / maximum * points);
}
}  // namespace

RoundBonus RoundBonusOf(Bicho* fighter) {
    RoundBonus bonus;
    if (!fighter) return bonus;
    bonus.life = Term(fighter->GetLife(), fighter->GetMaxLife(), 10000.0f);
    bonus.power = Term(fighter->GetPower(), fighter->GetMaxPower(), 1000.0f);
    bonus.perfect = fighter->GetLife() == fighter->GetMaxLife() ? 5000 : 0;
    return bonus;
}
