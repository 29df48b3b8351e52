#pragma once
// The particle system: blood, sparks, rings, smoke, the thrown projectiles
// with their hit test and the power egg. One object lives for the whole run;
// creatures and their behaviour libraries reach it through the operations of
// OperacionesParticulas, the only part of it they see.
#include <cstdint>

#include "sdk/OperacionesParticulas.h"
#include "sdk/Renderer.h"

class Bicho;
class StateReader;
class StateWriter;

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

class Particulas final : public OperacionesParticulas {
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

    int Sangrar(float ignoredA, float ignoredB, int count, float streamTime,
                Bicho* source) override;
    int Emitir(int count, bool front, Emision emision) override;
    ~Particulas() override;

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

    // The lists and what the motion reads, for a fight's saved state; an
    // owner is saved as its place in `creatures` (ParticleState.cpp).
    void SaveState(StateWriter& out, Bicho* const* creatures, int creatureCount) const;
    // False, with nothing changed, for a state that does not fit.
    bool RestoreState(StateReader& in, Bicho* const* creatures, int creatureCount);

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
    // A record linked after `last` (at the list's head when null).
    Particula* TakeAfter(Particula** list, Particula* last);
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
