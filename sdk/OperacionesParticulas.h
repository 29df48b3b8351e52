#pragma once
// The particle operations that creatures and their behaviour libraries call.
// The game's particle system implements them; plug-ins see nothing else of
// it, so the records and the pool stay private to the fight. The slot order
// of the two operations is the contract and must never change.
#include <cstddef>
#include <cstdint>

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

class OperacionesParticulas {
public:
    // Slot 0: count blood drops streaming from the source's wound for
    // streamTime seconds. The two leading floats are ignored.
    virtual int Sangrar(float ignoredA, float ignoredB, int count, float streamTime,
                        Bicho* source) = 0;
    // Slot 1: count particles of one kind into the front or the back list.
    virtual int Emitir(int count, bool front, Emision emision) = 0;
    virtual ~OperacionesParticulas() = default;
};
