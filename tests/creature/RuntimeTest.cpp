// Movement, hits, push-apart, afterimages and drawing of creatures.
#include <gtest/gtest.h>

#include <sstream>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "creature/BoxGeometry.h"
#include "creature/Strings.h"
#include "tests/creature/TestSupport.h"

namespace {

// A one-frame creature: sprite 0.3 x 0.3, anchor (0.15, 0.3), body box
// 0.05..0.25, hit box 0.15..0.35.
Bicho* Fighter(float x, int facing, const char* kind) {
    Bicho* c = NewCreature();
    EXPECT_EQ(0, c->AddAnimation(0, 0, 0, kind, "ANI_BASE1"));
    EXPECT_EQ(0, c->AddFrame(0.15f, 0.3f, 0, 0, 0, 0.3f, 0.3f, 0.05f, 0.0f, 0.25f, 0.3f, 0.15f,
                             0.1f, 0.35f, 0.2f, 0.2f, 0.1f, 0.05f));
    c->x = x;
    c->y = 0.9f;
    c->facing = facing;
    c->SetArenaSize(3.0f, 1.0f);
    c->SetMaxPower(10.0f);
    return c;
}

struct Pair {
    Pair(float ax, float bx, const char* kind = "") {
        a = Fighter(ax, 1, kind);
        b = Fighter(bx, -1, "");
        a->SetOpponent(b);
        b->SetOpponent(a);
    }
    ~Pair() {
        FreeCreature(a);
        FreeCreature(b);
    }
    Bicho* a;
    Bicho* b;
};

TEST(CreatureRuntime, MoveToClampsToTheArenaAndTheOpponent) {
    Pair p(1.0f, 1.5f);
    float x = 0.0f, y = 2.0f;
    p.a->MoveTo(&x, &y);
    EXPECT_FLOAT_EQ(0.8f, x);  // 0.15, then within 0.7 of the opponent
    EXPECT_FLOAT_EQ(0.9f, y);
    p.b->x = 0.5f;
    x = 0.0f;
    y = -1.0f;
    p.a->MoveTo(&x, &y);
    EXPECT_FLOAT_EQ(0.15f, x);
    EXPECT_FLOAT_EQ(0.0f, y);
    x = 5.0f;
    p.b->x = 2.8f;
    p.a->MoveTo(&x, &y);
    EXPECT_FLOAT_EQ(2.85f, x);
}

TEST(CreatureRuntime, AnAttackStrikesOnceUntilHitLandedIsCleared) {
    Pair p(1.0f, 1.3f, "acciones");  // hit box reaches 1.2, body of b from 1.2
    p.a->inputFlags = 0x20;
    p.a->SetAnimation("ANI_BASE1");
    for (int i = 0; i < 3; ++i) {
        float x = 1.0f, y = 0.9f;
        p.a->MoveTo(&x, &y);
    }
    EXPECT_FLOAT_EQ(1.0f, p.b->power);
    EXPECT_TRUE(p.a->hitLanded);
    p.a->SetHitLanded(false);
    float x = 1.0f, y = 0.9f;
    p.a->MoveTo(&x, &y);
    EXPECT_FLOAT_EQ(2.0f, p.b->power);
}

TEST(CreatureRuntime, NoStrikeOutsideAttackAnimations) {
    Pair p(1.0f, 1.4f, "");
    float x = 1.0f, y = 0.9f;
    p.a->MoveTo(&x, &y);
    EXPECT_FLOAT_EQ(0.0f, p.b->power);
}

TEST(CreatureRuntime, OverlappingBodiesArePushedApart) {
    Pair p(1.0f, 1.2f);
    float x = 1.1f, y = 0.9f;
    EXPECT_TRUE(p.a->MoveTo(&x, &y));
    EXPECT_FLOAT_EQ(1.2f - 0.1f - 0.1f, x);  // extents 0.25 - 0.15 each
    x = 1.3f;
    EXPECT_TRUE(p.a->MoveTo(&x, &y));
    EXPECT_FLOAT_EQ(1.4f, x);
    x = 0.5f;
    EXPECT_FALSE(p.a->MoveTo(&x, &y));
    EXPECT_FLOAT_EQ(0.5f, x);
}

TEST(CreatureRuntime, MirroredBoxesMatchTheMirroredScene) {
    Bicho* c = Fighter(1.0f, -1, "");
    // Facing -1: the body covers 1.0 - 0.1 .. 1.0 + 0.1, mirrored around x.
    EXPECT_TRUE(c->BodyOverlaps(0.8f, 0.7f, 0.9f, 0.8f));  // touching counts
    EXPECT_FALSE(c->BodyOverlaps(0.7f, 0.7f, 0.89f, 0.8f));
    Frame asymmetric = *c->currentFrame;
    asymmetric.bodyBox = Box{0.0f, 0.0f, 0.2f, 0.3f};  // 0.15 left, 0.05 right of the anchor
    ArenaBox right = PlaceBox(asymmetric.bodyBox, asymmetric, 1.0f, 0.9f, 1);
    ArenaBox left = PlaceBox(asymmetric.bodyBox, asymmetric, 1.0f, 0.9f, -1);
    EXPECT_FLOAT_EQ(0.85f, right.left);
    EXPECT_FLOAT_EQ(1.05f, right.right);
    EXPECT_FLOAT_EQ(0.95f, left.left);
    EXPECT_FLOAT_EQ(1.15f, left.right);
    FreeCreature(c);
}

TEST(CreatureRuntime, BodyGap) {
    Pair p(1.0f, 1.5f);
    EXPECT_NEAR(0.3f, p.a->BodyGap(), 1e-6);
    EXPECT_NEAR(0.3f, p.b->BodyGap(), 1e-6);
    p.b->x = 1.2f;
    EXPECT_FLOAT_EQ(0.0f, p.a->BodyGap());
}

TEST(CreatureRuntime, AboutFiveAfterimagesOverAFifthOfASecond) {
    Bicho* c = Fighter(1.0f, 1, "");
    GameSettings settings;
    c->settings = &settings;
    c->SetGhostTime(0.2f);
    int spawned = 0;
    const float dt = 0.01f;
    for (int i = 0; i < 80; ++i) {
        Ghost* before = c->ghostTrail->head;
        c->Update(0, dt);
        if (c->ghostTrail->head != before) ++spawned;
        c->Draw(0, 0, dt);
    }
    EXPECT_GE(spawned, 4);
    EXPECT_LE(spawned, 6);
    EXPECT_LE(c->ghostTime, 0.0f);
    EXPECT_EQ(nullptr, c->ghostTrail->head);  // 0.4 s later every one has faded
    FreeCreature(c);
}

std::vector<std::string> Lines(const std::string& text, const std::string& prefix) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    return found;
}

