// Where particles meet creatures: projectiles wound the owner's opponent,
// the egg gives power to whoever picks it up.
#include "base/Random.h"
#include "sdk/Bicho.h"
#include "effects/Particulas.h"

namespace {

void AddPower(Bicho* creature) {
    float power = creature->GetPower() + 1.0f;
    const float maxPower = creature->GetMaxPower();
    if (power > maxPower) power = maxPower;
    creature->SetPower(power);
}

}  // namespace

void Particulas::StrikeWithProjectile(Particula* p) {
    if (p->hit || !p->owner) return;
    Bicho* target = p->owner->opponent;
    if (!target) return;
    if (!target->BodyOverlaps(p->x - p->w * 0.25f, p->y - p->h * 0.5f, p->x + p->w * 0.25f,
                              p->y + p->h * 0.5f))
        return;
    p->hit = true;
    p->lifeLeft = 0.0f;
    target->ReceiveHit(1024);
    if (p->kind != kParticleFireball) return;
    Random& random = GameRandom();
    for (int i = 0; i < 4; ++i) {
        Emision spark;
        spark.kind = kParticleSpark;
        spark.w = 0.25f + random.Next() * 2.4414808e-06f;
        spark.h = 0.25f + random.Next() * 1.5259255e-06f;
        spark.x = p->x + random.Next() * 1.5259255e-06f;
        spark.y = p->y + random.Next() * 3.051851e-06f;
        spark.vx = 0.005f - random.Next() * 3.051851e-07f;
        spark.vy = 0.005f - random.Next() * 3.051851e-07f;
        spark.life = 0.5f;
        Emitir(1, true, spark);
    }
}

void Particulas::CheckEggPickUp(Particula* p) {
    Bicho* owner = p->owner;
    if (!owner) return;
    const float left = p->x - p->w * 0.25f, right = p->x + p->w * 0.25f;
    const float top = p->y - p->h * 0.25f, bottom = p->y + p->h * 0.25f;
    if (Bicho* opponent = owner->opponent) {
        if (opponent->BodyOverlaps(left, top, right, bottom)) {
            p->lifeLeft = 0.0f;
            AddPower(opponent);
            // Taken: the same egg must not pay its owner as well.
            return;
        }
    }
    if (!owner->BodyOverlaps(left, top, right, bottom)) {
        p->hit = false;
    } else if (!p->hit) {
        p->hit = true;
        p->lifeLeft = 0.0f;
        AddPower(owner);
    }
}
