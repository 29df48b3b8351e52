// Motion and drawing of the back and front lists, kind by kind.
#include <cmath>
#include <cstring>

#include "tests/effects/ParticleFixture.h"

namespace {

// The blend in force at call `index`: the last SetOverlayMode before it.
int BlendAt(const std::vector<RendererCall>& calls, size_t index) {
    for (size_t i = index; i-- > 0;)
        if (calls[i].op == "SetOverlayMode") return static_cast<int>(calls[i].args[1]);
    return -1;
}

size_t LastIndexOf(const std::vector<RendererCall>& calls, const std::string& op) {
    for (size_t i = calls.size(); i-- > 0;)
        if (calls[i].op == op) return i;
    return calls.size();
}

struct KindLook {
    int kind;
    const char* texture;
    int blend;
    float r, g, b;  // factors at fade 0.5
    float alpha;
    bool mirrored;
};

// At fade 0.5 (rings and smoke: 1.0).
const KindLook kLooks[] = {
    {kParticleBigPuddle, "bmp\\charco256.bmp", 1, 1, 1, 1, 0.5f, false},
    {kParticleSmallPuddle, "bmp\\charco256.bmp", 1, 1, 1, 1, 0.5f, false},
    {kParticleSpark, "bmp\\star.bmp", 3, 0.5f, 0.4f, 0.25f, 0.5f, true},
    {kParticleFlare, "bmp\\sunflare.bmp", 3, 0.5f, 0.4f, 0.25f, 0.5f, true},
    {kParticleFireball, "bmp\\bolafuego.bmp", 1, 1, 1, 1, 0.5f, true},
    {kParticleRing, "bmp\\circle.bmp", 3, 0.8f, 0.4f, 0.2f, 1.0f, false},
    {kParticleBigStain, "bmp\\Charcokk.bmp", 1, 1, 1, 1, 0.5f, false},
    {kParticleSmallStain, "bmp\\Charcokk.bmp", 1, 1, 1, 1, 0.5f, false},
    {kParticleSpit, "bmp\\Escupitajo.bmp", 3, 0, 0.5f, 0.25f, 0.5f, true},
    {kParticleSword, "bmp\\Espada.bmp", 1, 1, 1, 1, 1.0f, true},
    {kParticlePellet, "bmp\\perdigona.bmp", 1, 1, 1, 1, 1.0f, true},
    {kParticleShell, "bmp\\caparazon.bmp", 1, 1, 1, 1, 0.5f, true},
    {kParticleEgg, "bmp\\huevo.bmp", 1, 1, 1, 1, 1.0f, false},
    {kParticleStick, "bmp\\cabpalo.bmp", 1, 1, 1, 1, 0.5f, true},
    {kParticleSmoke, "bmp\\humo.bmp", 5, 1, 1, 1, 1.0f, false},
};

TEST_F(ParticleTest, EachKindIsDrawnWithItsPictureBlendColourAndMirror) {
    const float camX = 0.1f, camY = 0.2f;
    particles.SetTint(0.5f, 1.0f, 0.8f);
    for (const KindLook& look : kLooks) {
        for (float vx : {0.002f, -0.002f}) {
            SCOPED_TRACE(testing::Message() << "kind " << look.kind << " vx " << vx);
            particles.Clear();
            renderer.calls.clear();
            particles.Emitir(1, true, MakeEmision(look.kind, 0.5f, 0.5f, vx, 0.0f, 0.2f, 0.1f, 2.0f));
            particles.DrawFront(camX, camY, 1.0f);
            const Particula* p = particles.FrontList();
            ASSERT_NE(nullptr, p);
            const auto& calls = renderer.calls;
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ("SetOverlayMode", calls[0].op);
            EXPECT_EQ(3, calls[0].args[1]);  // drawing starts additive
            size_t at = LastIndexOf(calls, "DrawImage");
            ASSERT_LT(at, calls.size());
            const RendererCall& image = calls[at];
            EXPECT_EQ(renderer.Handle(look.texture), image.texture);
            EXPECT_EQ(look.blend, BlendAt(calls, at));
            EXPECT_NEAR(0.5f * look.r, image.args[8], 1e-5);
            EXPECT_NEAR(1.0f * look.g, image.args[9], 1e-5);
            EXPECT_NEAR(0.8f * look.b, image.args[10], 1e-5);
            EXPECT_NEAR(look.alpha, image.alpha(), 1e-5);
            const bool mirror = look.mirrored && vx < 0;
            // Centred on the particle either way; a mirror is a negative width.
            EXPECT_NEAR(mirror ? -p->w : p->w, image.args[2], 1e-6);
            EXPECT_NEAR(camX + p->x, image.args[0] + image.args[2] * 0.5f, 1e-5);
            EXPECT_NEAR(camY + p->y, image.args[1] + image.args[3] * 0.5f, 1e-5);
            EXPECT_NEAR(p->h, image.args[3], 1e-6);
        }
    }
}

TEST_F(ParticleTest, EggAndSmokeHandTheBlendBackToAdditive) {
    particles.Emitir(1, true, MakeEmision(kParticleSmoke, 0.5f, 0.5f, 0, 0, 0.1f, 0.1f, 2.0f));
    particles.Emitir(1, true, MakeEmision(kParticleEgg, 0.5f, 0.6f, 0, 0, 0.08f, 0.1f, 2.0f));
    particles.DrawFront(0, 0, kDt);
    const auto& calls = renderer.calls;
    std::vector<int> blends;
    for (const RendererCall& c : calls)
        if (c.op == "SetOverlayMode") blends.push_back(static_cast<int>(c.args[1]));
    // start, egg reflection, egg, back; smoke, back.
    EXPECT_EQ((std::vector<int>{3, 4, 1, 3, 5, 3}), blends);
    auto images = renderer.Named("DrawImage");
    ASSERT_EQ(3u, images.size());
    const Particula* egg = particles.FrontList();
    const float floorY = particles.GetFloor();
    EXPECT_NEAR(egg->x - egg->w / 2, images[0].args[0], 1e-6);
    EXPECT_NEAR(floorY + (floorY - egg->y) * 0.1f + egg->h / 2, images[0].args[1], 1e-6);
    EXPECT_NEAR(egg->w, images[0].args[2], 1e-6);
    EXPECT_NEAR(-egg->h / 4, images[0].args[3], 1e-6);
    EXPECT_NEAR(0.2f, images[0].alpha(), 1e-6);
    EXPECT_NEAR(1.0f, images[1].alpha(), 1e-6);
}

TEST_F(ParticleTest, SparksAndFlaresMoveStraightAndFade) {
    particles.Emitir(1, false, MakeEmision(kParticleSpark, 0.5f, 0.5f, 0.01f, 0.02f, 0.1f, 0.1f, 1.0f));
    particles.DrawBack(0, 0, 0.1f);
    const Particula* p = particles.BackList();
    EXPECT_NEAR(0.5f + 0.01f * 50 * 0.1f, p->x, 1e-6);
    EXPECT_NEAR(0.5f - 0.02f * 30 * 0.1f, p->y, 1e-6);
    EXPECT_NEAR(0.9f, p->fade, 1e-6);
    EXPECT_FLOAT_EQ(0.02f, p->vy);  // no gravity
}

TEST_F(ParticleTest, RingsAndSmokeGrowAndStayBrighter) {
    particles.Emitir(1, false, MakeEmision(kParticleRing, 0.5f, 0.5f, 0.01f, 0.02f, 0.1f, 0.2f, 1.0f));
    particles.DrawBack(0, 0, 0.25f);
    const Particula* p = particles.BackList();
    EXPECT_NEAR(0.1f + 0.01f * 50 * 0.25f, p->w, 1e-6);
    EXPECT_NEAR(0.2f + 0.02f * 30 * 0.25f, p->h, 1e-6);
    EXPECT_FLOAT_EQ(0.5f, p->x);
    EXPECT_NEAR(0.75f + 0.5f, p->fade, 1e-6);
}

TEST_F(ParticleTest, PuddlesLieStillAndFadeOutOverTheirLife) {
    particles.Emitir(1, false, MakeEmision(kParticleSmallPuddle, 0.4f, 0.9f, 1, 1, 0, 0, 2.0f));
    for (int i = 0; i < 19; ++i) particles.DrawBack(0, 0, 0.1f);
    const Particula* p = particles.BackList();
    ASSERT_NE(nullptr, p);
    EXPECT_FLOAT_EQ(0.4f, p->x);
    EXPECT_FLOAT_EQ(0.9f, p->y);
    EXPECT_NEAR(0.05f, p->fade, 1e-4);
    particles.DrawBack(0, 0, 0.1001f);
    EXPECT_EQ(nullptr, particles.BackList());
}

TEST_F(ParticleTest, APauseLeavesEveryParticleUnchangedButDrawn) {
    Bicho* source = MakeCreature(0.5f, 0.9f);
    particles.Sangrar(0, 0, 5, 1.0f, source);
    for (const KindLook& look : kLooks)
        particles.Emitir(1, look.kind % 2 == 0, MakeEmision(look.kind, 0.5f, 0.95f, 0.01f, 0.01f, 0.1f, 0.1f, 1.0f));
    particles.Emitir(1, false, MakeEmision(kParticleThrownDrop, 0.5f, 0.95f, 0.01f, 0.01f));
    particles.Emitir(1, false, MakeEmision(kParticleLandedDrop, 0.5f, 0.95f, 0.01f, 0.01f));
    auto snapshot = [&] {
        std::vector<Particula> all;
        for (const Particula* list : {particles.BleedingList(), particles.BackList(), particles.FrontList()})
            for (const Particula* p = list; p; p = p->next) all.push_back(*p);
        return all;
    };
    std::vector<Particula> before = snapshot();
    for (int i = 0; i < 3; ++i) {
        particles.DrawBleeding(0, 0, 0.0f);
        particles.DrawBack(0, 0, 0.0f);
        particles.DrawFront(0, 0, 0.0f);
    }
    std::vector<Particula> after = snapshot();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(before[i].x, after[i].x);
        EXPECT_EQ(before[i].y, after[i].y);
        EXPECT_EQ(before[i].vx, after[i].vx);
        EXPECT_EQ(before[i].vy, after[i].vy);
        EXPECT_EQ(before[i].w, after[i].w);
        EXPECT_EQ(before[i].kind, after[i].kind);
        EXPECT_EQ(before[i].lifeLeft, after[i].lifeLeft);
        EXPECT_EQ(before[i].hit, after[i].hit);
    }
    EXPECT_EQ(3u * 5 * 2 + 3u * 2 * 2, renderer.Named("DrawParticleBatch").size());
    EXPECT_EQ(3u * (15 + 1), renderer.Named("DrawImage").size());  // the egg twice
}

