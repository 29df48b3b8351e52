// Pool, lists, emission, Clear and Shutdown.
#include <sys/stat.h>

#include <cmath>
#include <string>

#include "effects/ParticlePictures.h"
#include "tests/TestFolder.h"
#include "tests/effects/ParticleFixture.h"

namespace {

TEST_F(ParticleTest, InitLoadsTheFifteenPicturesInOrderWithTheirKey) {
    const ParticlePicture* expected = kParticlePictures;
    ASSERT_EQ(15u, renderer.calls.size());
    EXPECT_STREQ("bmp\\sangre256.bmp", expected[0].file);  // the blood slot
    for (size_t i = 0; i < 15; ++i) {
        SCOPED_TRACE(expected[i].file);
        EXPECT_EQ(expected[i].file, renderer.calls[i].text);
        EXPECT_EQ(expected[i].keyed ? "LoadTextureKeyed" : "LoadTexture", renderer.calls[i].op);
        if (expected[i].keyed) {
            EXPECT_EQ((std::vector<float>{255, 0, 255}), renderer.calls[i].args);
        }
    }
    EXPECT_EQ(1000, particles.CountFree());
    EXPECT_EQ(1000, particles.PoolSize());
    EXPECT_FLOAT_EQ(0.9f, particles.GetFloor());
}

TEST_F(ParticleTest, EmitCopiesTheDescriptionAndAppliesTheKindSizes) {
    Bicho* owner = MakeCreature(0.5f, 0.9f);
    Emision e = MakeEmision(kParticleSpark, 0.3f, 0.4f, 0.01f, 0.02f, 0.3f, 0.4f, 1.5f, owner);
    e.word0 = e.word1 = e.word10 = e.word19 = 0xFFFFFFFFu;  // no effect
    e.radius = 9.0f;
    e.angle = 2.0f;
    EXPECT_EQ(0, particles.Emitir(2, true, e));
    EXPECT_EQ(998, particles.CountFree());
    ASSERT_EQ(2, Particulas::CountList(particles.FrontList()));
    EXPECT_EQ(nullptr, particles.BackList());
    const Particula* p = particles.FrontList();
    EXPECT_FLOAT_EQ(0.3f, p->x);
    EXPECT_FLOAT_EQ(0.4f, p->y);
    EXPECT_FLOAT_EQ(0.01f, p->vx);
    EXPECT_FLOAT_EQ(0.02f, p->vy);
    EXPECT_FLOAT_EQ(0.3f, p->w);
    EXPECT_FLOAT_EQ(0.4f, p->h);
    EXPECT_FLOAT_EQ(0.5f * 0.43478262f, p->radius);  // from w and h, not the description
    EXPECT_EQ(kParticleSpark, p->kind);
    EXPECT_FLOAT_EQ(1.5f, p->lifeTotal);
    EXPECT_FLOAT_EQ(1.5f, p->lifeLeft);
    EXPECT_FALSE(p->hit);
    EXPECT_EQ(owner, p->owner);

    struct {
        int kind;
        float w, h;
    } sized[] = {{kParticleBigPuddle, 0.2f, 0.1f},
                 {kParticleBigStain, 0.2f, 0.1f},
                 {kParticleSmallPuddle, 0.05f, 0.05f},
                 {kParticleSmallStain, 0.05f, 0.05f}};
    for (const auto& s : sized) {
        particles.Emitir(1, false, MakeEmision(s.kind, 0, 0, 0, 0, 0.7f, 0.7f));
        EXPECT_FLOAT_EQ(s.w, particles.BackList()->w) << s.kind;
        EXPECT_FLOAT_EQ(s.h, particles.BackList()->h) << s.kind;
    }
    for (int kind : {kParticleThrownDrop, kParticleLandedDrop}) {
        e.kind = kind;
        particles.Emitir(1, false, e);
        EXPECT_FLOAT_EQ(9.0f, particles.BackList()->radius);
        EXPECT_FLOAT_EQ(2.0f, particles.BackList()->angle);
    }
    particles.Emitir(1, false, MakeEmision(kParticleEgg, 0, 0));
    EXPECT_TRUE(particles.BackList()->hit);
}

TEST_F(ParticleTest, NewParticlesGoAtTheHeadOfTheirList) {
    particles.Emitir(1, false, MakeEmision(kParticleSpark, 0.1f, 0));
    particles.Emitir(1, false, MakeEmision(kParticleFlare, 0.2f, 0));
    const Particula* head = particles.BackList();
    ASSERT_NE(nullptr, head);
    EXPECT_EQ(kParticleFlare, head->kind);
    EXPECT_EQ(nullptr, head->prev);
    ASSERT_NE(nullptr, head->next);
    EXPECT_EQ(kParticleSpark, head->next->kind);
    EXPECT_EQ(head, head->next->prev);
}

TEST_F(ParticleTest, UnknownKindsAndEmptyCountsEmitNothing) {
    for (int kind : {0, -1, 18, 1000}) particles.Emitir(5, true, MakeEmision(kind, 0, 0));
    particles.Emitir(0, true, MakeEmision(kParticleSpark, 0, 0));
    particles.Emitir(-3, true, MakeEmision(kParticleSpark, 0, 0));
    EXPECT_EQ(nullptr, particles.FrontList());
    EXPECT_EQ(1000, particles.CountFree());
}

TEST_F(ParticleTest, ThePoolGrowsWhenDryAndKeepsEveryRecord) {
    particles.Emitir(1500, false, MakeEmision(kParticleSpark, 0, 0));
    EXPECT_EQ(1500, Particulas::CountList(particles.BackList()));
    EXPECT_EQ(1500, particles.PoolSize());
    EXPECT_EQ(0, particles.CountFree());
    particles.Clear();
    EXPECT_EQ(1500, particles.CountFree());
    particles.Emitir(10, false, MakeEmision(kParticleSpark, 0, 0));
    EXPECT_EQ(1500, particles.PoolSize());  // reused, not allocated
}

TEST_F(ParticleTest, ClearEmptiesAllThreeLists) {
    Bicho* source = MakeCreature(0.5f, 0.9f);
    particles.Sangrar(0, 0, 7, 2.0f, source);
    particles.Emitir(5, false, MakeEmision(kParticleRing, 0, 0));
    particles.Emitir(6, true, MakeEmision(kParticleSmoke, 0, 0));
    EXPECT_EQ(982, particles.CountFree());
    particles.Clear();
    EXPECT_EQ(nullptr, particles.BleedingList());
    EXPECT_EQ(nullptr, particles.BackList());
    EXPECT_EQ(nullptr, particles.FrontList());
    EXPECT_EQ(1000, particles.CountFree());
}

TEST_F(ParticleTest, ExpiredParticlesReturnToTheFreeListFromAnywhereInTheList) {
    particles.Emitir(1, false, MakeEmision(kParticleSpark, 0, 0, 0, 0, 0.1f, 0.1f, 5.0f));
    particles.Emitir(1, false, MakeEmision(kParticleSpark, 0, 0, 0, 0, 0.1f, 0.1f, 0.01f));  // middle
    particles.Emitir(1, false, MakeEmision(kParticleFlare, 0, 0, 0, 0, 0.1f, 0.1f, 5.0f));
    particles.DrawBack(0, 0, 0.02f);
    ASSERT_EQ(2, Particulas::CountList(particles.BackList()));
    EXPECT_EQ(kParticleFlare, particles.BackList()->kind);
    EXPECT_EQ(kParticleSpark, particles.BackList()->next->kind);
    EXPECT_EQ(particles.BackList(), particles.BackList()->next->prev);
    EXPECT_EQ(998, particles.CountFree());
    // A particle is released in the frame its life reaches 0, without being drawn.
    renderer.calls.clear();
    particles.Emitir(1, true, MakeEmision(kParticleSpark, 0, 0, 0, 0, 0.1f, 0.1f, 0.5f));
    particles.DrawFront(0, 0, 0.5f);
    EXPECT_EQ(nullptr, particles.FrontList());
    EXPECT_TRUE(renderer.Named("DrawImage").empty());
}

TEST(ParticleShutdown, LogsThePoolAndReleasesEveryPicture) {
    TestFolder folder;
    ASSERT_EQ(0, mkdir("logs", 0755));
    RecordingRenderer renderer;
    Particulas particles;
    particles.Init(&renderer);
    particles.Emitir(1200, true, MakeEmision(kParticleSpark, 0, 0));
    particles.Shutdown();
    std::string expected = "     Particulas: Particulas libres: 1200, tama\xf1o total: " +
                           std::to_string(1200 * sizeof(Particula)) + " bytes\n";
    EXPECT_EQ(expected, TestFolder::Read("logs/log.txt"));
    // Every picture loaded is released (all handles here come from loads).
    std::vector<std::string> released;
    for (TextureHandle h : renderer.released) released.push_back(renderer.loadOrder.at(h - 1));
    EXPECT_EQ(renderer.loadOrder, released);
    EXPECT_EQ(0, particles.PoolSize());
    particles.Shutdown();  // a second one has nothing left to report
    EXPECT_EQ(expected, TestFolder::Read("logs/log.txt"));
    EXPECT_EQ(15u, renderer.released.size());
}

TEST(ParticleShutdown, WithoutARendererNothingIsDrawnOrLoaded) {
    Particulas particles;
    particles.Init(nullptr);
    particles.Emitir(3, true, MakeEmision(kParticleSpark));
    particles.DrawFront(0, 0, 0.1f);
    particles.DrawBleeding(0, 0, 0.1f);
    EXPECT_EQ(3, Particulas::CountList(particles.FrontList()));
    particles.Shutdown();
}

}  // namespace
