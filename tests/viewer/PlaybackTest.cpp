// Playing, pausing, stepping and choosing animations.
#include <gtest/gtest.h>

#include "sdk/Bicho.h"
#include "tools/viewer/Playback.h"

namespace {

class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        creature = CreateBicho();
        creature->Init(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        AddAnimation("ANI_A", 3, 0.1f);
        AddAnimation("ANI_B", 1, 0.2f);
        AddAnimation("ANI_C", 2, 0.05f);
        playback.SetCreature(creature);
        playback.Select("");
    }
    void TearDown() override {
        creature->Release();
        DestroyBicho(creature);
    }
    void AddAnimation(const char* name, int frames, float duration) {
        creature->AddAnimation(0, 0, 0, "base", name);
        for (int i = 0; i < frames; ++i)
            creature->AddFrame(0, 0, 0, 0, 0, 0.1f, 0.1f, 0, 0, 0.1f, 0.1f, 0, 0, 0, 0, 0, 0,
                               duration);
    }
    const char* Shown() { return creature->GetCurrentAnimation()->name; }

    Bicho* creature = nullptr;
    Playback playback;
};

TEST_F(PlaybackTest, StartsOnTheFirstAnimationAndLoopsItsFrames) {
    EXPECT_STREQ("ANI_A", Shown());
    EXPECT_EQ(1, creature->CurrentFrameIndex());
    EXPECT_EQ(1, playback.AnimationIndex());
    EXPECT_EQ(3, playback.AnimationCount());
    playback.Advance(0.09f);
    EXPECT_EQ(1, creature->CurrentFrameIndex());
    playback.Advance(0.02f);
    EXPECT_EQ(2, creature->CurrentFrameIndex());
    playback.Advance(0.1f);
    EXPECT_EQ(3, creature->CurrentFrameIndex());
    playback.Advance(0.1f);
    EXPECT_EQ(1, creature->CurrentFrameIndex());  // back to the start
    // A long frame time passes several frames at once.
    playback.Advance(0.2f);
    EXPECT_EQ(3, creature->CurrentFrameIndex());
}

TEST_F(PlaybackTest, PauseHoldsTheFrameAndStepMovesOneAtATime) {
    playback.TogglePause();
    playback.Advance(1.0f);
    EXPECT_EQ(1, creature->CurrentFrameIndex());
    playback.Step();
    EXPECT_EQ(2, creature->CurrentFrameIndex());
    playback.Step();
    playback.Step();
    EXPECT_EQ(1, creature->CurrentFrameIndex());
    EXPECT_TRUE(playback.Paused());
    playback.TogglePause();
    playback.Step();  // stepping pauses again
    EXPECT_TRUE(playback.Paused());
}

TEST_F(PlaybackTest, AnimationsWrapBothWays) {
    playback.NextAnimation();
    EXPECT_STREQ("ANI_B", Shown());
    EXPECT_EQ(2, playback.AnimationIndex());
    playback.NextAnimation();
    playback.NextAnimation();
    EXPECT_STREQ("ANI_A", Shown());
    playback.PreviousAnimation();
    EXPECT_STREQ("ANI_C", Shown());
    EXPECT_EQ(1, creature->CurrentFrameIndex());
    playback.PreviousAnimation();
    EXPECT_STREQ("ANI_B", Shown());
}

TEST_F(PlaybackTest, SelectKeepsAKnownNameAndFallsBackToTheFirst) {
    playback.Select("ANI_C");
    EXPECT_STREQ("ANI_C", Shown());
    playback.Select("ANI_GONE");
    EXPECT_STREQ("ANI_A", Shown());
}

TEST(PlaybackEmpty, ACreatureWithoutAnimationsOrFramesIsHarmless) {
    Bicho* creature = CreateBicho();
    creature->Init(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    Playback playback(creature);
    playback.Select("");
    playback.NextAnimation();
    playback.PreviousAnimation();
    playback.Step();
    playback.Advance(0.5f);
    EXPECT_EQ(0, playback.AnimationIndex());
    EXPECT_EQ(0, playback.AnimationCount());
    creature->AddAnimation(0, 0, 0, "base", "ANI_EMPTY");
    playback.Advance(0.5f);
    playback.Step();
    EXPECT_EQ(1, playback.AnimationCount());
    EXPECT_EQ(0, creature->CurrentFrameIndex());
    creature->Release();
    DestroyBicho(creature);
    Playback none;
    none.Advance(0.1f);
    none.NextAnimation();
    EXPECT_EQ(0, none.AnimationCount());
}

}  // namespace
