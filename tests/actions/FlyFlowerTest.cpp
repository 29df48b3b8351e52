// The stage's fly and flower, driven as actors (UpdateAlone).
#include <gtest/gtest.h>

#include "creature/ActionLibrary.h"
#include "sdk/InterfazAcciones.h"
#include "tests/actions/ActionTestSupport.h"

namespace {

const float kDt = 0.1f;

TEST(Fly, WithoutAnOpponentItStaysWhereItIs) {
    Arena arena;
    InstallBehaviour("Bichos/mosca.so", "mosca.so");
    WriteCreature("mosca.qvl", {{"ANI_BASE1", 2, 0.05f}});
    Bicho* fly = arena.Load("mosca.qvl", 0.7f);
    fly->SetY(0.3f);
    for (int i = 0; i < 10; ++i) fly->UpdateAlone(0, kDt);
    EXPECT_FLOAT_EQ(0.7f, fly->GetX());
    EXPECT_FLOAT_EQ(0.3f, fly->GetY());
    EXPECT_EQ("ANI_BASE1", Current(fly));
}

// A fly at x 0 that follows a fighter standing at x 1.
struct FollowingFly {
    Arena arena;
    Bicho* fly = nullptr;
    Bicho* fighter = nullptr;
    FollowingFly() {
        InstallBehaviour("Bichos/mosca.so", "mosca.so");
        WriteCreature("mosca.qvl", {{"ANI_BASE1", 2, 0.05f}});
        WriteCreature("dummy.qvl", FrogAnimations());
        fly = arena.Load("mosca.qvl", 0.0f);
        fighter = arena.Load("dummy.qvl", 1.0f);
        fly->SetOpponent(fighter);
    }
};

TEST(Fly, FollowsItsFighterAndLeavesUpwardsWhenItHasLost) {
    FollowingFly f;
    Bicho* fly = f.fly;
    Bicho* fighter = f.fighter;
    // Its centre starts at (0, 0) and drifts 0.6 a second each way.
    for (int i = 0; i < 10; ++i) fly->UpdateAlone(0, kDt);
    EXPECT_NEAR(0.6f, fly->GetX(), 0.11f);
    EXPECT_NEAR(0.6f - 0.1f, fly->GetY(), 0.11f);
    for (int i = 0; i < 20; ++i) fly->UpdateAlone(0, kDt);
    EXPECT_NEAR(1.0f, fly->GetX(), 0.17f);
    EXPECT_NEAR(0.9f - 0.1f, fly->GetY(), 0.17f);
    fighter->SetLife(0.0f);
    float previous = fly->GetY();
    for (int i = 0; i < 20; ++i) fly->UpdateAlone(0, kDt);
    EXPECT_LT(fly->GetY(), previous - 0.8f);
    for (int i = 0; i < 30; ++i) fly->UpdateAlone(0, kDt);
    EXPECT_LE(fly->GetY(), 0.0f);  // out of sight above the screen
    EXPECT_NEAR(1.0f, fly->GetX(), 0.17f);
    // With flags it jumps straight onto the fighter.
    fighter->SetX(2.0f);
    fly->UpdateAlone(1, kDt);
    EXPECT_NEAR(2.0f, fly->GetX(), 0.1f + 1e-5);
    EXPECT_NEAR(0.9f - 0.1f, fly->GetY(), 0.1f + 1e-5);
}

TEST(Fly, ResetCentresItAUnitAboveWhereItIs) {
    Arena arena;
    InstallBehaviour("Bichos/mosca.so", "mosca.so");
    WriteCreature("mosca.qvl", {{"ANI_BASE1", 2, 0.05f}});
    WriteCreature("dummy.qvl", FrogAnimations());
    Bicho* fly = arena.Load("mosca.qvl", 0.4f);
    Bicho* fighter = arena.Load("dummy.qvl", 0.4f);
    fly->SetOpponent(fighter);
    fly->SetY(1.5f);
    fly->Reset();
    fly->UpdateAlone(0, 0.0f);  // no time: the centre stays
    EXPECT_NEAR(0.4f, fly->GetX(), 0.1f + 1e-5);
    EXPECT_NEAR(1.5f - 1.0f - 0.1f, fly->GetY(), 0.1f + 1e-5);
}

class Flower : public ::testing::Test {
protected:
    void SetUp() override {
        InstallBehaviour("Bichos/flor.so", "flor.so");
        WriteCreature("flor.qvl", {{"ANI_BASE1", 2, 0.1f},
                                   {"ANI_LOSEFULL", 3, 0.1f},
                                   {"ANI_WINFULL", 2, 0.1f}});
        WriteCreature("dummy.qvl", FrogAnimations());
        flower = arena.Load("flor.qvl", 1.0f);
        player1 = arena.Load("dummy.qvl", 0.5f);
        player2 = arena.Load("dummy.qvl", 1.5f);
        player1->SetOpponent(player2);
        player2->SetOpponent(player1);
        flower->SetOpponent(player2);
    }
    void Play(int frames) {
        for (int i = 0; i < frames; ++i) flower->UpdateAlone(0, 0.05f);
    }