// Afterimages of frames that are deleted go with them; the others stay and
// are drawn.
TEST(CreatureRuntime, DeletingAFrameTakesItsAfterimagesAlong) {
    struct Case {
        bool wholeAnimation;
        int ghostsLeft;
    };
    for (Case k : {Case{false, 2}, Case{true, 1}}) {
        SCOPED_TRACE(k.wholeAnimation);
        Bicho* c = NewCreature();
        AddTestAnimation(c, "ANI_A", "", 2);
        AddTestAnimation(c, "ANI_B", "", 1);
        c->SetGhostTime(1.0f);
        // One afterimage per update: first and second frame of A, then B.
        c->SetAnimation("ANI_A");
        c->Update(0, 0.05f);
        c->NextFrame();
        c->Update(0, 0.05f);
        c->SetAnimation("ANI_B");
        c->Update(0, 0.05f);
        c->SetAnimation("ANI_A");
        if (k.wholeAnimation)
            c->DeleteCurrentAnimation();
        else
            c->DeleteCurrentFrame();
        int left = 0;
        Ghost** link = &c->ghostTrail->head;
        for (Ghost* g = *link; g; link = &g->next, g = g->next, ++left) {
            EXPECT_EQ(link, g->prev);
            bool alive = false;
            for (Anima* a = c->animations; a; a = a->next)
                for (Frame* f = a->firstFrame; f; f = f->next) alive = alive || f == g->frame;
            EXPECT_TRUE(alive);
        }
        EXPECT_EQ(k.ghostsLeft, left);
        ClearRendererCalls();
        c->Draw(0, 0, 0.01f);
        EXPECT_EQ(static_cast<size_t>(2 + k.ghostsLeft),
                  Lines(RendererCalls(), "DrawImage").size());  // shadow, ghosts, sprite
        FreeCreature(c);
    }
}

