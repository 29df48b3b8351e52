// The frog's computer player: a decision at most every 0.05 s in one of three
// moods (attack, keep away, flee), with the random draws in a fixed order so
// that the same frames give the same fight.
#include "plugins/actions/ActionCommon.h"
#include "plugins/actions/Rana.h"

bool Rana::LowLife() const {
    const float maxLife = owner_->GetMaxLife();
    // A creature without a maximum has no share of it left to judge.
    return maxLife > 0.0f && owner_->GetLife() / maxLife < 0.2f;
}

void Rana::Decide(float gap) {
    const int toward = owner_->GetFacing() == 1 ? kRanaRight : kRanaLeft;
    const int away = toward == kRanaRight ? kRanaLeft : kRanaRight;
    switch (aiMode_) {
        case kAttack:
            if (gap > 0.04f) aiFlags_ |= toward;
            if (gap < 0.08f) {
                aiFlags_ = (aiFlags_ & ~kRanaDirections) | kRanaPunch;
            } else if (gap > 0.16f && Chance(2)) {
                aiFlags_ |= kRanaSpecialAttack;
            }
            if (Chance(10)) aiFlags_ |= away | kRanaUp;
            if (LowLife() && Chance(20)) aiMode_ = kFlee;
            if (Chance(2)) aiMode_ = kKeepAway;
            if (Chance(20)) aiFlags_ = 0;
            break;
        case kKeepAway:
            if (gap < 0.3f) {
                aiFlags_ = kRanaDown;
            } else {
                if (LowLife()) aiMode_ = kFlee;
                if (Chance(10)) aiMode_ = kFlee;
            }
            if (Chance(10)) aiMode_ = kAttack;
            break;
        case kFlee:
            if (gap >= 0.6f) {
                aiMode_ = kKeepAway;
            } else {
                aiFlags_ |= away | kRanaUp;
            }
            if (Chance(10)) aiMode_ = kAttack;
            if (Chance(20)) aiFlags_ = 0;
            break;
        default:
            aiMode_ = kAttack;
            break;
    }
}

int Rana::Think(float dt) {
    const float gap = owner_->BodyGap();
    aiTimer_ -= dt;
    // Held directions last until the next decision; actions last one call.
    aiFlags_ &= kRanaDirections;
    if (aiTimer_ < 0.0f) {
        aiTimer_ = 0.05f;
        aiFlags_ = 0;
        Decide(gap);
    }
    const int jumpBothWays = kRanaUp | kRanaLeft | kRanaRight;
    if ((aiFlags_ & jumpBothWays) == jumpBothWays) {
        if (owner_->GetFacing() == 1) {
            aiFlags_ &= ~(kRanaUp | kRanaDown | kRanaLeft);  // keep walking right
        } else {
            aiFlags_ &= ~kRanaDirections;
        }
    }
    return aiFlags_;
}
