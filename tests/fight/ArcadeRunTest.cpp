// The arcade run's ladder: who is left to beat, the score, and what survives
// a new selection.
#include <climits>
#include <gtest/gtest.h>

#include "fight/GestionJuego.h"

namespace {

GestionJuego LadderOf(std::initializer_list<const char*> names) {
    GestionJuego run;
    for (const char* name : names) run.AddCharacter(name);
    return run;
}

TEST(ArcadeRun, StartLeavesEveryOpponentButThePlayer) {
    GestionJuego run = LadderOf({"RANA", "POLLO", "rana", "POLLO", "TRUVA"});
    EXPECT_FALSE(run.IsActive());
    run.AddScore(70);
    run.Start("POLLO");
    EXPECT_TRUE(run.IsActive());
    EXPECT_EQ(run.Score(), 0);
    EXPECT_STREQ(run.PlayerName(), "POLLO");
    EXPECT_EQ(run.Count(), 3);  // both POLLO entries went
    EXPECT_FALSE(run.Contains("POLLO"));
    EXPECT_TRUE(run.Contains("rana"));

    run.Remove("RANA");  // byte-wise: "rana" stays
    EXPECT_FALSE(run.Contains("RANA"));
    EXPECT_TRUE(run.Contains("rana"));
    EXPECT_EQ(run.AddScore(1500), 1500);
    EXPECT_EQ(run.AddScore(250), 1750);
    EXPECT_EQ(run.AddScore(INT_MAX), INT_MAX);  // sticks at the top, never wraps
    EXPECT_EQ(run.AddScore(-INT_MAX), 0);
    run.Remove(nullptr);
    EXPECT_FALSE(run.Contains(nullptr));
    EXPECT_EQ(run.Count(), 2);
}

TEST(ArcadeRun, ResetEndsTheRunAndOnlyTheStartUpClearEndsItToo) {
    GestionJuego run = LadderOf({"A", "B"});
    run.Start("A");
    run.AddScore(10);
    run.ClearCharacters();  // a new selection screen: the run goes on
    EXPECT_TRUE(run.IsActive());
    EXPECT_EQ(run.Count(), 1);
    run.ClearCharacters(true);
    EXPECT_FALSE(run.IsActive());

    run.Start("A");  // no characters any more: nobody to beat
    EXPECT_EQ(run.Count(), 0);
    run.AddScore(5);
    run.Reset();
    EXPECT_FALSE(run.IsActive());
    EXPECT_EQ(run.Score(), 0);
    EXPECT_EQ(run.Count(), 0);
}

}  // namespace
