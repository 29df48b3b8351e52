// The stage in a fight: camera, tile drawing, actors and their frozen time,
// round restarts.
#include <array>

#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"
#include "tests/fight/StageSupport.h"

namespace {

// Stands in for an actor's behaviour and keeps what the stage made it do.
class ActorSpy : public InterfazAcciones {
public:
    std::vector<std::array<float, 2>> updates;  // flags, dt
    std::vector<std::array<float, 3>> draws;    // offset x, offset y, dt
    int resets = 0;
    int Init(Bicho*, const char*) override { return 0; }
    int Stop() override { return 0; }
    int Reset() override { return ++resets, 0; }
    float QueryA(int) override { return 1.0f; }
    float QueryB(int) override { return 1.0f; }
    int Think(float) override { return 0; }
    int UpdateFight(int, float) override { return 0; }
    int OnHit(int, int) override { return 0; }
    int UpdateAlone(int flags, float dt) override {
        updates.push_back({static_cast<float>(flags), dt});
        return 0;
    }
    int DrawExtra(float x, float y, float dt) override {
        draws.push_back({x, y, dt});
        return 0;
    }
};

class StageFightTest : public StageTest {
protected:
    Bicho* fighters[2] = {CreateBicho(), CreateBicho()};
    ActorSpy spy;

    void SetUp() override {
        StageTest::SetUp();
        for (Bicho* f : fighters) f->Init(nullptr, &renderer, nullptr, &sound, &settings, &stage);
    }
    void TearDown() override {
        for (int i = 0; i < stage.actorCount; ++i)
            if (stage.actors[i]->action == &spy) stage.actors[i]->action = nullptr;
        for (Bicho* f : fighters) {
            f->Release();
            DestroyBicho(f);
        }
        StageTest::TearDown();
    }
    void Place(float x0, float x1) {
        fighters[0]->SetX(x0);
        fighters[1]->SetX(x1);
    }
};

struct CameraCase {
    float ancho, x0, x1, camX;
};

TEST_F(StageFightTest, CameraCentresTheFightersWithinTheStage) {
    const CameraCase cases[] = {
        {2.0f, 0.2f, 0.8f, 0.0f},  {2.0f, 0.9f, 1.1f, -0.5f}, {2.0f, 1.1f, 0.9f, -0.5f},
        {2.0f, 1.7f, 1.9f, -1.0f}, {2.0f, 1.9f, 1.9f, -1.0f}, {2.0f, 0.6f, 0.8f, -0.2f},
        {1.0f, 0.9f, 1.0f, 0.0f},  {1.0f, -0.5f, 0.0f, 0.0f}, {1.0f, 0.1f, 0.9f, 0.0f},
    };
    TestFolder::Write("p.bmp", MakeBmp({512, 256, 24, 0, 0}));
    for (const CameraCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.ancho) + " " + std::to_string(c.x0) + " " + std::to_string(c.x1));
        LoadText("[fondo]\nimagen = p.bmp\nancho = " + std::to_string(c.ancho) + "\n");
        stage.SetFighters(fighters[0], fighters[1]);
        Place(c.x0, c.x1);
        renderer.Forget();
        stage.Draw(0.02f);
        EXPECT_FLOAT_EQ(stage.camX, c.camX);
        EXPECT_EQ(stage.camY, 0.0f);
        float tile = c.ancho / 2.0f;
        const std::vector<RendererCall> images = renderer.Named("DrawImage");
        ASSERT_EQ(images.size(), 2u);
        for (int i = 0; i < 2; ++i) {
            const RendererCall& d = images[i];
            EXPECT_FLOAT_EQ(d.x(), i * tile + c.camX);
            EXPECT_EQ((std::array<float, 7>{d.y(), d.w(), d.h(), d.args[8], d.args[9], d.args[10], d.alpha()}),
                      (std::array<float, 7>{0.0f, tile, 1.0f, 1, 1, 1, 1}));
            EXPECT_EQ(d.texture, stage.geometry->tiles[i]);
        }
        std::vector<std::string> order;
        for (const RendererCall& call : renderer.calls) order.push_back(call.op);
        EXPECT_EQ(order, (std::vector<std::string>{"DrawImage", "DrawImage", "SetOverlayMode"}));
        EXPECT_EQ(renderer.calls.back().args, (std::vector<float>{0, 0}));
        EXPECT_FLOAT_EQ(stage.geometry->tileWidth, tile);
    }
}

TEST_F(StageFightTest, ActorsRunOnTheFrameTimeUnlessTimeIsFrozen) {
    struct {
        float freeze, dt, seen;
    } const cases[] = {{0.0f, 0.02f, 0.02f}, {0.5f, 0.02f, 0.0f}, {-1.0f, 0.03f, 0.03f}};
    LoadText("[fondo]\nancho = 2.0\n[actor]\n");
    ASSERT_EQ(stage.actorCount, 1);
    stage.actors[0]->action = &spy;
    stage.SetFighters(fighters[0], fighters[1]);
    Place(1.7f, 1.9f);
    for (const auto& c : cases) {
        spy.updates.clear();
        spy.draws.clear();
        settings.freezeTime = c.freeze;
        stage.Draw(c.dt);
        EXPECT_EQ(spy.updates, (std::vector<std::array<float, 2>>{{0.0f, c.seen}})) << c.freeze;
        EXPECT_EQ(spy.draws, (std::vector<std::array<float, 3>>{{-1.0f, 0.0f, c.seen}})) << c.freeze;
    }
}

TEST_F(StageFightTest, RestartPutsEveryoneBackAtTheStart) {
    LoadText("[fondo]\nsuelo = 0.8\npollo1x = 0.3\npollo2x = 0.6\n[actor]\n[actor]\n");
    stage.actors[1]->action = &spy;
    stage.SetFighters(fighters[0], fighters[1]);
    EXPECT_EQ(stage.actors[0]->opponent, fighters[1]);
    EXPECT_EQ(stage.actors[1]->opponent, fighters[1]);
    for (Bicho* f : fighters) {
        f->SetMaxLife(10.0f);
        f->SetLife(2.0f);
        f->SetX(5.0f);
        f->SetY(0.1f);
    }
    fighters[0]->SetFacing(-1);
    fighters[1]->SetFacing(1);
    stage.RestartRound();
    EXPECT_EQ((std::array<float, 4>{fighters[0]->GetX(), fighters[0]->GetY(), fighters[0]->GetLife(),
                                    static_cast<float>(fighters[0]->GetFacing())}),
              (std::array<float, 4>{0.3f, 0.8f, 10.0f, 1.0f}));
    EXPECT_EQ((std::array<float, 4>{fighters[1]->GetX(), fighters[1]->GetY(), fighters[1]->GetLife(),
                                    static_cast<float>(fighters[1]->GetFacing())}),
              (std::array<float, 4>{0.6f, 0.8f, 10.0f, -1.0f}));
    EXPECT_EQ(spy.resets, 1);
}

}  // namespace