TEST(CreatureRuntime, TheSecondPlayerOfAMirrorMatchIsDarker) {
    Pair p(1.0f, 1.5f);
    p.a->SetName("RANA");
    p.b->SetName("RANA");
    p.a->SetTint(1.0f);
    p.b->SetTint(1.0f);
    p.b->SetPlayerNumber(2);
    ClearRendererCalls();
    p.b->Draw(0, 0, 0.01f);
    std::vector<std::string> draws = Lines(RendererCalls(), "DrawImage");
    ASSERT_EQ(2u, draws.size());  // shadow, sprite
    EXPECT_NE(std::string::npos, draws[0].find("1.000 1.000 1.000 0.400"));
    EXPECT_NE(std::string::npos, draws[1].find("0.500 0.500 0.500 1.000"));
    // Facing -1: the sprite is mirrored.
    EXPECT_NE(std::string::npos, draws[1].find("DrawImage 1.650 0.600 -0.300 0.300"));
    p.b->SetName("OTRA");
    ClearRendererCalls();
    p.b->Draw(0, 0, 0.01f);
    EXPECT_NE(std::string::npos,
              Lines(RendererCalls(), "DrawImage")[1].find("1.000 1.000 1.000 1.000"));
}

TEST(CreatureRuntime, HitFlashDrawsTenCopiesAndRunsOut) {
    Bicho* c = Fighter(1.0f, 1, "");
    c->StartHitFlash(0.05f);
    ClearRendererCalls();
    c->Draw(0, 0, 0.02f);
    EXPECT_EQ(22u, Lines(RendererCalls(), "DrawImage").size());
    c->Draw(0, 0, 0.04f);
    ClearRendererCalls();
    c->Draw(0, 0, 0.02f);
    EXPECT_EQ(2u, Lines(RendererCalls(), "DrawImage").size());
    FreeCreature(c);
}

TEST(CreatureRuntime, DrawBoxesShowsTheHitBoxOnlyWhileAttacking) {
    Bicho* c = Fighter(1.0f, 1, "");
    ClearRendererCalls();
    c->DrawBoxes(0, 0);
    size_t plain = Lines(RendererCalls(), "DrawFrame").size();
    EXPECT_EQ(1u + 5 + 1 + 1, plain);  // sprite, body and corners, two markers
    FreeString(c->currentAnimation->kind);
    c->currentAnimation->kind = CopyString("acciones");
    ClearRendererCalls();
    c->DrawBoxes(0, 0);
    EXPECT_EQ(plain + 5, Lines(RendererCalls(), "DrawFrame").size());
    // The hot spot, 0.05 ahead of the anchor, turns with the sprite.
    for (int facing : {1, -1}) {
        c->facing = facing;
        ClearRendererCalls();
        c->DrawBoxes(0, 0);
        float hotLeft = 0.0f;
        ASSERT_EQ(sscanf(Lines(RendererCalls(), "DrawFrame").back().c_str(), "DrawFrame %f", &hotLeft), 1);
        EXPECT_NEAR(hotLeft + 0.01f, 1.0f + 0.05f * facing, 1e-4f) << facing;
    }
    FreeCreature(c);
}

}  // namespace