TEST_F(ParticleTest, DropsFallWithDragAndGravity) {
    const float dt = 0.02f;
    particles.Emitir(1, false, MakeEmision(kParticleThrownDrop, 0.5f, 0.5f, 0.01f, 0.02f));
    particles.DrawBack(0, 0, dt);
    const Particula* p = particles.BackList();
    EXPECT_NEAR(0.5f + 0.01f * 50 * dt, p->x, 1e-6);
    EXPECT_NEAR(0.5f - 0.02f * 30 * dt, p->y, 1e-6);
    EXPECT_NEAR(0.01f * (0.99f + 0.001f * std::log(10.0f / dt)), p->vx, 1e-7);
    EXPECT_NEAR(0.02f - 0.12f * dt, p->vy, 1e-7);
}

TEST_F(ParticleTest, AThrownDropSplashesOnceAndDiesOnItsNextLanding) {
    particles.SetFloor(0.7f);
    particles.Emitir(1, false, MakeEmision(kParticleThrownDrop, 0.5f, 0.71f, 0.01f, 0.02f, 0.05f, 0.07f, 10.0f));
    particles.DrawBack(0, 0, kDt);
    const Particula* drop = nullptr;
    for (const Particula* p = particles.BackList(); p; p = p->next)
        if (p->kind == kParticleLandedDrop) drop = p;
    ASSERT_NE(nullptr, drop);
    EXPECT_FLOAT_EQ(0.025f, drop->w);
    EXPECT_FLOAT_EQ(0.035f, drop->h);
    EXPECT_FLOAT_EQ(0.7f, drop->y);
    EXPECT_FLOAT_EQ(0.01f, drop->radius);
    EXPECT_GE(drop->vx, -0.01f);
    EXPECT_LE(drop->vx, 0.01f);
    EXPECT_GE(drop->vy, 0.0f);
    EXPECT_LE(drop->vy, 0.015f);
    // It bounces up a little, falls back through the floor and dies there.
    int frames = 0;
    while (CountKind(particles.BackList(), kParticleLandedDrop) && frames < 600) {
        particles.DrawBack(0, 0, kDt);
        ++frames;
    }
    EXPECT_LT(frames, 600);
}

