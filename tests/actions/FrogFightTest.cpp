// The frog's moves in a fight, driven through Bicho::Update.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/actions/ActionTestSupport.h"

namespace {

const float kDt = 0.02f;

class FrogFight : public ::testing::Test {
protected:
    void SetUp() override {
        InstallBehaviour("Bichos/rana.so", "rana.so");
        WriteCreature("rana.qvl", FrogAnimations());
        WriteCreature("dummy.qvl", FrogAnimations());
        frog = arena.Load("rana.qvl", 0.5f, &sound);
        dummy = arena.Load("dummy.qvl", 1.15f);
        frog->SetOpponent(dummy);
        dummy->SetOpponent(frog);
    }

    RecordingSonido sound;  // outlives the creatures that use it
    Arena arena;
    Bicho* frog = nullptr;
    Bicho* dummy = nullptr;
};

TEST_F(FrogFight, WalksBothWaysAndStopsWhenTheKeyIsLet_go) {
    UpdateFrames(frog, 0x8, kDt, 10);
    EXPECT_EQ("ANI_RIGHT", Current(frog));
    EXPECT_NEAR(0.6f, frog->GetX(), 1e-4);
    UpdateFrames(frog, 0x4, kDt, 4);
    EXPECT_EQ("ANI_RIGHT", Current(frog));
    EXPECT_NEAR(0.56f, frog->GetX(), 1e-4);
    UpdateFrames(frog, 0, kDt, 1);
    EXPECT_EQ("ANI_BASE1", Current(frog));
    EXPECT_NEAR(0.56f, frog->GetX(), 1e-4);
    EXPECT_FLOAT_EQ(0.9f, frog->GetY());
}

TEST_F(FrogFight, JumpsForwardFallsAndLandsOnTheGround) {
    frog->Update(0x1 | 0x8, kDt);
    EXPECT_FLOAT_EQ(-3.5f, frog->GetVelocityY());
    EXPECT_FLOAT_EQ(0.6f, frog->GetVelocityX());
    const float takeOff = frog->GetX();
    frog->Update(0, kDt);
    EXPECT_NEAR(0.9f - 3.5f * kDt, frog->GetY(), 1e-5);
    EXPECT_NEAR(-3.5f + 9.8f * kDt, frog->GetVelocityY(), 1e-5);
    float highest = frog->GetY();
    int frames = 1;
    // Keys in the air change nothing.
    while (frog->IsMoving() && frames < 200) {
        frog->Update(0x4 | 0x1, kDt);
        highest = std::min(highest, frog->GetY());
        ++frames;
    }
    // About 2 x 3.5 / 9.8 s in the air, 3.5^2 / (2 x 9.8) high plus the
    // 3.5 x dt / 2 that moving before falling adds.
    EXPECT_NEAR(0.714f / kDt, frames, 3);
    EXPECT_NEAR(0.9f - 0.625f - 0.035f, highest, 0.01f);
    EXPECT_FLOAT_EQ(0.9f, frog->GetY());
    EXPECT_FLOAT_EQ(0.0f, frog->GetVelocityX());
    EXPECT_NEAR(takeOff + 0.6f * frames * kDt, frog->GetX(), 0.02f);
}

TEST_F(FrogFight, PunchesWithASwishAndStandsAgainAfterwards) {
    frog->Update(0x20, kDt);
    EXPECT_EQ("ANI_PUNCH1", Current(frog));
    EXPECT_EQ(1, sound.Count("PlaySample 7"));  // the swish, loaded first
    frog->Update(0x20, kDt);                     // not free: no new punch
    EXPECT_EQ(1, sound.Count("PlaySample 7"));
    UpdateFrames(frog, 0, kDt, 8);                        // 3 frames of 0.05 s
    EXPECT_EQ("ANI_BASE1", Current(frog));
    EXPECT_FALSE(frog->GetHitLanded());
}

TEST_F(FrogFight, PunchesSilentlyWithoutASoundObject) {
    Bicho* mute = arena.Load("rana.qvl", 2.0f);
    mute->SetOpponent(dummy);
    mute->Update(0x20, kDt);
    EXPECT_EQ("ANI_PUNCH1", Current(mute));
    mute->sound = &sound;  // appears later: still no samples of its own
    mute->Update(0, kDt);
    arena.Release(mute);
    EXPECT_EQ(0, sound.Count("PlaySample 7"));
    EXPECT_EQ(2, sound.Count("LoadSample sonido\\fiu.wav") +
                     sound.Count("LoadSample sonido\\GOLPEARMADUR33.wav"));
    EXPECT_EQ(0, sound.Count("FreeSample 7"));
}

TEST_F(FrogFight, DashesTowardTheOpponentFor04SecondsLeavingAfterimages) {
    frog->Update(0x800, kDt);
    EXPECT_EQ(0x800, frog->GetSpecialMove());
    EXPECT_EQ(1, frog->GetSpecialDirection());
    EXPECT_FLOAT_EQ(0.4f, frog->GetSpecialTime());
    EXPECT_FLOAT_EQ(0.4f, frog->GetGhostTime());
    const float start = frog->GetX();
    UpdateFrames(frog, 0x20 | 0x1, kDt, 10);  // keys are ignored during the dash
    EXPECT_NEAR(start + 10 * kDt * 0.8f, frog->GetX(), 1e-4);
    EXPECT_NEAR(0.2f, frog->GetSpecialTime(), 1e-4);
    EXPECT_EQ("ANI_BASE1", Current(frog));
    EXPECT_FALSE(frog->IsMoving());
    ASSERT_NE(nullptr, frog->ghostTrail);
    EXPECT_NE(nullptr, frog->ghostTrail->head);
    UpdateFrames(frog, 0, kDt, 15);
    EXPECT_EQ(0, frog->GetSpecialMove());
    EXPECT_EQ(0, frog->GetSpecialDirection());
    EXPECT_NEAR(0.32f, frog->GetX() - start, 0.02f);
}

TEST_F(FrogFight, DashesLeftAtAnOpponentOnTheLeft) {
    dummy->SetX(0.4f);
    frog->SetX(1.0f);
    frog->Update(0x800, kDt);
    EXPECT_EQ(-1, frog->GetSpecialDirection());
    UpdateFrames(frog, 0, kDt, 5);
    EXPECT_NEAR(1.0f - 5 * kDt * 0.8f, frog->GetX(), 1e-4);
}

TEST_F(FrogFight, SpecialAttackThrowsAShellWithARingThenPlaysTheCombo) {
    frog->Update(0x400, kDt);
    EXPECT_EQ("ANI_COMBO1", Current(frog));
    const Particula* ring = arena.particles.FrontList();
    ASSERT_NE(nullptr, ring);
    const Particula* shell = ring->next;
    ASSERT_NE(nullptr, shell);
    EXPECT_EQ(2, Particulas::CountList(arena.particles.FrontList()));
    EXPECT_EQ(kParticleShell, shell->kind);
    EXPECT_FLOAT_EQ(0.6f, shell->x);
    EXPECT_FLOAT_EQ(0.75f, shell->y);
    EXPECT_FLOAT_EQ(0.03f, shell->vx);
    EXPECT_FLOAT_EQ(0.0f, shell->vy);
    EXPECT_FLOAT_EQ(0.15f, shell->w);
    EXPECT_FLOAT_EQ(0.15f, shell->h);
    EXPECT_FLOAT_EQ(1.0f, shell->lifeTotal);
    EXPECT_EQ(frog, shell->owner);
    EXPECT_EQ(kParticleRing, ring->kind);
    EXPECT_FLOAT_EQ(0.5f, ring->x);
    EXPECT_FLOAT_EQ(0.75f, ring->y);
    EXPECT_FLOAT_EQ(0.02f, ring->vx);
    EXPECT_FLOAT_EQ(0.02f, ring->vy);
    EXPECT_FLOAT_EQ(0.01f, ring->w);
    EXPECT_FLOAT_EQ(0.01f, ring->h);
    EXPECT_FLOAT_EQ(1.0f, ring->lifeTotal);
    EXPECT_EQ(frog, ring->owner);
    // Not again while the combo plays.
    frog->Update(0x400, kDt);
    EXPECT_EQ(2, Particulas::CountList(arena.particles.FrontList()));
}

TEST_F(FrogFight, SpecialAttackFacingLeftThrowsTheShellLeft) {
    frog->SetFacing(-1);
    frog->Update(0x400, kDt);
    const Particula* shell = arena.particles.FrontList()->next;
    EXPECT_FLOAT_EQ(0.4f, shell->x);
    EXPECT_FLOAT_EQ(-0.03f, shell->vx);
}

TEST_F(FrogFight, NoSpecialMoveInTheAir) {
    frog->Update(0x1, kDt);
    frog->Update(0x400 | 0x800, kDt);
    EXPECT_EQ(0, frog->GetSpecialMove());
    EXPECT_EQ(nullptr, arena.particles.FrontList());
    EXPECT_EQ("ANI_BASE1", Current(frog));
}

TEST_F(FrogFight, CrouchHoldsItsLastFrameUntilReleased) {
    frog->Update(0x2, kDt);
    EXPECT_EQ("ANI_DOWN", Current(frog));
    UpdateFrames(frog, 0x2, kDt, 30);
    EXPECT_EQ("ANI_DOWN", Current(frog));
    EXPECT_EQ(3, frog->CurrentFrameIndex());
    UpdateFrames(frog, 0, kDt, 3);  // the last frame ends again within 0.05 s
    EXPECT_EQ("ANI_BASE1", Current(frog));
}

TEST_F(FrogFight, Kick3StartsTwoSecondsOfSlowMotionOnlyWhenNoneRuns) {
    frog->Update(0x100, kDt);
    EXPECT_FLOAT_EQ(2.0f, arena.settings.slowMotionTime);
    arena.settings.slowMotionTime = 0.5f;
    frog->Update(0x100, kDt);
    EXPECT_FLOAT_EQ(0.5f, arena.settings.slowMotionTime);
    arena.settings.slowMotionTime = 0.0f;
    frog->Update(0x20, kDt);
    frog->Update(0x100, kDt);  // punching: not free
    EXPECT_FLOAT_EQ(0.0f, arena.settings.slowMotionTime);
}

TEST_F(FrogFight, TurnsToFaceTheOpponentWhenAnAnimationEnds) {
    dummy->SetX(0.2f);
    frog->SetX(0.9f);
    EXPECT_EQ(1, frog->GetFacing());
    UpdateFrames(frog, 0, kDt, 15);  // two frames of 0.1 s
    EXPECT_EQ(-1, frog->GetFacing());
}

}  // namespace
