// What a fight frame shows on the marker: clock, life fills, round numbers
// and the arcade score.
#include <algorithm>
#include <cmath>

#include "tests/fight/FightSupport.h"

namespace {

const char kDigits[] = "bmp\\numerosb.bmp";
const char kBar[] = "bmp\\barra3.bmp";

// The digit drawn at (x, y), or -1.
int DigitAt(const std::vector<RendererCall>& parts, float x, float y) {
    for (const RendererCall& p : parts)
        if (p.x() == x && p.y() == y) return static_cast<int>(p.v0() * 4.0f + 0.5f) * 4 +
                                          static_cast<int>(p.u0() * 4.0f + 0.5f);
    return -1;
}

struct ClockCase {
    bool unlimited;
    float clock;
    int tens, ones;
};

TEST_F(FightTest, TheClockShowsWholeSecondsOrTheUnlimitedSign) {
    const ClockCase cases[] = {
        {false, 125.7f, 2, 5}, {false, 9.99f, 0, 9}, {false, 0.0f, 0, 0}, {true, 125.7f, -1, -1},
    };
    settings.roundTime = 1000.0f;
    Load();
    for (const ClockCase& c : cases) {
        SCOPED_TRACE(c.clock);
        settings.unlimitedTime = c.unlimited;
        fight.display.roundClock = c.clock;
        renderer.Forget();
        Frame(0.0f);
        const std::vector<RendererCall> digits = PartsOf(renderer, kDigits);
        EXPECT_EQ(DigitAt(digits, 0.41f, 0.01f), c.tens);
        EXPECT_EQ(DigitAt(digits, 0.48f, 0.01f), c.ones);
        bool sign = false;
        for (const RendererCall& p : digits)
            sign |= p.x() == 0.42f && p.y() == 0.01f && p.v0() == 0.75f && p.u1() == 0.5f;
        EXPECT_EQ(sign, c.unlimited);
    }
}

TEST_F(FightTest, LifeFillsNeverDropBelowAQuarter) {
    const float lives[][2] = {{10.0f, 10.0f}, {0.0f, 5.0f}, {-3.0f, 0.0f}};
    Load();
    for (const auto& life : lives) {
        SCOPED_TRACE(std::to_string(life[0]) + " " + std::to_string(life[1]));
        SetLives(life[0], life[1]);
        renderer.Forget();
        Frame(0.0f);
        std::vector<float> widths;
        for (const RendererCall& p : PartsOf(renderer, kBar))
            if (p.v0() == 0.25f) widths.push_back(p.w());
        ASSERT_EQ(widths.size(), 2u);
        for (int i = 0; i < 2; ++i) {
            const float f = std::max(0.25f, 0.25f + 0.75f * life[i] / 10.0f);
            EXPECT_FLOAT_EQ(widths[i], (i == 0 ? 1.0f : -1.0f) * f * 0.43f);
        }
    }
}

TEST_F(FightTest, TheRoundNumberCountsRoundsWonAndWrapsAfterNine) {
    const int cases[][3] = {{0, 0, 1}, {1, 1, 3}, {4, 4, 9}, {5, 4, 0}, {9, 3, 3}};
    settings.roundsToWin = 20;
    Load();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c[0]) + "-" + std::to_string(c[1]));
        F(0).SetRoundsWon(c[0]);
        F(1).SetRoundsWon(c[1]);
        fight.display.roundAge = 2.0f;
        renderer.Forget();
        Frame(0.0f);
        int shown = -1;
        for (const RendererCall& p : PartsOf(renderer, kDigits))
            if (std::abs(p.y() + p.h() / 2.0f - 0.6f) < 1e-5f)
                shown = static_cast<int>(p.v0() * 4.0f + 0.5f) * 4 + static_cast<int>(p.u0() * 4.0f + 0.5f);
        EXPECT_EQ(shown, c[2]);
        EXPECT_TRUE(renderer.Shows("ROUND"));
    }
}

TEST_F(FightTest, TheScoreLineShowsOnlyInAnArcadeRun) {
    const struct {
        bool arcade;
        int score;
        const char* shown;
    } cases[] = {{true, 1234, "0001234"}, {true, 0, "0000000"}, {false, 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        if (c.arcade) {
            run.Start("UNO");
            run.AddScore(c.score);
        }
        Load();
        renderer.Forget();
        Frame();
        std::string line;
        for (const RendererCall& t : renderer.Named("DrawText"))
            if (t.x() == 0.0f && t.y() == 0.0f) line = t.text;
        EXPECT_EQ(line, c.shown);
        run.Reset();
    }
}

}  // namespace
