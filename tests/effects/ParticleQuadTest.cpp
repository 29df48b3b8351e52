// The rotated quads of drops and their hand-over to the renderer.
#include <cmath>

#include "tests/effects/ParticleFixture.h"

namespace {

struct Point {
    float x, y;
};

// Corners 1..4 from the two triangles (1, 2, 3) and (1, 3, 4).
std::vector<Point> Corners(const RendererCall& batch) {
    const auto& q = batch.quad;
    return {{q[0], q[1]}, {q[2], q[3]}, {q[4], q[5]}, {q[10], q[11]}};
}

float Distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST_F(ParticleTest, ADropIsAQuadOfTwoTrianglesSharingTheDiagonal) {
    particles.SetTint(0.2f, 0.4f, 0.6f);
    // Straight up: the angle is 0 and the quad stands upright.
    particles.Emitir(1, true, MakeEmision(kParticleThrownDrop, 0.5f, 0.5f, 0.0f, 0.01f));
    const_cast<Particula*>(particles.FrontList())->radius = 0.1f;
    particles.DrawFront(0.25f, 0.125f, 0.0f);
    auto batches = renderer.Named("DrawParticleBatch");
    ASSERT_EQ(2u, batches.size());
    const RendererCall& drop = batches[0];
    ASSERT_EQ(2, drop.triangles);
    const auto& q = drop.quad;
    EXPECT_EQ(q[0], q[6]);  // both triangles start at corner 1
    EXPECT_EQ(q[1], q[7]);
    EXPECT_EQ(q[4], q[8]);  // the second goes on from corner 3
    EXPECT_EQ(q[5], q[9]);
    std::vector<Point> c = Corners(drop);
    const float cx = 0.75f, cy = 0.625f, r = 0.1f;
    EXPECT_NEAR(cx - 0.49965778f * r, c[0].x, 1e-6);
    EXPECT_NEAR(cy - 0.86622286f * r, c[0].y, 1e-6);
    EXPECT_NEAR(cx + 0.50017107f * r, c[1].x, 1e-6);
    EXPECT_NEAR(cy - 0.8659266f * r, c[1].y, 1e-6);
    EXPECT_NEAR(cx + 0.50017107f * r, c[2].x, 1e-6);
    EXPECT_NEAR(cy + 0.8659266f * r, c[2].y, 1e-6);
    EXPECT_NEAR(cx - 0.49965778f * r, c[3].x, 1e-6);
    EXPECT_NEAR(cy + 0.86622286f * r, c[3].y, 1e-6);
    // Per vertex: z, u, v, r, g, b; then the triangle's alpha.
    const float uv[2][3][2] = {{{0, 0}, {1, 0}, {1, 1}}, {{0, 0}, {1, 1}, {0, 1}}};
    for (int t = 0; t < 2; ++t) {
        for (int v = 0; v < 3; ++v) {
            const float* a = &drop.args[t * 19 + v * 6];
            EXPECT_FLOAT_EQ(0.1f, a[0]);
            EXPECT_EQ(uv[t][v][0], a[1]);
            EXPECT_EQ(uv[t][v][1], a[2]);
            EXPECT_FLOAT_EQ(0.2f, a[3]);
            EXPECT_FLOAT_EQ(0.4f, a[4]);
            EXPECT_FLOAT_EQ(0.6f, a[5]);
        }
        EXPECT_FLOAT_EQ(1.0f, drop.args[t * 19 + 18]);
    }
    // The reflection: squashed to a quarter, on the floor, faint, shadow blend.
    const RendererCall& shadow = batches[1];
    EXPECT_FLOAT_EQ(0.1f, shadow.args[18]);
    std::vector<Point> s = Corners(shadow);
    EXPECT_NEAR(0.125f + 0.9f + 0.01f, (s[0].y + s[2].y) / 2, 1e-5);
    EXPECT_NEAR(Distance(c[1], c[2]) * 0.25f, Distance(s[1], s[2]), 1e-5);
    EXPECT_EQ(renderer.Handle("bmp\\Gotakk.bmp"), renderer.Named("BindTexture").at(0).texture);
}

TEST_F(ParticleTest, AnyAngleGivesTheSameRectangleTurnedAroundItsCentre) {
    for (float vx : {0.01f, -0.01f, 0.003f, -0.02f, 0.0f}) {
        for (float vy : {0.01f, -0.01f, 0.0f, 0.004f}) {
            SCOPED_TRACE(testing::Message() << vx << ", " << vy);
            particles.Clear();
            renderer.calls.clear();
            particles.Emitir(1, true, MakeEmision(kParticleLandedDrop, 0.5f, 0.5f, vx, vy));
            const_cast<Particula*>(particles.FrontList())->radius = 0.2f;
            particles.DrawFront(0, 0, 0.0f);
            std::vector<Point> c = Corners(renderer.Named("DrawParticleBatch").at(0));
            EXPECT_NEAR(0.5f, (c[0].x + c[2].x) / 2, 2e-4);
            EXPECT_NEAR(0.5f, (c[0].y + c[2].y) / 2, 2e-4);
            EXPECT_NEAR(0.2f, Distance(c[0], c[1]), 2e-4);
            EXPECT_NEAR(0.2f * 1.7320508f, Distance(c[1], c[2]), 2e-4);
            EXPECT_NEAR(0.4f, Distance(c[0], c[2]), 2e-4);
        }
    }
}

TEST_F(ParticleTest, AQuadPointsAlongItsFlight) {
    // Flying right: the long side lies along x (within the table's step).
    particles.Emitir(1, true, MakeEmision(kParticleThrownDrop, 0.5f, 0.5f, 0.01f, 0.0f));
    const_cast<Particula*>(particles.FrontList())->radius = 0.1f;
    particles.DrawFront(0, 0, 0.0f);
    std::vector<Point> c = Corners(renderer.Named("DrawParticleBatch").at(0));
    EXPECT_NEAR(0.1732f, std::fabs(c[1].x - c[2].x), 1e-3);
    EXPECT_NEAR(0.0f, std::fabs(c[1].y - c[2].y), 0.005);
}

TEST_F(ParticleTest, BleedingDrawsTheDropsThenTheirReflections) {
    Bicho* source = MakeCreature(0.5f, 0.9f);
    particles.Sangrar(0, 0, 3, 1.0f, source);
    renderer.calls.clear();
    particles.DrawBleeding(0.1f, 0.2f, kDt);
    std::vector<std::string> ops;
    for (const RendererCall& c : renderer.calls) ops.push_back(c.op);
    EXPECT_EQ((std::vector<std::string>{"BindTexture", "SetOverlayMode", "DrawParticleBatch",
                                        "DrawParticleBatch", "DrawParticleBatch", "SetOverlayMode",
                                        "DrawParticleBatch", "DrawParticleBatch",
                                        "DrawParticleBatch"}),
              ops);
    EXPECT_EQ(renderer.Handle("bmp\\sangre256.bmp"), renderer.calls[0].texture);
    EXPECT_EQ((std::vector<float>{1, 1}), renderer.calls[1].args);
    EXPECT_EQ((std::vector<float>{1, 4}), renderer.calls[5].args);
    EXPECT_FLOAT_EQ(1.0f, renderer.calls[2].args[18]);
    EXPECT_FLOAT_EQ(0.1f, renderer.calls[6].args[18]);
    // The drop's centre, shifted by the camera.
    const Particula* p = particles.BleedingList();
    std::vector<Point> c = Corners(renderer.calls[2]);
    EXPECT_NEAR(0.1f + p->x, (c[0].x + c[2].x) / 2, 2e-4);
    EXPECT_NEAR(0.2f + p->y, (c[0].y + c[2].y) / 2, 2e-4);
}

TEST_F(ParticleTest, BrokenAnglesStillDrawAQuad) {
    Emision e = MakeEmision(kParticleThrownDrop, 0.5f, 0.5f, std::nanf(""), 1e30f);
    particles.Emitir(1, true, e);
    particles.DrawFront(0, 0, 0.0f);
    EXPECT_EQ(2u, renderer.Named("DrawParticleBatch").size());
}

}  // namespace
