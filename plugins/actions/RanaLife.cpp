// The frog's life outside the fight loop: start, stop, being hit, and the
// spectator on a stage.
#include "sdk/GameSettings.h"
#include "sdk/OperacionesParticulas.h"
#include "sdk/Sonido.h"
#include "plugins/actions/ActionCommon.h"
#include "plugins/actions/Rana.h"

namespace {

const char kSwishSample[] = "sonido\\fiu.wav";
const char kThumpSample[] = "sonido\\GOLPEARMADUR33.wav";
const char* const kAnimations[] = {"ANI_BASE1", "ANI_RIGHT", "ANI_DOWN", "ANI_PUNCH1",
                                   "ANI_PUNCH1_OUCH", "ANI_COMBO1", "ANI_LOSEFULL", nullptr};

}  // namespace

int Rana::Init(Bicho* owner, const char*) {
    owner_ = owner;
    if (owner_->sound) {
        swish_ = owner_->sound->LoadSample(kSwishSample);
        thump_ = owner_->sound->LoadSample(kThumpSample);
        hasSamples_ = true;
    }
    aiFlags_ = 0;
    aiMode_ = Chance(50) ? kAttack : kKeepAway;
    aiTimer_ = RandomFraction() * 0.1f;
    owner_->SetAnimation("ANI_BASE1");
    return 0;
}

int Rana::Stop() {
    if (owner_ && owner_->sound && hasSamples_) {
        owner_->sound->FreeSample(swish_);
        owner_->sound->FreeSample(thump_);
        hasSamples_ = false;
        swish_ = thump_ = -1;
    }
    return 0;
}

int Rana::OnHit(int, int) {
    if (!(owner_->GetLife() > 0.0f) || owner_->IsAnimation("ANI_PUNCH1_OUCH") ||
        owner_->IsAnimation("ANI_DOWN"))
        return 0;
    if (owner_->particles)
        owner_->particles->Sangrar(owner_->GetX(), owner_->GetY(), 50, 1.0f, owner_);
    owner_->SetAnimation("ANI_PUNCH1_OUCH");
    if (Frame* frame = owner_->GetCurrentFrame()) owner_->SetFrameTimer(frame->duration);
    owner_->SetLife(owner_->GetLife() - 1.0f);
    if (owner_->GetLife() <= 0.0f) Die();
    if (hasSamples_ && owner_->GetSound()) owner_->GetSound()->PlaySample(thump_);
    return 0;
}

// Thrown back away from the side it faces, in slow motion with a trail.
void Rana::Die() {
    owner_->SetAnimation("ANI_LOSEFULL");
    owner_->SetGhostTime(2.0f);
    owner_->SetVelocityY(-2.0f);
    const float push = owner_->GetFacing() == 1 ? -0.8f : 0.8f;
    owner_->SetVelocityX(owner_->GetVelocityX() + push);
    if (owner_->settings) owner_->settings->slowMotionTime = 5.0f;
    owner_->SetLife(0.0f);
}

int Rana::UpdateAlone(int, float dt) {
    AdvanceFrame(owner_, dt, [this] {
        if (owner_->IsAnimation("ANI_DOWN")) return;  // cowers to the end
        Bicho* fighter = owner_->opponent;
        if (!fighter) {
            owner_->SetAnimation("ANI_BASE1");
        } else if (HasLost(fighter)) {
            owner_->SetAnimation("ANI_DOWN");
        } else if (fighter->opponent && HasLost(fighter->opponent)) {
            owner_->SetAnimation("ANI_PUNCH1");
        } else {
            owner_->SetAnimation("ANI_BASE1");
        }
        owner_->GoToFrame(0);
    });
    return 0;
}

CORRALON_ACTION_EXPORTS(Rana)
CORRALON_ACTION_STATE(Rana)
CORRALON_ACTION_ANIMATIONS(kAnimations)
