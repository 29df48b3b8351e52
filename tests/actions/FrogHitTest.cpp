// The frog being hit: blood, the hit animation, lives, the guard of the
// crouch and the dying fall; its samples live from Init to Stop.
#include <gtest/gtest.h>

#include "tests/actions/ActionTestSupport.h"

namespace {

const float kDt = 0.02f;

class FrogHit : public ::testing::Test {
protected:
    void SetUp() override {
        InstallBehaviour("Bichos/rana.so", "rana.so");
        WriteCreature("rana.qvl", FrogAnimations());
        attacker = arena.Load("rana.qvl", 0.5f);
        frog = arena.Load("rana.qvl", 0.75f, &sound);
        frog->SetFacing(-1);
        attacker->SetOpponent(frog);
        frog->SetOpponent(attacker);
    }

    int Drops() const { return Particulas::CountList(arena.particles.BleedingList()); }

    RecordingSonido sound;  // outlives the creatures that use it
    Arena arena;
    Bicho* attacker = nullptr;
    Bicho* frog = nullptr;
};

TEST_F(FrogHit, AHitBleedsFiftyDropsForASecondAndCostsOneLife) {
    frog->ReceiveHit(0x20);
    EXPECT_FLOAT_EQ(9.0f, frog->GetLife());
    EXPECT_EQ("ANI_PUNCH1_OUCH", Current(frog));
    EXPECT_FLOAT_EQ(0.1f, frog->GetFrameTimer());
    ASSERT_EQ(50, Drops());
    for (const Particula* p = arena.particles.BleedingList(); p; p = p->next) {
        EXPECT_FLOAT_EQ(1.0f, p->lifeLeft);
        EXPECT_EQ(frog, p->owner);
    }
    EXPECT_EQ(1, sound.Count("PlaySample 8"));  // the thump, loaded second
}

TEST_F(FrogHit, NoLossWhileAlreadyHitOrCrouching) {
    frog->ReceiveHit(0x20);
    frog->ReceiveHit(0x20);
    EXPECT_FLOAT_EQ(9.0f, frog->GetLife());
    EXPECT_EQ(50, Drops());
    UpdateFrames(frog, 0, kDt, 12);  // the hit animation ends
    EXPECT_EQ("ANI_BASE1", Current(frog));
    frog->Update(0x2, kDt);
    ASSERT_EQ("ANI_DOWN", Current(frog));
    frog->ReceiveHit(0x20);
    EXPECT_FLOAT_EQ(9.0f, frog->GetLife());
    EXPECT_EQ(1, sound.Count("PlaySample 8"));
}

TEST_F(FrogHit, TheKillingHitThrowsItBackInSlowMotionWithATrail) {
    frog->SetLife(1.0f);
    frog->ReceiveHit(0x20);
    EXPECT_FLOAT_EQ(0.0f, frog->GetLife());
    EXPECT_EQ("ANI_LOSEFULL", Current(frog));
    EXPECT_FLOAT_EQ(5.0f, arena.settings.slowMotionTime);
    EXPECT_FLOAT_EQ(2.0f, frog->GetGhostTime());
    EXPECT_FLOAT_EQ(-2.0f, frog->GetVelocityY());
    EXPECT_FLOAT_EQ(0.8f, frog->GetVelocityX());  // faces left: thrown right
    // A dead frog takes no more hits.
    frog->ReceiveHit(0x20);
    EXPECT_FLOAT_EQ(0.0f, frog->GetLife());
    EXPECT_EQ(50, Drops());
    // It falls back to the ground, away from the attacker, and stays down.
    const float x = frog->GetX();
    UpdateFrames(frog, 0x20 | 0x1, kDt, 60);
    EXPECT_FALSE(frog->IsMoving());
    EXPECT_FLOAT_EQ(0.9f, frog->GetY());
    EXPECT_GT(frog->GetX(), x + 0.1f);
    EXPECT_EQ("ANI_LOSEFULL", Current(frog));
}

TEST_F(FrogHit, FacingRightItIsThrownLeft) {
    attacker->SetLife(1.0f);
    attacker->ReceiveHit(0);
    EXPECT_FLOAT_EQ(-0.8f, attacker->GetVelocityX());
}

TEST_F(FrogHit, APunchThatReachesTheBodyLandsOnce) {
    attacker->Update(0x20, kDt);
    ASSERT_EQ("ANI_PUNCH1", Current(attacker));
    EXPECT_TRUE(attacker->GetHitLanded());
    EXPECT_FLOAT_EQ(9.0f, frog->GetLife());
    UpdateFrames(attacker, 0, kDt, 5);
    EXPECT_FLOAT_EQ(9.0f, frog->GetLife());
    EXPECT_GT(Drops(), 0);
}

TEST_F(FrogHit, SamplesAreLoadedAtInitAndFreedAtStopWithASoundObject) {
    ASSERT_EQ(2u, sound.calls.size());
    EXPECT_EQ("LoadSample sonido\\fiu.wav", sound.calls[0]);
    EXPECT_EQ("LoadSample sonido\\GOLPEARMADUR33.wav", sound.calls[1]);
    arena.Release(frog);
    EXPECT_EQ(1, sound.Count("FreeSample 7"));
    EXPECT_EQ(1, sound.Count("FreeSample 8"));
    EXPECT_EQ(4u, sound.calls.size());
}

TEST_F(FrogHit, TheSpectatorCowersWhenItsFighterLosesAndCheersWhenItWins) {
    WriteCreature("fan.qvl", FrogAnimations());
    InstallBehaviour("Bichos/rana.so", "fan.so");
    Bicho* fan = arena.Load("fan.qvl", 1.5f);
    fan->UpdateAlone(0, 0.25f);  // no fighter: stands
    EXPECT_EQ("ANI_BASE1", Current(fan));
    fan->SetOpponent(frog);
    attacker->SetLife(0.0f);
    for (int i = 0; i < 6; ++i) fan->UpdateAlone(0, 0.11f);
    EXPECT_EQ("ANI_PUNCH1", Current(fan));
    attacker->SetLife(10.0f);
    frog->SetLife(0.0f);
    for (int i = 0; i < 6; ++i) fan->UpdateAlone(0, 0.11f);
    EXPECT_EQ("ANI_DOWN", Current(fan));
    frog->SetLife(10.0f);
    for (int i = 0; i < 10; ++i) fan->UpdateAlone(0, 0.11f);
    EXPECT_EQ("ANI_DOWN", Current(fan));  // holds its last frame
    EXPECT_EQ(3, fan->CurrentFrameIndex());
}

}  // namespace
