#include "creature/HitSparks.h"

#include "base/Random.h"
#include "sdk/Bicho.h"
#include "sdk/OperacionesParticulas.h"

void EmitHitSparks(Bicho& creature) {
    if (!creature.particles) return;
    Random& random = GameRandom();
    for (int i = 0; i < 3; ++i) {
        Emision emision;
        emision.vx = 0.03f * random.Uniform() - 0.015f;
        emision.vy = 0.01f * random.Uniform() + 0.01f;
        emision.w = 0.08f;
        emision.h = 0.1f;
        emision.radius = 0.05f;
        emision.kind = kParticleEgg;
        emision.life = 5.0f;
        emision.fade = 1.0f;
        emision.owner = &creature;
        const Frame* frame = creature.currentFrame;
        float f = static_cast<float>(creature.facing);
        if (frame) {
            emision.x = creature.x - f * frame->anchorX + f * frame->hotX;
            emision.y = creature.y - frame->anchorY + frame->hotY;
        } else {
            emision.x = creature.x - 0.05f * random.Uniform();
            emision.y = creature.y - 0.2f;
        }
        creature.particles->Emitir(1, true, emision);
    }
}
