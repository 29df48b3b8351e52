#pragma once
// Placeholder of the particle system until it lands: same operations, no
// particles.
#include <cstdint>

#include "platform/Renderer.h"

class Bicho;

struct Emision {
    uint32_t words[20];
};

class Particulas {
public:
    virtual int Sangrar(float, float, int, float, Bicho*) { return 0; }
    virtual int Emitir(int, bool, Emision) { return 0; }
    virtual ~Particulas() = default;

    int Init(Renderer* renderer);
    void Clear() {}
    void DrawBleeding(float, float, float) {}
    void DrawBack(float, float, float) {}
    void DrawFront(float, float, float) {}
    void Shutdown() {}

private:
    Renderer* renderer_ = nullptr;
};
