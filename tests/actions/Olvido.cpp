// A behaviour that keeps state it does not save: a step count that moves
// its creature. It claims its state is empty, as a careless modder's might;
// the sync test must catch it.
#include <chrono>

#include "plugins/actions/ActionCommon.h"

// Built a third time moving by the clock: the same file then plays
// differently in two games, which the online session must call a desync.
#ifdef OLVIDO_FROM_CLOCK
static float Wobble() {
    return static_cast<float>(std::chrono::steady_clock::now().time_since_epoch().count() % 7) *
           0.0001f;
}
#else
static float Wobble() { return 0.0f; }
#endif

class Olvido : public InterfazAcciones {
public:
    int Init(Bicho* owner, const char*) override {
        owner_ = owner;
        owner_->SetAnimation("ANI_BASE1");
        return 0;
    }
    int Stop() override { return 0; }
    int Reset() override { return 1; }
    float QueryA(int) override { return 1.0f; }
    float QueryB(int) override { return 1.0f; }
    int Think(float) override { return 0; }
    int UpdateFight(int, float) override {
        ++steps_;
        float x = owner_->GetX() + (steps_ % 3 == 0 ? 0.002f : -0.001f) + Wobble();
        float y = owner_->GetY();
        owner_->MoveTo(&x, &y);
        owner_->SetX(x);
        return 0;
    }
    int OnHit(int, int) override { return 0; }
    int UpdateAlone(int, float) override { return 1; }
    int DrawExtra(float, float, float) override { return 1; }
    std::tuple<> StateFields() { return {}; }  // steps_ forgotten

private:
    Bicho* owner_ = nullptr;
    int steps_ = 0;
};

CORRALON_ACTION_EXPORTS(Olvido)
// Built once more without the export: a library from before it existed.
#ifndef OLVIDO_WITHOUT_STATE
CORRALON_ACTION_STATE(Olvido)
#endif
