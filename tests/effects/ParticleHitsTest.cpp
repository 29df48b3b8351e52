// Particles meeting creatures: projectiles, the egg and the blood stream.
#include <map>

#include "tests/effects/ParticleFixture.h"

namespace {

class ParticleFightTest : public ParticleTest {
protected:
    void SetUp() override {
        ParticleTest::SetUp();
        // Bodies: a covers x 0.1..0.3, b covers 0.7..0.9, both y 0.6..0.9.
        a = MakeCreature(0.2f, 0.9f, &aHits);
        b = MakeCreature(0.8f, 0.9f, &bHits);
        a->SetOpponent(b);
        b->SetOpponent(a);
    }
    void RunFront(float seconds) {
        for (float t = 0; t < seconds; t += kDt) particles.DrawFront(0, 0, kDt);
    }

    HitCounter aHits, bHits;
    Bicho* a = nullptr;
    Bicho* b = nullptr;
};

TEST_F(ParticleFightTest, AFireballHitsOnceWith1024AndLeavesFourSparks) {
    particles.Emitir(1, true, MakeEmision(kParticleFireball, 0.4f, 0.75f, 0.01f, 0, 0.2f, 0.2f, 3.0f, a));
    RunFront(1.0f);
    EXPECT_EQ(std::vector<int>{1024}, bHits.hits);
    EXPECT_TRUE(aHits.hits.empty());
    EXPECT_EQ(0, CountKind(particles.FrontList(), kParticleFireball));
    EXPECT_FLOAT_EQ(1.0f, b->GetPower());
    particles.Clear();
    bHits.hits.clear();
    particles.Emitir(1, true, MakeEmision(kParticleFireball, 0.66f, 0.75f, 0, 0, 0.2f, 0.2f, 3.0f, a));
    particles.DrawFront(0, 0, kDt);
    EXPECT_EQ(4, CountKind(particles.FrontList(), kParticleSpark));
    EXPECT_EQ(1u, bHits.hits.size());
    for (const Particula* p = particles.FrontList(); p; p = p->next) {
        if (p->kind != kParticleSpark) continue;
        EXPECT_FLOAT_EQ(0.5f, p->lifeTotal);
        EXPECT_GE(p->w, 0.25f);
        EXPECT_LE(p->w, 0.33f);
        EXPECT_GE(p->h, 0.25f);
        EXPECT_LE(p->h, 0.30f);
        EXPECT_GE(p->vx, -0.005f);
        EXPECT_LE(p->vx, 0.005f);
        EXPECT_GE(p->x, 0.66f);
        EXPECT_LE(p->x, 0.72f);
    }
    RunFront(0.3f);
    EXPECT_EQ(1u, bHits.hits.size());
}

TEST_F(ParticleFightTest, TheProjectileHitBoxIsAQuarterOfItsWidthEachSide) {
    // w 0.2: the box reaches x + 0.05; b's body starts at 0.7.
    particles.Emitir(1, true, MakeEmision(kParticleSword, 0.649f, 0.75f, 0, 0, 0.2f, 0.2f, 3.0f, a));
    particles.DrawFront(0, 0, kDt);
    EXPECT_TRUE(bHits.hits.empty());
    EXPECT_EQ(1, CountKind(particles.FrontList(), kParticleSword));
    particles.Emitir(1, true, MakeEmision(kParticleSword, 0.651f, 0.75f, 0, 0, 0.2f, 0.2f, 3.0f, a));
    particles.DrawFront(0, 0, kDt);
    EXPECT_EQ(1u, bHits.hits.size());
    EXPECT_EQ(1, CountKind(particles.FrontList(), kParticleSword));
    EXPECT_EQ(0, CountKind(particles.FrontList(), kParticleSpark));  // only fireballs spark
}

TEST_F(ParticleFightTest, ProjectilesNeverHitTheirOwnerAndFlyOnWithoutATarget) {
    particles.Emitir(1, true, MakeEmision(kParticleSpit, 0.2f, 0.75f, 0, 0, 0.2f, 0.2f, 0.5f, a));
    Bicho* loner = MakeCreature(0.5f, 0.9f);
    particles.Emitir(1, true, MakeEmision(kParticlePellet, 0.5f, 0.75f, 0, 0, 0.2f, 0.2f, 0.5f, loner));
    particles.Emitir(1, true, MakeEmision(kParticleStick, 0.8f, 0.75f, 0, 0, 0.2f, 0.2f, 0.5f, nullptr));
    RunFront(0.2f);
    EXPECT_TRUE(aHits.hits.empty());
    EXPECT_TRUE(bHits.hits.empty());
    EXPECT_EQ(3, Particulas::CountList(particles.FrontList()));
}

TEST_F(ParticleFightTest, TheOwnerTakesItsEggOnlyAfterLeavingIt) {
    particles.Emitir(1, true, MakeEmision(kParticleEgg, 0.2f, 0.85f, 0, 0, 0.08f, 0.1f, 5.0f, a));
    RunFront(0.5f);
    EXPECT_EQ(1, CountKind(particles.FrontList(), kParticleEgg));
    EXPECT_EQ(0.0f, a->GetPower());
    a->SetX(0.5f);  // steps off
    particles.DrawFront(0, 0, kDt);
    EXPECT_FALSE(particles.FrontList()->hit);
    a->SetX(0.2f);  // and back on
    particles.DrawFront(0, 0, kDt);
    EXPECT_EQ(0, CountKind(particles.FrontList(), kParticleEgg));
    EXPECT_FLOAT_EQ(1.0f, a->GetPower());
}

TEST_F(ParticleFightTest, TheOpponentTakesTheEggAtOnceAndAloneCappedAtMaximum) {
    b->SetPower(3.0f);  // already full
    particles.Emitir(1, true, MakeEmision(kParticleEgg, 0.5f, 0.85f, 0, 0, 0.08f, 0.1f, 5.0f, a));
    particles.DrawFront(0, 0, kDt);  // nobody on it: the owner has left it
    ASSERT_EQ(1, CountKind(particles.FrontList(), kParticleEgg));
    EXPECT_FALSE(particles.FrontList()->hit);
    a->SetX(0.45f);
    b->SetX(0.55f);  // both bodies cover the egg now
    particles.DrawFront(0, 0, kDt);
    EXPECT_EQ(0, CountKind(particles.FrontList(), kParticleEgg));
    EXPECT_FLOAT_EQ(3.0f, b->GetPower());
    EXPECT_EQ(0.0f, a->GetPower());  // one egg pays once
}

TEST_F(ParticleFightTest, BloodLeavesTheWoundMirroredByFacing) {
    // Wound: x - f * 0.1 + f * 0.15, y - 0.3 + 0.1.
    for (int facing : {1, -1}) {
        particles.Clear();
        a->SetFacing(facing);
        particles.Sangrar(7.0f, 7.0f, 2000, 2.0f, a);
        ASSERT_EQ(2000, Particulas::CountList(particles.BleedingList()));
        double sumVx = 0;
        for (const Particula* p = particles.BleedingList(); p; p = p->next) {
            EXPECT_FLOAT_EQ(0.2f + facing * 0.05f, p->x);
            EXPECT_FLOAT_EQ(0.7f, p->y);
            EXPECT_FLOAT_EQ(0.05f, p->w);
            EXPECT_FLOAT_EQ(0.07f, p->h);
            EXPECT_FLOAT_EQ(2.0f, p->lifeLeft);
            EXPECT_EQ(a, p->owner);
            EXPECT_GE(p->vy, 0.01f);
            EXPECT_LE(p->vy, 0.04f);
            sumVx += p->vx;
        }
        // Three draws push forward, one pushes against the facing.
        EXPECT_NEAR(facing == 1 ? 0.0 : 0.03, sumVx / 2000, 0.002) << facing;
    }
}

TEST_F(ParticleTest, WithoutAFrameBloodComesFromAboveThePosition) {
    Bicho* bare = CreateBicho();
    bare->Init(nullptr, &renderer, &particles, nullptr, nullptr, nullptr);
    bare->SetX(0.5f);
    bare->SetY(0.9f);
    particles.Sangrar(0, 0, 200, 1.0f, bare);
    for (const Particula* p = particles.BleedingList(); p; p = p->next) {
        EXPECT_LE(p->x, 0.5f);
        EXPECT_GE(p->x, 0.45f);
        EXPECT_FLOAT_EQ(0.7f, p->y);
    }
    particles.Sangrar(0, 0, 5, 1.0f, nullptr);
    EXPECT_EQ(200, Particulas::CountList(particles.BleedingList()));
    particles.Clear();
    bare->Release();
    DestroyBicho(bare);
}

TEST_F(ParticleFightTest, AStreamKeepsComingBackFromTheWoundUntilItsTimeIsOver) {
    particles.Sangrar(0, 0, 20, 2.0f, a);
    std::map<const Particula*, float> lastW;
    int restarts = 0, restartsAfterEnd = 0;
    float t = 0;
    for (; t < 1.95f; t += kDt) {
        particles.DrawBleeding(0, 0, kDt);
        EXPECT_EQ(20, Particulas::CountList(particles.BleedingList()));
        for (const Particula* p = particles.BleedingList(); p; p = p->next) {
            if (lastW.count(p) && lastW[p] == 0.025f && p->w == 0.05f) {
                ++restarts;
                EXPECT_NEAR(0.25f, p->x, 0.02f);  // back near the wound
            }
            lastW[p] = p->w;
        }
    }
    EXPECT_GT(restarts, 20);
    for (; t < 5.0f && particles.BleedingList(); t += kDt) {
        particles.DrawBleeding(0, 0, kDt);
        for (const Particula* p = particles.BleedingList(); p; p = p->next) {
            if (lastW.count(p) && lastW[p] == 0.025f && p->w == 0.05f) ++restartsAfterEnd;
            lastW[p] = p->w;
        }
    }
    EXPECT_EQ(nullptr, particles.BleedingList());
    EXPECT_EQ(0, restartsAfterEnd);
    EXPECT_EQ(1000, particles.CountFree() + Particulas::CountList(particles.BackList()));
}

TEST_F(ParticleFightTest, AboutOneLandingDropInTenLeavesAPuddle) {
    const int drops = 4000;
    particles.Sangrar(0, 0, drops, 0.01f, a);  // one landing each
    for (int i = 0; i < 200 && particles.BleedingList(); ++i) particles.DrawBleeding(0, 0, kDt);
    const int small = CountKind(particles.BackList(), kParticleSmallPuddle);
    const int big = CountKind(particles.BackList(), kParticleBigPuddle);
    // n is 0..99 (100 only for the top draw): 91..99 leave a puddle.
    EXPECT_NEAR(0.09, static_cast<double>(small + big) / drops, 0.02);
    EXPECT_NEAR(7.0 / 2.0, static_cast<double>(small) / big, 1.2);  // 91..97 against 98..99
    for (const Particula* p = particles.BackList(); p; p = p->next) EXPECT_FLOAT_EQ(2.0f, p->lifeTotal);
}

}  // namespace
