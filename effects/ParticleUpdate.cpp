// The back and front lists: per-kind motion, then drawing with each kind's
// texture, blend and colour.
#include <cmath>

#include "base/Random.h"
#include "effects/ParticleMath.h"
#include "effects/Particulas.h"

namespace {

constexpr float kPi = 3.14159265f;

enum Blend { kAlpha = 1, kAdditive = 3, kShadow = 4, kSoftLight = 5 };

// A pause (0) or a broken clock leaves every particle as it is.
bool Running(float dt) { return dt > 0.0f && std::isfinite(dt); }

}  // namespace

void Particulas::DrawBack(float camX, float camY, float dt) { RunList(&back_, camX, camY, dt); }

void Particulas::DrawFront(float camX, float camY, float dt) {
    RunList(&front_, camX, camY, dt);
}

void Particulas::SetBlend(int blend, int* current) {
    if (*current == blend) return;
    renderer_->SetOverlayMode(1, blend);
    *current = blend;
}

void Particulas::RunList(Particula** list, float camX, float camY, float dt) {
    int blend = 0;
    if (renderer_) SetBlend(kAdditive, &blend);
    const bool running = Running(dt);
    Particula* next = nullptr;
    for (Particula* p = *list; p; p = next) {
        // New particles go in at the head, so emission by a rule never
        // disturbs the walk.
        next = p->next;
        if (running) {
            p->lifeLeft -= dt;
            if (p->lifeLeft > 0.0f) Move(p, dt);
            if (p->lifeLeft <= 0.0f) {
                Release(list, p);
                continue;
            }
        }
        if (renderer_) Draw(p, camX, camY, &blend);
    }
}

void Particulas::Move(Particula* p, float dt) {
    p->fade = p->lifeTotal > 0.0f ? p->lifeLeft / p->lifeTotal : 0.0f;
    switch (p->kind) {
        case kParticleSpark:
        case kParticleFlare:
            ParticleStep(&p->x, &p->y, p->vx, p->vy, dt);
            break;
        case kParticleFireball:
        case kParticleSpit:
        case kParticleSword:
        case kParticlePellet:
        case kParticleShell:
        case kParticleStick:
            ParticleStep(&p->x, &p->y, p->vx, p->vy, dt);
            StrikeWithProjectile(p);
            break;
        case kParticleRing:
        case kParticleSmoke:
            p->fade += 0.5f;
            p->w += p->vx * 50.0f * dt;
            p->h += p->vy * 30.0f * dt;
            p->radius = ParticleQuadRadius(p->w, p->h);
            break;
        case kParticleThrownDrop:
        case kParticleLandedDrop:
            MoveDrop(p, dt);
            break;
        case kParticleEgg:
            MoveEgg(p, dt);
            break;
        default:  // puddles and stains lie still
            break;
    }
}

void Particulas::MoveDrop(Particula* p, float dt) {
    if (p->y <= floor_) {
        ParticleStep(&p->x, &p->y, p->vx, p->vy, dt);
        ParticleDragAndFall(&p->vx, &p->vy, dt);
    } else {
        LandDrop(p);
    }
}

void Particulas::LandDrop(Particula* p) {
    if (p->kind == kParticleLandedDrop) {
        p->lifeLeft = 0.0f;
        return;
    }
    Random& random = GameRandom();
    p->kind = kParticleLandedDrop;
    p->w = 0.025f;
    p->h = 0.035f;
    p->y = floor_;
    p->vx = random.Next() * 6.103702e-07f - 0.01f;
    p->vy = random.Next() * 4.5777765e-07f;
    p->radius = 0.01f;
    const int n = static_cast<int>(random.Next() * 0.0030518509f);
    if (n > 70) {
        Emision stain;
        stain.kind = n <= 90 ? kParticleSmallStain : kParticleBigStain;
        stain.x = p->x;
        stain.y = p->y + random.Next() * 4.5777765e-07f;
        stain.life = 2.0f;
        Emitir(1, false, stain);
    }
}

void Particulas::MoveEgg(Particula* p, float dt) {
    ParticleStep(&p->x, &p->y, p->vx, p->vy, dt);
    ParticleDragAndFall(&p->vx, &p->vy, dt);
    if (p->y > floor_) {
        p->y = floor_;
        p->vy = -p->vy * 0.5f;
        p->vx *= 0.5555556f;
    }
    CheckEggPickUp(p);
}

