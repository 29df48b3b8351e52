// The fly: hovers in a wobbling loop around a centre that drifts after the
// creature it follows (its opponent), and leaves upwards once that creature
// has lost.
#include <cmath>

#include "plugins/actions/ActionCommon.h"

namespace {

const float kDrift = 0.6f;     // speed of the centre, units per second
const float kWobble = 0.1f;    // size of the loop
const float kAbove = 0.1f;     // the loop hangs this far above the centre
const float kStartAbove = 1.0f;

const char* const kAnimations[] = {"ANI_BASE1", nullptr};

void LoopBase(Bicho* owner, float dt) {
    AdvanceFrame(owner, dt, [owner] {
        owner->SetAnimation("ANI_BASE1");
        owner->GoToFrame(0);
    });
}

// One step of `value` toward `target`.
float Drift(float value, float target, float step) {
    if (target > value) return value + step;
    if (target < value) return value - step;
    return value;
}

}  // namespace

class Mosca : public InterfazAcciones {
public:
    int Init(Bicho* owner, const char*) override {
        owner_ = owner;
        phase_ = RandomFraction();
        rate_ = 1.0f + GameRandom().Next() * 0.000061037019f;
        Reset();
        owner_->SetAnimation("ANI_BASE1");
        return 0;
    }
    int Stop() override { return 0; }
    int Reset() override {
        if (owner_->opponent) {
            centreX_ = owner_->GetX();
            centreY_ = owner_->GetY() - kStartAbove;
        } else {
            centreX_ = centreY_ = 0.0f;
        }
        return 1;
    }
    float QueryA(int) override { return 1.0f; }
    float QueryB(int) override { return 1.0f; }
    int Think(float) override { return 0; }
    int UpdateFight(int, float dt) override {
        LoopBase(owner_, dt);
        return 0;
    }
    int OnHit(int, int) override { return 0; }
    int UpdateAlone(int flags, float dt) override {
        phase_ += dt;
        if (Bicho* followed = owner_->opponent) {
            if (flags == 0) {
                centreX_ = Drift(centreX_, followed->GetX(), dt * kDrift);
                if (!HasLost(followed)) {
                    centreY_ = Drift(centreY_, followed->GetY(), dt * kDrift);
                } else if (centreY_ > 0.0f) {
                    centreY_ -= dt * kDrift;
                }
            } else {
                centreX_ = followed->GetX();
                centreY_ = followed->GetY();
            }
            owner_->SetX(centreX_ + std::cos(rate_ * phase_ * 3.0f) * kWobble);
            owner_->SetY(std::sin(phase_ * 3.0f) * kWobble + centreY_ - kAbove);
        }
        LoopBase(owner_, dt);
        return 0;
    }
    int DrawExtra(float, float, float) override { return 1; }
    // Where the fly circles and how far round it is.
    auto StateFields() { return std::tie(centreX_, centreY_, rate_, phase_); }

private:
    Bicho* owner_ = nullptr;
    float centreX_ = 0.0f;
    float centreY_ = 0.0f;
    float rate_ = 1.0f;
    float phase_ = 0.0f;
};

CORRALON_ACTION_EXPORTS(Mosca)
CORRALON_ACTION_STATE(Mosca)
CORRALON_ACTION_ANIMATIONS(kAnimations)
