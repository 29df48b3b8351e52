#pragma once
// Keeps the fight benchmarks' particle load: 1,000 live particles of the
// kinds a fight throws most, spread over the screen and never dying.
#include "effects/Particulas.h"

constexpr int kLiveParticles = 1000;

inline void TopUpParticles(Particulas* particles) {
    int live = Particulas::CountList(particles->BackList()) +
               Particulas::CountList(particles->FrontList());
    for (int i = live; i < kLiveParticles; ++i) {
        Emision e;
        e.kind = 3 + i % 4;  // sparks, flares, fireballs and rings
        e.x = 0.2f + (i % 61) * 0.01f;
        e.y = 0.3f + (i % 37) * 0.01f;
        e.w = e.h = 0.04f;
        e.life = 1.0e6f;
        particles->Emitir(1, i % 2 == 0, e);
    }
}
