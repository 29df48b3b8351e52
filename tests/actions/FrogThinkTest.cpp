// The frog's computer player: the same frames give the same decisions.
#include <gtest/gtest.h>

#include "tests/actions/ActionTestSupport.h"

namespace {

const float kDt = 0.02f;

// The frog at 0.5 against a dummy without a behaviour library, first 0.5
// apart (30 calls), then body to body with 1 life of 10 (60 calls).
std::vector<int> ThinkSequence() {
    Arena arena;
    InstallBehaviour("Bichos/rana.so", "rana.so");
    WriteCreature("rana.qvl", FrogAnimations());
    WriteCreature("dummy.qvl", FrogAnimations());
    Bicho* frog = arena.Load("rana.qvl", 0.5f);
    Bicho* dummy = arena.Load("dummy.qvl", 1.2f);
    frog->SetOpponent(dummy);
    dummy->SetOpponent(frog);
    std::vector<int> flags;
    EXPECT_FLOAT_EQ(0.5f, frog->BodyGap());
    for (int i = 0; i < 30; ++i) flags.push_back(frog->Think(kDt));
    dummy->SetX(0.6f);
    frog->SetLife(1.0f);
    EXPECT_FLOAT_EQ(0.0f, frog->BodyGap());
    for (int i = 0; i < 60; ++i) flags.push_back(frog->Think(kDt));
    return flags;
}

TEST(FrogThink, AFreshGeneratorGivesTheSameFight) {
    // Init draws 41 (41 % 100 < 50: attack) and 18467 (first decision after
    // 18467 / 32767 x 0.1 = 0.056 s, the third call). That decision: 0.5 away,
    // so toward (8); 6334 % 100 = 34, no special attack; 26500 % 100 = 0 < 10
    // adds away and jump (4 | 1); 19169 and 15724 change nothing. 13 holds
    // up, left and right: facing +1 keeps walking right only.
    // Body to body the frog punches (0x20) at each decision until a draw
    // sends it fleeing: jump away (5), held between decisions; later it
    // attacks again.
    const std::vector<int> expected = {
        0, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 0, 0, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 0,
        0, 0, 32, 0, 0, 32, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0,
        0, 0, 5, 5, 5, 5, 5, 5, 0, 0, 0, 5, 5, 5, 5, 5, 5, 0, 0, 0, 32, 0, 0, 32, 0, 0, 0, 0, 0, 32,
    };
    EXPECT_EQ(expected, ThinkSequence());
    // The library was unloaded with the frog: a new one starts over.
    EXPECT_EQ(expected, ThinkSequence());
}

TEST(FrogThink, ActionsLastOneCallAndDecisionsComeEvery50Milliseconds) {
    const std::vector<int> flags = ThinkSequence();
    // Punches only on decision calls: three calls of 0.02 s apart at least.
    int last = -10;
    for (size_t i = 0; i < flags.size(); ++i) {
        if (!(flags[i] & 0x20)) continue;
        EXPECT_GE(static_cast<int>(i) - last, 3) << "call " << i;
        last = static_cast<int>(i);
    }
    EXPECT_GT(last, 0);
}

}  // namespace
