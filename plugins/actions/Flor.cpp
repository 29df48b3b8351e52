// The flower: sways on the stage, wilts for good when the fighter it watches
// (its opponent) has lost, and celebrates when that fighter has won.
#include "plugins/actions/ActionCommon.h"

namespace {

const char* const kAnimations[] = {"ANI_BASE1", "ANI_LOSEFULL", "ANI_WINFULL", nullptr};

}  // namespace

class Flor : public InterfazAcciones {
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
    int UpdateFight(int, float dt) override {
        AdvanceFrame(owner_, dt, [this] {
            owner_->SetAnimation("ANI_BASE1");
            owner_->GoToFrame(0);
        });
        return 0;
    }
    int OnHit(int, int) override { return 0; }
    int UpdateAlone(int, float dt) override {
        AdvanceFrame(owner_, dt, [this] { NextAnimation(); });
        return 0;
    }
    int DrawExtra(float, float, float) override { return 1; }
    // The flower keeps nothing of its own: its animation is its creature's.
    std::tuple<> StateFields() { return {}; }

private:
    void NextAnimation() {
        if (owner_->IsAnimation("ANI_LOSEFULL")) return;  // stays wilted
        Bicho* watched = owner_->opponent;
        if (!watched) {
            owner_->SetAnimation("ANI_BASE1");
        } else if (HasLost(watched)) {
            owner_->SetAnimation("ANI_LOSEFULL");
        } else if (watched->opponent && HasLost(watched->opponent)) {
            owner_->SetAnimation("ANI_WINFULL");
        } else {
            owner_->SetAnimation("ANI_BASE1");
        }
        owner_->GoToFrame(0);
    }

    Bicho* owner_ = nullptr;
};

CORRALON_ACTION_EXPORTS(Flor)
CORRALON_ACTION_STATE(Flor)
CORRALON_ACTION_ANIMATIONS(kAnimations)