    Arena arena;
    Bicho* flower = nullptr;
    Bicho* player1 = nullptr;
    Bicho* player2 = nullptr;
};

TEST_F(Flower, SwaysWhileTheFightGoesOn) {
    Play(20);
    EXPECT_EQ("ANI_BASE1", Current(flower));
}

TEST_F(Flower, HoldsLoseFullOnItsLastFrameOnceItsFighterHasLost) {
    player2->SetLife(0.0f);
    Play(8);  // the two frames of ANI_BASE1 end first
    EXPECT_EQ("ANI_LOSEFULL", Current(flower));
    Play(40);
    EXPECT_EQ("ANI_LOSEFULL", Current(flower));
    EXPECT_EQ(3, flower->CurrentFrameIndex());
    player2->SetLife(10.0f);  // even a new round does not lift it
    Play(10);
    EXPECT_EQ(3, flower->CurrentFrameIndex());
}

TEST_F(Flower, LoopsWinFullOnceTheOtherFighterHasLost) {
    player1->SetLife(0.0f);
    Play(8);  // the two frames of ANI_BASE1 end first
    ASSERT_EQ("ANI_WINFULL", Current(flower));
    bool sawFirst = false, sawSecond = false, restarted = false;
    for (int i = 0; i < 20; ++i) {
        Play(1);
        EXPECT_EQ("ANI_WINFULL", Current(flower));
        const int frame = flower->CurrentFrameIndex();
        if (frame == 2) sawSecond = true;
        if (frame == 1 && sawSecond) restarted = true;
        sawFirst = sawFirst || frame == 1;
    }
    EXPECT_TRUE(sawFirst && sawSecond && restarted);
}

// The behaviours' private state, as a snapshot of a fight takes and puts it
// back: a fly restored with its creature flies the same path again.
TEST(BehaviourState, RestoredStateRepeatsTheSameFramesAndWrongSizesAreRefused) {
    FollowingFly f;
    Bicho* fly = f.fly;
    for (int i = 0; i < 5; ++i) fly->UpdateAlone(0, kDt);

    const ActionStateOperations* state = ActionLibraryState(fly->action);
    ASSERT_NE(state, nullptr);
    std::vector<unsigned char> saved(static_cast<size_t>(state->size(fly->action)));
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(state->save(fly->action, saved.data(), static_cast<int>(saved.size()) - 1), -1);
    ASSERT_EQ(state->save(fly->action, saved.data(), static_cast<int>(saved.size())), 0);
    const float x = fly->GetX(), y = fly->GetY();
    auto flight = [&] {
        std::vector<float> path;
        for (int i = 0; i < 10; ++i) {
            fly->UpdateAlone(0, kDt);
            path.insert(path.end(), {fly->GetX(), fly->GetY()});
        }
        return path;
    };
    const std::vector<float> first = flight();
    EXPECT_EQ(state->restore(fly->action, saved.data(), static_cast<int>(saved.size()) + 1), -1);
    fly->SetX(x);
    fly->SetY(y);
    EXPECT_NE(flight(), first) << "the fly's own state matters";
    fly->SetX(x);
    fly->SetY(y);
    ASSERT_EQ(state->restore(fly->action, saved.data(), static_cast<int>(saved.size())), 0);
    EXPECT_EQ(flight(), first);
}

}  // namespace
