#include "effects/Particulas.h"

#include <new>

#include "base/Log.h"
#include "effects/ParticleMath.h"
#include "effects/ParticlePictures.h"

static_assert(sizeof kParticlePictures / sizeof kParticlePictures[0] == Particulas::kTextureCount,
              "one texture slot per particle picture");

Particulas::~Particulas() {
    // Records are plain memory; a missing Shutdown must not leak them.
    ReleaseAll(&bleeding_);
    ReleaseAll(&back_);
    ReleaseAll(&front_);
    while (free_) {
        Particula* p = free_;
        free_ = p->next;
        delete p;
    }
}

int Particulas::Init(Renderer* renderer) {
    if (initialised_) Shutdown();
    renderer_ = renderer;
    tintR_ = tintG_ = tintB_ = 1.0f;
    floor_ = 0.9f;
    for (int i = 0; i < kTextureCount; ++i) {
        if (!renderer_) break;
        textures_[i] = kParticlePictures[i].keyed
                           ? renderer_->LoadTextureKeyed(kParticlePictures[i].file, 255, 0, 255)
                           : renderer_->LoadTexture(kParticlePictures[i].file);
    }
    for (int i = 0; i < kInitialRecords; ++i) {
        Particula* p = new (std::nothrow) Particula();
        if (!p) break;
        ++poolSize_;
        p->prev = nullptr;
        p->next = free_;
        if (free_) free_->prev = p;
        free_ = p;
    }
    SetUpQuadRecords();
    BuildTables();
    initialised_ = true;
    return 0;
}

void Particulas::Shutdown() {
    ReleaseAll(&bleeding_);
    ReleaseAll(&back_);
    ReleaseAll(&front_);
    int records = 0;
    while (free_) {
        Particula* p = free_;
        free_ = p->next;
        delete p;
        ++records;
    }
    poolSize_ = 0;
    if (!initialised_) return;
    initialised_ = false;
    LogPrintf("     Particulas: Particulas libres: %d, tama\xf1o total: %d bytes\n", records,
              records * static_cast<int>(sizeof(Particula)));
    for (TextureHandle& texture : textures_) {
        if (renderer_) renderer_->ReleaseTexture(texture);
        texture = 0;
    }
}

void Particulas::Clear() {
    ReleaseAll(&bleeding_);
    ReleaseAll(&back_);
    ReleaseAll(&front_);
}

void Particulas::SetTint(float r, float g, float b) {
    tintR_ = r;
    tintG_ = g;
    tintB_ = b;
}

int Particulas::CountList(const Particula* head) {
    int n = 0;
    for (; head; head = head->next) ++n;
    return n;
}

Particula* Particulas::Take(Particula** list) {
    Particula* p = free_;
    if (p) {
        free_ = p->next;
        if (free_) free_->prev = nullptr;
    } else {
        if (poolSize_ >= kMaxRecords) return nullptr;
        p = new (std::nothrow) Particula();
        if (!p) return nullptr;
        ++poolSize_;
    }
    *p = Particula();
    p->next = *list;
    if (*list) (*list)->prev = p;
    *list = p;
    return p;
}

Particula* Particulas::TakeAfter(Particula** list, Particula* last) {
    if (!last) return Take(list);
    Particula* p = Take(&last->next);
    if (p) p->prev = last;
    return p;
}

void Particulas::Release(Particula** list, Particula* p) {
    if (p->prev)
        p->prev->next = p->next;
    else
        *list = p->next;
    if (p->next) p->next->prev = p->prev;
    p->prev = nullptr;
    p->next = free_;
    if (free_) free_->prev = p;
    free_ = p;
}

void Particulas::ReleaseAll(Particula** list) {
    while (*list) Release(list, *list);
}

int Particulas::Emitir(int count, bool front, Emision e) {
    // Drawing picks the texture by kind: an unknown kind has none.
    if (e.kind < kParticleBigPuddle || e.kind > kParticleSmoke) return 0;
    Particula** list = front ? &front_ : &back_;
    for (int i = 0; i < count; ++i) {
        Particula* p = Take(list);
        if (!p) break;
        p->x = e.x;
        p->y = e.y;
        p->vx = e.vx;
        p->vy = e.vy;
        p->w = e.w;
        p->h = e.h;
        p->kind = e.kind;
        p->owner = e.owner;
        p->lifeTotal = p->lifeLeft = e.life;
        p->fade = 1.0f;
        p->hit = false;
        switch (e.kind) {
            case kParticleBigPuddle:
            case kParticleBigStain:
                p->w = 0.2f;
                p->h = 0.1f;
                break;
            case kParticleSmallPuddle:
            case kParticleSmallStain:
                p->w = p->h = 0.05f;
                break;
            case kParticleEgg:
                p->hit = true;  // it starts on its owner
                break;
            default:
                break;
        }
        if (e.kind == kParticleThrownDrop || e.kind == kParticleLandedDrop) {
            p->radius = e.radius;
            p->angle = e.angle;
        } else {
            p->radius = ParticleQuadRadius(p->w, p->h);
        }
    }
    return 0;
}