void Particulas::DrawQuad(const Particula* p, float camX, float camY, int texture, int blend,
                          float r, float g, float b, float alpha, bool mirrored, int* current) {
    SetBlend(blend, current);
    float left = camX + p->x - p->w * 0.5f;
    float width = p->w;
    if (mirrored && p->vx < 0.0f) {
        // A negative width draws leftwards from x: start at the right edge
        // so the mirrored picture keeps its centre.
        left += p->w;
        width = -p->w;
    }
    renderer_->DrawImage(left, camY + p->y - p->h * 0.5f, width, p->h, textures_[texture],
                         tintR_ * r, tintG_ * g, tintB_ * b, alpha);
}

void Particulas::AimDrop(Particula* p) { p->angle = kPi - (std::atan2(p->vy, p->vx) + kPi / 2); }

void Particulas::DrawDrop(Particula* p, float camX, float camY, int* blend) {
    AimDrop(p);
    renderer_->BindTexture(textures_[kTexDrop]);
    SetBlend(kAlpha, blend);
    DrawRotatedQuad(camX + p->x, camY + p->y, p->radius, p->radius, p->angle, 1.0f);
    SetBlend(kShadow, blend);
    DrawRotatedQuad(camX + p->x, camY + floor_ + std::fabs(p->vy) + std::fabs(p->vx * 0.25f),
                    p->radius, p->radius * 0.25f, -p->angle, 0.1f);
}

void Particulas::Draw(Particula* p, float camX, float camY, int* blend) {
    const float f = p->fade;
    switch (p->kind) {
        case kParticleBigPuddle:
        case kParticleSmallPuddle:
            DrawQuad(p, camX, camY, kTexPuddle, kAlpha, 1, 1, 1, f, false, blend);
            break;
        case kParticleSpark:
            DrawQuad(p, camX, camY, kTexStar, kAdditive, f, 0.8f * f, 0.5f * f, f, true, blend);
            break;
        case kParticleFlare:
            DrawQuad(p, camX, camY, kTexFlare, kAdditive, f, 0.8f * f, 0.5f * f, f, true, blend);
            break;
        case kParticleFireball:
            DrawQuad(p, camX, camY, kTexFireball, kAlpha, 1, 1, 1, f, true, blend);
            break;
        case kParticleRing:
            DrawQuad(p, camX, camY, kTexCircle, kAdditive, 0.8f * f, 0.4f * f, 0.2f * f, f, false,
                     blend);
            break;
        case kParticleThrownDrop:
        case kParticleLandedDrop:
            DrawDrop(p, camX, camY, blend);
            break;
        case kParticleBigStain:
        case kParticleSmallStain:
            DrawQuad(p, camX, camY, kTexStain, kAlpha, 1, 1, 1, f, false, blend);
            break;
        case kParticleSpit:
            DrawQuad(p, camX, camY, kTexSpit, kAdditive, 0, f, 0.5f * f, f, true, blend);
            break;
        case kParticleSword:
            DrawQuad(p, camX, camY, kTexSword, kAlpha, 1, 1, 1, 1.0f, true, blend);
            break;
        case kParticlePellet:
            DrawQuad(p, camX, camY, kTexPellet, kAlpha, 1, 1, 1, 1.0f, true, blend);
            break;
        case kParticleShell:
            DrawQuad(p, camX, camY, kTexShell, kAlpha, 1, 1, 1, f, true, blend);
            break;
        case kParticleEgg:
            SetBlend(kShadow, blend);
            renderer_->DrawImage(p->x - p->w * 0.5f + camX,
                                 floor_ + (floor_ - p->y) * 0.1f + p->h * 0.5f + camY, p->w,
                                 -p->h * 0.25f, textures_[kTexEgg], tintR_, tintG_, tintB_, 0.2f);
            DrawQuad(p, camX, camY, kTexEgg, kAlpha, 1, 1, 1, 1.0f, false, blend);
            SetBlend(kAdditive, blend);
            break;
        case kParticleStick:
            DrawQuad(p, camX, camY, kTexStick, kAlpha, 1, 1, 1, f, true, blend);
            break;
        case kParticleSmoke:
            DrawQuad(p, camX, camY, kTexSmoke, kSoftLight, f, f, f, f, false, blend);
            SetBlend(kAdditive, blend);
            break;
        default:
            break;
    }
}
