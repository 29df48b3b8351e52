// The frog in a fight: walking, jumping, punching, the dash, the special
// attack, the crouch and slow motion, then the move with its hit test.
#include "sdk/OperacionesParticulas.h"
#include "sdk/Sonido.h"
#include "plugins/actions/ActionCommon.h"
#include "plugins/actions/Rana.h"

namespace {

const float kGravity = 9.8f;
const float kJumpSpeed = -3.5f;
const float kJumpSideSpeed = 0.6f;
const float kWalkSpeed = 0.5f;
const float kDashSpeed = 0.8f;
const float kDashTime = 0.4f;
const float kSlowMotionTime = 2.0f;

}  // namespace

bool Rana::Free() const {
    return owner_->IsAnimation("ANI_BASE1") || owner_->IsAnimation("ANI_RIGHT");
}

void Rana::Fly(float dt, float* x, float* y) {
    *x += owner_->GetVelocityX() * dt;
    *y += owner_->GetVelocityY() * dt;
    owner_->SetVelocityY(owner_->GetVelocityY() + dt * kGravity);
    if (owner_->GetGround() < *y) {
        owner_->SetVelocityX(0.0f);
        owner_->SetVelocityY(0.0f);
        *y = owner_->GetGround();
    }
}

void Rana::Stand(int flags, float dt, float* x) {
    if ((flags & kRanaUp) && Free()) {
        owner_->SetVelocityY(kJumpSpeed);
        if (flags & kRanaLeft) owner_->SetVelocityX(owner_->GetVelocityX() - kJumpSideSpeed);
        if (flags & kRanaRight) owner_->SetVelocityX(owner_->GetVelocityX() + kJumpSideSpeed);
    }
    if (!Free()) return;
    if (flags & kRanaLeft) {
        if (!owner_->IsAnimation("ANI_RIGHT")) owner_->SetAnimation("ANI_RIGHT");
        *x -= dt * kWalkSpeed;
    }
    if (flags & kRanaRight) {
        if (!owner_->IsAnimation("ANI_RIGHT")) owner_->SetAnimation("ANI_RIGHT");
        *x += dt * kWalkSpeed;
    }
    if (!(flags & (kRanaLeft | kRanaRight)) && owner_->IsAnimation("ANI_RIGHT"))
        owner_->SetAnimation("ANI_BASE1");
}

// Neither a special attack playing, nor a dash running, nor in the air.
bool Rana::CanStartSpecial() const {
    return !owner_->IsAnimation("ANI_COMBO1") && !(owner_->GetSpecialTime() > 0.0f) &&
           owner_->GetVelocityX() == 0.0f && owner_->GetVelocityY() == 0.0f;
}

void Rana::StartDash() {
    owner_->SetGhostTime(kDashTime);
    owner_->SetSpecialTime(kDashTime);
    owner_->SetSpecialMove(kRanaDash);
    if (Bicho* other = owner_->opponent)
        owner_->SetSpecialDirection(other->GetX() < owner_->GetX() ? -1 : 1);
}

void Rana::SpecialAttack(float x, float y) {
    if (OperacionesParticulas* particles = owner_->particles) {
        const float facing = static_cast<float>(owner_->GetFacing());
        Emision shell;
        shell.kind = kParticleShell;
        shell.x = x + 0.1f * facing;
        shell.y = y - 0.15f;
        shell.vx = 0.03f * facing;
        shell.vy = 0.0f;
        shell.w = shell.h = 0.15f;
        shell.life = 1.0f;
        shell.owner = owner_;
        particles->Emitir(1, true, shell);
        Emision ring;
        ring.kind = kParticleRing;
        ring.x = x;
        ring.y = y - 0.15f;
        ring.vx = ring.vy = 0.02f;
        ring.w = ring.h = 0.01f;
        ring.life = 1.0f;
        ring.owner = owner_;
        particles->Emitir(1, true, ring);
    }
    owner_->SetAnimation("ANI_COMBO1");
}

void Rana::EndOfAnimation(int flags) {
    owner_->SetHitLanded(false);
    const bool crouchHeld = owner_->IsAnimation("ANI_DOWN") && (flags & kRanaDown);
    if (!crouchHeld) {
        if (!owner_->IsAnimation("ANI_RIGHT") && !owner_->IsAnimation("ANI_LOSEFULL"))
            owner_->SetAnimation("ANI_BASE1");
        owner_->GoToFrame(0);
    }
    if (Bicho* other = owner_->opponent)
        owner_->SetFacing(other->GetX() < owner_->GetX() ? -1 : 1);
}

int Rana::UpdateFight(int flags, float dt) {
    float x = owner_->GetX();
    float y = owner_->GetY();
    if (owner_->GetSpecialMove() != 0) {
        // A dash takes no input and holds its frame.
        owner_->SetSpecialTime(owner_->GetSpecialTime() - dt);
        if (owner_->GetSpecialMove() == kRanaDash)
            x += dt * owner_->GetSpecialDirection() * kDashSpeed;
        if (owner_->GetSpecialTime() < 0.0f) {
            owner_->SetSpecialMove(0);
            owner_->SetSpecialTime(0.0f);
            owner_->SetSpecialDirection(0);
        }
    } else {
        if (owner_->GetVelocityX() != 0.0f || owner_->GetVelocityY() != 0.0f) {
            Fly(dt, &x, &y);
        } else {
            Stand(flags, dt, &x);
        }
        if ((flags & kRanaSlowMotion) && Free() && !(owner_->GetSlowMotion() > 0.0f))
            owner_->SetSlowMotion(kSlowMotionTime);
        if ((flags & kRanaDash) && CanStartSpecial()) StartDash();
        if ((flags & kRanaSpecialAttack) && CanStartSpecial()) SpecialAttack(x, y);
        if ((flags & kRanaPunch) && Free()) {
            owner_->SetAnimation("ANI_PUNCH1");
            if (hasSamples_ && owner_->GetSound()) owner_->GetSound()->PlaySample(swish_);
        }
        if ((flags & kRanaDown) && Free() && !owner_->IsAnimation("ANI_DOWN"))
            owner_->SetAnimation("ANI_DOWN");
        AdvanceFrame(owner_, dt, [this, flags] { EndOfAnimation(flags); });
    }
    if (owner_->opponent) owner_->MoveTo(&x, &y);
    owner_->SetX(x);
    owner_->SetY(y);
    return 0;
}
