#pragma once
// A particle system on a recording renderer, and real creatures to hit.
#include <gtest/gtest.h>

#include <vector>

#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"
#include "effects/Particulas.h"
#include "support/testing/RecordingRenderer.h"

// Behaviour that only counts the hits its creature takes.
class HitCounter : public InterfazAcciones {
public:
    std::vector<int> hits;
    int Init(Bicho*, const char*) override { return 0; }
    int Stop() override { return 0; }
    int Reset() override { return 0; }
    float QueryA(int) override { return 1.0f; }
    float QueryB(int) override { return 1.0f; }
    int Think(float) override { return 0; }
    int UpdateFight(int, float) override { return 0; }
    int OnHit(int flags, int) override {
        hits.push_back(flags);
        return 0;
    }
    int UpdateAlone(int, float) override { return 0; }
    int DrawExtra(float, float, float) override { return 0; }
};

inline Emision MakeEmision(int kind, float x = 0, float y = 0, float vx = 0, float vy = 0,
                          float w = 0.1f, float h = 0.1f, float life = 1.0f,
                          Bicho* owner = nullptr) {
    Emision e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.vx = vx;
    e.vy = vy;
    e.w = w;
    e.h = h;
    e.life = life;
    e.owner = owner;
    return e;
}

class ParticleTest : public ::testing::Test {
protected:
    static constexpr float kDt = 1.0f / 60.0f;

    void SetUp() override { ASSERT_EQ(0, particles.Init(&renderer)); }
    void TearDown() override {
        for (Bicho* b : creatures_) {
            b->action = nullptr;  // the counters belong to the test
            b->Release();
            DestroyBicho(b);
        }
        particles.Shutdown();
    }

    // A creature standing at (x, y) whose one frame has a 0.2 x 0.3 body
    // box over the anchor (0.1, 0.3) and its hot spot at (0.15, 0.1).
    Bicho* MakeCreature(float x, float y, HitCounter* counter = nullptr) {
        Bicho* b = CreateBicho();
        b->Init(nullptr, &renderer, &particles, nullptr, nullptr, nullptr);
        b->AddAnimation(0, 0, 0, "base", "ANI_BASE1");
        b->AddFrame(0.1f, 0.3f, 0, 0, 0, 0.2f, 0.3f, 0, 0, 0.2f, 0.3f, 0, 0, 0.2f, 0.2f, 0.15f,
                    0.1f, 0.05f);
        b->SetX(x);
        b->SetY(y);
        b->SetMaxPower(3.0f);
        b->action = counter;
        creatures_.push_back(b);
        return b;
    }

    static int CountKind(const Particula* list, int kind) {
        int n = 0;
        for (; list; list = list->next) n += list->kind == kind;
        return n;
    }

    RecordingRenderer renderer;
    Particulas particles;

private:
    std::vector<Bicho*> creatures_;
};
