#pragma once
// Small formulas shared by the particle system's files.
#include <cmath>

// Texture slots in the order Init loads them.
enum TextureSlot {
    kTexBlood = 0,
    kTexPuddle = 1,
    kTexStar = 2,
    kTexFlare = 3,
    kTexFireball = 4,
    kTexCircle = 5,
    kTexStain = 6,
    kTexDrop = 7,
    kTexSpit = 8,
    kTexSword = 9,
    kTexPellet = 10,
    kTexShell = 11,
    kTexEgg = 12,
    kTexStick = 13,
    kTexSmoke = 14,
};

// Half-size of a rotated quad for a particle of w x h.
inline float ParticleQuadRadius(float w, float h) {
    return std::sqrt(w * w + h * h) * 0.43478262f;
}

// Straight motion over one frame: x by vx * 50 per second, y by vy * 30
// per second upwards.
inline void ParticleStep(float* x, float* y, float vx, float vy, float dt) {
    *x += vx * 50.0f * dt;
    *y -= vy * 30.0f * dt;
}

// Drag and gravity of drops and the egg; the drag depends on the frame rate.
inline void ParticleDragAndFall(float* vx, float* vy, float dt) {
    const float fps = 1.0f / dt;
    *vx *= 0.99f + 0.001f * std::log(10.0f * fps);
    *vy -= 0.12f * dt;
}