TEST_F(ParticleTest, AboutThreeThrownDropsInTenLeaveAStain) {
    const int drops = 3000;
    particles.Emitir(drops, false, MakeEmision(kParticleThrownDrop, 0.5f, 0.95f, 0, 0, 0.05f, 0.07f, 10.0f));
    particles.DrawBack(0, 0, kDt);
    const int small = CountKind(particles.BackList(), kParticleSmallStain);
    const int big = CountKind(particles.BackList(), kParticleBigStain);
    EXPECT_EQ(drops, CountKind(particles.BackList(), kParticleLandedDrop));
    EXPECT_NEAR(0.29, static_cast<double>(small + big) / drops, 0.04);
    EXPECT_NEAR(20.0 / 9.0, static_cast<double>(small) / big, 0.6);  // n 71..90 against 91..99
    for (const Particula* p = particles.BackList(); p; p = p->next) {
        if (p->kind != kParticleSmallStain && p->kind != kParticleBigStain) continue;
        EXPECT_FLOAT_EQ(2.0f, p->lifeTotal);
        EXPECT_EQ(0.0f, p->vx);
        EXPECT_GE(p->y, particles.GetFloor());
        EXPECT_LE(p->y, particles.GetFloor() + 0.016f);
    }
}

TEST_F(ParticleTest, TheEggBouncesOnTheFloorLosingSpeed) {
    particles.Emitir(1, true, MakeEmision(kParticleEgg, 0.5f, 0.899f, 0.02f, -0.1f, 0.08f, 0.1f, 5.0f));
    const float dt = 0.05f;
    particles.DrawFront(0, 0, dt);
    const Particula* egg = particles.FrontList();
    const float vxMoved = 0.02f * (0.99f + 0.001f * std::log(10.0f / dt));
    const float vyMoved = -0.1f - 0.12f * dt;
    EXPECT_FLOAT_EQ(0.9f, egg->y);
    EXPECT_NEAR(-vyMoved * 0.5f, egg->vy, 1e-6);
    EXPECT_NEAR(vxMoved * 0.5555556f, egg->vx, 1e-6);
}

TEST_F(ParticleTest, ABrokenFrameTimeIsTreatedAsAPause) {
    particles.Emitir(1, true, MakeEmision(kParticleSpark, 0.5f, 0.5f, 0.01f, 0.01f));
    for (float dt : {-0.1f, std::nanf(""), INFINITY}) particles.DrawFront(0, 0, dt);
    const Particula* p = particles.FrontList();
    ASSERT_NE(nullptr, p);
    EXPECT_FLOAT_EQ(0.5f, p->x);
    EXPECT_FLOAT_EQ(1.0f, p->lifeLeft);
}

}  // namespace
