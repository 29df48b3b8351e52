// Blood streaming from a wound: drops fly, splash on the floor, sometimes
// leave a puddle, and start again from the wound while the stream lasts.
#include <cmath>

#include "base/Random.h"
#include "sdk/Bicho.h"
#include "effects/ParticleMath.h"
#include "effects/Particulas.h"

int Particulas::Sangrar(float, float, int count, float streamTime, Bicho* source) {
    // Drops keep returning to their source's wound: without one there is
    // nowhere to bleed from.
    if (!source) return 0;
    Random& random = GameRandom();
    for (int i = 0; i < count; ++i) {
        Particula* p = Take(&bleeding_);
        if (!p) break;
        p->owner = source;
        p->kind = kParticleThrownDrop;
        p->w = 0.05f;
        p->h = 0.07f;
        PlaceAtWound(p);
        const float facing = static_cast<float>(source->GetFacing());
        const int r1 = random.Next(), r2 = random.Next(), r3 = random.Next(),
                  r4 = random.Next();
        p->vx = (r1 + r3 + r4) * 3.051851e-07f - r2 * 9.155553e-07f * facing;
        const int r5 = random.Next(), r6 = random.Next(), r7 = random.Next();
        p->vy = (r5 + r6 + r7) * 3.051851e-07f + 0.01f;
        p->lifeTotal = p->lifeLeft = streamTime;
        p->fade = 1.0f;
        p->radius = ParticleQuadRadius(p->w, p->h);
    }
    return 0;
}

void Particulas::PlaceAtWound(Particula* p) {
    Bicho* source = p->owner;
    const float facing = static_cast<float>(source->GetFacing());
    if (const Frame* frame = source->GetCurrentFrame()) {
        p->x = source->GetX() - facing * frame->anchorX + facing * frame->hotX;
        p->y = source->GetY() - frame->anchorY + frame->hotY;
    } else {
        p->x = source->GetX() - GameRandom().Next() * 1.5259255e-06f;
        p->y = source->GetY() - 0.2f;
    }
}

bool Particulas::UpdateBleedingDrop(Particula* p, float dt) {
    Random& random = GameRandom();
    if (p->y <= floor_) {
        ParticleStep(&p->x, &p->y, p->vx, p->vy, dt);
        ParticleDragAndFall(&p->vx, &p->vy, dt);
    } else if (p->w == 0.05f) {
        // First landing: a splash, now and then a puddle.
        p->w = 0.025f;
        p->h = 0.035f;
        p->y = floor_;
        p->vx = random.Next() * 6.103702e-07f - 0.01f;
        p->vy = random.Next() * 4.5777765e-07f;
        p->radius = ParticleQuadRadius(p->w, p->h);
        const int n = static_cast<int>(random.Next() * 0.0030518509f);
        if (n > 90) {
            Emision puddle;
            puddle.kind = n < 98 ? kParticleSmallPuddle : kParticleBigPuddle;
            puddle.x = p->x;
            puddle.y = p->y + random.Next() * 4.5777765e-07f;
            puddle.life = 2.0f;
            Emitir(1, false, puddle);
        }
    } else if (p->lifeLeft <= 0.0f) {
        return false;
    } else {
        // The stream still runs: the splash comes back out of the wound.
        p->w = 0.05f;
        p->h = 0.07f;
        PlaceAtWound(p);
        p->vx = random.Next() * 9.155553e-07f * static_cast<float>(p->owner->GetFacing());
        p->vy = random.Next() * 3.051851e-07f + 0.01f;
        p->radius = ParticleQuadRadius(p->w, p->h);
    }
    return true;
}

void Particulas::DrawBleeding(float camX, float camY, float dt) {
    if (renderer_) {
        renderer_->BindTexture(textures_[kTexBlood]);
        renderer_->SetOverlayMode(1, 1);
    }
    const bool running = dt > 0.0f && std::isfinite(dt);
    Particula* next = nullptr;
    for (Particula* p = bleeding_; p; p = next) {
        next = p->next;
        if (running) {
            p->lifeLeft -= dt;
            if (!UpdateBleedingDrop(p, dt)) {
                Release(&bleeding_, p);
                continue;
            }
        }
        if (!renderer_) continue;
        AimDrop(p);
        DrawRotatedQuad(camX + p->x, camY + p->y, p->radius, p->radius, p->angle, 1.0f);
    }
    if (!renderer_) return;
    renderer_->SetOverlayMode(1, 4);
    for (Particula* p = bleeding_; p; p = p->next) {
        DrawRotatedQuad(camX + p->x, camY + floor_ + std::fabs(p->vy) + std::fabs(p->vx * 0.25f),
                        p->radius, p->radius * 0.25f, -p->angle, 0.1f);
    }
}
