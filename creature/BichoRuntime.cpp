// Per-frame work of a creature that is not its behaviour's: update, movement
// with hits and push-apart, the reaction to a hit and the box queries.
#include <cstring>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "creature/BoxGeometry.h"
#include "creature/HitSparks.h"
#include "sdk/InterfazAcciones.h"

namespace {

const char kAttackKind[] = "acciones";

bool IsAttacking(const Bicho& creature) {
    return creature.currentAnimation && creature.currentAnimation->kind &&
           strcmp(creature.currentAnimation->kind, kAttackKind) == 0;
}

bool SlowMotion(const Bicho& creature) {
    return creature.settings && creature.settings->slowMotionTime > 0.0f;
}

}  // namespace

int Bicho::Update(int flags, float dt) {
    if (ghostTime > 0.0f && ghostTrail) {
        ghostTrail->spawnCountdown -= SlowMotion(*this) ? dt * 4.0f : dt;
        if (ghostTrail->spawnCountdown < 0.0f) {
            Ghost* ghost = new Ghost{x, y, facing, 0.4f, 0.4f, currentFrame,
                                     ghostTrail->head, &ghostTrail->head};
            if (ghost->next) ghost->next->prev = &ghost->next;
            ghostTrail->head = ghost;
            ghostTrail->spawnCountdown = ghostTrail->spawnInterval;
        }
    }
    inputFlags = flags;
    if (action) {
        if (opponent)
            action->UpdateFight(flags, dt);
        else
            UpdateAlone(flags, dt);
    }
    return 0;
}

bool Bicho::MoveTo(float* newX, float* newY) {
    if (!newX || !newY) return false;
    float px = *newX;
    float py = *newY;
    // 0.15 from the stage's ends, where the camera stops: a fighter there
    // is still whole on the screen.
    const float kEdge = 0.15f;
    if (px < kEdge) px = kEdge;
    if (px > arenaWidth - kEdge) px = arenaWidth - kEdge;
    if (py < 0.0f) py = 0.0f;
    if (py > ground) py = ground;
    if (opponent) {
        // Both fighters stay whole on the one-screen-wide view.
        const float kMaxApart = 0.7f;
        if (px - opponent->x < -kMaxApart) px = opponent->x - kMaxApart;
        if (px - opponent->x > kMaxApart) px = opponent->x + kMaxApart;
    }
    *newX = px;
    *newY = py;
    if (!opponent || !currentFrame || !opponent->currentFrame) return false;

    const Frame& own = *currentFrame;
    const Frame& other = *opponent->currentFrame;
    ArenaBox otherBody = PlaceBox(other.bodyBox, other, opponent->x, opponent->y, opponent->facing);
    if (IsAttacking(*this)) {
        ArenaBox hit = PlaceBox(own.hitBox, own, px, py, facing);
        if (BoxesOverlap(hit, otherBody) && !hitLanded) {
            hitLanded = true;
            opponent->ReceiveHit(animationStartFlags);
        }
    }
    // The hit may have changed the opponent's frame.
    if (!opponent->currentFrame) return false;
    const Frame& otherNow = *opponent->currentFrame;
    otherBody = PlaceBox(otherNow.bodyBox, otherNow, opponent->x, opponent->y, opponent->facing);
    ArenaBox body = PlaceBox(own.bodyBox, own, px, py, facing);
    if (!BoxesOverlap(body, otherBody)) return false;
    float ownExtent = own.bodyBox.right - own.anchorX;
    float otherExtent = otherNow.bodyBox.right - otherNow.anchorX;
    if (opponent->x < px)
        *newX = opponent->x + otherExtent + ownExtent;
    else
        *newX = opponent->x - otherExtent - ownExtent;
    return true;
}

int Bicho::ReceiveHit(int attackerFlags) {
    SetPower(power + 1.0f);
    if (maxPower < power) power = maxPower;
    if (action) action->OnHit(attackerFlags, 0);
    EmitHitSparks(*this);
    return 0;
}

bool Bicho::BodyOverlaps(float left, float top, float right, float bottom) {
    if (!currentFrame) return false;
    ArenaBox body = PlaceBox(currentFrame->bodyBox, *currentFrame, x, y, facing);
    return BoxesOverlap(body, ArenaBox{left, top, right, bottom});
}

float Bicho::BodyGap() {
    if (!opponent || !currentFrame || !opponent->currentFrame) return 0.0f;
    ArenaBox own = PlaceBox(currentFrame->bodyBox, *currentFrame, x, y, facing);
    const Frame& other = *opponent->currentFrame;
    ArenaBox them = PlaceBox(other.bodyBox, other, opponent->x, opponent->y, opponent->facing);
    if (own.right < them.left) return them.left - own.right;
    if (them.right < own.left) return own.left - them.right;
    return 0.0f;
}
