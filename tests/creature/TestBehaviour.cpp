// A behaviour for the creature tests. It drives its creature only through
// the virtual table and the leading fields, as a real behaviour library
// does, and leaves marks the tests can read back.
#include <cstring>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"

namespace {

class TestBehaviour : public InterfazAcciones {
public:
    int Init(Bicho* owner, const char* directory) override {
        owner_ = owner;
        // Slots spread over the table: a wrong order shows as wrong values.
        owner->SetMaxLife(7.0f);            // 47
        owner->SetLife(owner->GetMaxLife());  // 46, 44
        owner->SetMaxPower(3.0f);           // 49
        owner->SetPlayerNumber(owner->GetPlayerNumber() + 40);  // 87, 88
        owner->SetSpecialDirection(-1);     // 85
        owner->SetName3(directory);         // 71
        owner->SetGhostTime(owner->HasAnimation("ANI_BASE1") ? 0.25f : 0.5f);  // 24, 51
        return 0;
    }
    int Stop() override { return 0; }
    int Reset() override { return 0; }
    float QueryA(int value) override { return value * 2.0f; }
    float QueryB(int value) override { return value * 3.0f; }
    int Think(float) override { return owner_->opponent ? 0x20 : 0x4; }
    int UpdateFight(int flags, float dt) override {
        // Leading fields read directly.
        if (owner_->settings) owner_->settings->slowMotionTime = 1.5f;
        owner_->SetSpecialTime(dt);  // 83
        float x = owner_->GetX() + 0.01f * flags;
        float y = owner_->GetY();
        owner_->MoveTo(&x, &y);  // 28
        owner_->SetX(x);         // 35
        owner_->SetY(y);
        owner_->SetRoundsWon(owner_->opponent->GetRoundsWon() + 1);  // 79, 80
        return 0;
    }
    int OnHit(int attackerFlags, int) override {
        owner_->SetLife(owner_->GetLife() - 1.0f);
        owner_->SetSpecialMove(attackerFlags);  // 81
        return 0;
    }
    int UpdateAlone(int flags, float dt) override {
        owner_->SetFrameTimer(owner_->GetFrameTimer() - dt);  // 54, 55
        if (owner_->GetFrameTimer() < 0 && owner_->NextFrame() == 1) owner_->GoToFrame(0);
        owner_->SetSpecialMove(flags);
        return 0;
    }
    int DrawExtra(float, float, float) override {
        ++drawExtraCalls_;
        owner_->SetSpecialDirection(drawExtraCalls_);
        return 0;
    }

private:
    Bicho* owner_ = nullptr;
    int drawExtraCalls_ = 0;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) InterfazAcciones* CreateActionInstance() {
    return new TestBehaviour();
}

extern "C" __attribute__((visibility("default"))) void FreeActionInstance(InterfazAcciones* o) {
    delete o;
}
