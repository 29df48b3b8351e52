#pragma once
// The particle system: blood, sparks, rings, smoke, the thrown projectiles
// with their hit test and the power egg. One object lives for the whole run;
// creatures and their behaviour libraries reach it through the two virtual
// operations, so this declaration is shared with the plug-ins and the slot
// order of those two operations must never change.
#include <cstddef>
#include <cstdint>

#include "platform/Renderer.h"

class Bicho;

// What Emitir takes, by value: twenty 32-bit words on the original build.
// The owner word is a native pointer here, so the record grows on 64-bit
// builds while every field keeps its place in the order.
struct Emision {
    uint32_t word0 = 0;
    uint32_t word1 = 0;
    float vx = 0.0f;
    float vy = 0.0f;  // positive is upwards
    float w = 0.0f;
    float h = 0.0f;
    float radius = 0.0f;  // kinds 7 and 8 only
    float angle = 0.0f;   // kinds 7 and 8 only
    float x = 0.0f;
    float y = 0.0f;
    uint32_t word10 = 0;
    uint32_t word11 = 0;
    int32_t kind = 0;
    uint32_t word13 = 0;
    float life = 0.0f;  // seconds
    uint32_t word15 = 0;
    float fade = 0.0f;  // carried along by emitters, read by nobody
    Bicho* owner = nullptr;
    uint32_t word18 = 0;
    uint32_t word19 = 0;
};
static_assert(offsetof(Emision, kind) == 12 * 4, "Emision words keep their places");
static_assert(offsetof(Emision, life) == 14 * 4, "Emision words keep their places");
static_assert(offsetof(Emision, owner) >= 17 * 4, "Emision words keep their places");

// Particle kinds.
enum ParticleKind {
    kParticleBigPuddle = 1,
    kParticleSmallPuddle = 2,
    kParticleSpark = 3,
    kParticleFlare = 4,
    kParticleFireball = 5,
    kParticleRing = 6,
    kParticleThrownDrop = 7,
    kParticleLandedDrop = 8,
    kParticleBigStain = 9,
    kParticleSmallStain = 10,
    kParticleSpit = 11,
    kParticleSword = 12,
    kParticlePellet = 13,
    kParticleShell = 14,
    kParticleEgg = 15,
    kParticleStick = 16,
    kParticleSmoke = 17,
};

struct Particula {
    float x, y;    // centre, stage units, y down
    float vx, vy;  // x moves by vx * 50 per second, y by -vy * 30
    float w, h;
    float radius;  // half-size of rotated quads
    float angle;   // direction of rotated quads, radians
    int kind;
    float lifeTotal;
    float lifeLeft;  // dies at or below 0
    float fade;      // lifeLeft / lifeTotal, refreshed by the motion rule
    bool hit;        // projectile has struck; egg: touching its owner
    Bicho* owner;    // its opponent is the target
    Particula* next;
    Particula* prev;
};

class Particulas {
public:
    static constexpr int kInitialRecords = 1000;
    // Emission stops growing the pool here, so a runaway count from a
    // behaviour library cannot eat the machine.
    static constexpr int kMaxRecords = 100000;
    static constexpr int kTextureCount = 15;
    static constexpr int kTableSize = 256;

    Particulas() = default;
    Particulas(const Particulas&) = delete;
    Particulas& operator=(const Particulas&) = delete;

    // Slot 0: count blood drops streaming from the source's wound for
    // streamTime seconds. The two leading floats are ignored.
    virtual int Sangrar(float ignoredA, float ignoredB, int count, float streamTime,
                        Bicho* source);
    // Slot 1: count particles of one kind into the front or the back list.
    virtual int Emitir(int count, bool front, Emision emision);
    virtual ~Particulas();

    // Textures, 1000 free records, quad records, tables. Returns 0.
    int Init(Renderer* renderer);
    // Every live particle goes back to the free list.
    void Clear();
    // Update and draw one list; a frame time of 0 (pause) changes nothing.
    void DrawBleeding(float camX, float camY, float dt);
    void DrawBack(float camX, float camY, float dt);
    void DrawFront(float camX, float camY, float dt);
    // Frees every record and texture and logs the pool size.
    void Shutdown();

    // The menus fade the tint; the fight resets it to (1, 1, 1).
    void SetTint(float r, float g, float b);
    // The fight puts the floor on the stage's ground line.
    void SetFloor(float floorY) { floor_ = floorY; }
    float GetFloor() const { return floor_; }

    const Particula* BleedingList() const { return bleeding_; }
    const Particula* BackList() const { return back_; }
    const Particula* FrontList() const { return front_; }
    int CountFree() const { return CountList(free_); }
    int PoolSize() const { return poolSize_; }
    static int CountList(const Particula* head);

private:
    // Pool and lists (Particulas.cpp).
    Particula* Take(Particula** list);
    void Release(Particula** list, Particula* p);
    void ReleaseAll(Particula** list);

    // Update and drawing of the back and front lists (ParticleUpdate.cpp).
    void RunList(Particula** list, float camX, float camY, float dt);
    void Move(Particula* p, float dt);
    void MoveDrop(Particula* p, float dt);
    void MoveEgg(Particula* p, float dt);
    void LandDrop(Particula* p);
    void Draw(Particula* p, float camX, float camY, int* blend);
    void DrawQuad(const Particula* p, float camX, float camY, int texture, int blend, float r,
                  float g, float b, float alpha, bool mirrored, int* current);
    void DrawDrop(Particula* p, float camX, float camY, int* blend);

    // Blood (ParticleBleeding.cpp).
    void PlaceAtWound(Particula* p);
    bool UpdateBleedingDrop(Particula* p, float dt);  // false: release it
    void AimDrop(Particula* p);

    // Creatures (ParticleTargets.cpp).
    void StrikeWithProjectile(Particula* p);
    void CheckEggPickUp(Particula* p);

    // Rotated quads (ParticleQuad.cpp).
    void BuildTables();
    void SetUpQuadRecords();
    void DrawRotatedQuad(float cx, float cy, float sx, float sy, float angle, float alpha);

    void SetBlend(int blend, int* current);

    float tintR_ = 1.0f;
    float tintG_ = 1.0f;
    float tintB_ = 1.0f;
    Renderer* renderer_ = nullptr;
    Particula* bleeding_ = nullptr;
    Particula* back_ = nullptr;
    Particula* front_ = nullptr;
    Particula* free_ = nullptr;
    float floor_ = 0.9f;
    TextureHandle textures_[kTextureCount] = {};
    double cosTable_[kTableSize] = {};
    double sinTable_[kTableSize] = {};
    TriangleRecord triangles_[2] = {};

    // What the two triangle records point at.
    float corners_[4][3] = {};
    float texCoords_[4][2] = {};
    float color_[3] = {};

    int poolSize_ = 0;
    bool initialised_ = false;
};
