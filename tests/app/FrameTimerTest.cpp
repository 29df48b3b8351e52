#include "app/FrameTimer.h"

#include <gtest/gtest.h>

namespace {

// A counter the test moves by hand.
struct FakeCounter {
    static int64_t frequency;
    static bool hasCounter;
    static int64_t count;
    static uint32_t ms;
    static bool QueryFrequency(int64_t* f) {
        *f = frequency;
        return hasCounter;
    }
    static bool QueryCounter(int64_t* c) {
        *c = count;
        return hasCounter;
    }
    static uint32_t Milliseconds() { return ms; }
};
int64_t FakeCounter::frequency = 1000000;
bool FakeCounter::hasCounter = true;
int64_t FakeCounter::count = 0;
uint32_t FakeCounter::ms = 0;

const CounterSource kFake = {FakeCounter::QueryFrequency, FakeCounter::QueryCounter,
                             FakeCounter::Milliseconds};

class FrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeCounter::frequency = 1000000;
        FakeCounter::hasCounter = true;
        FakeCounter::count = 0;
        FakeCounter::ms = 0;
    }
};

TEST_F(FrameTimerTest, FrequencyIsShiftedToAtMostTwoMegahertz) {
    // The shift only sets the step size; `frequency` keeps the raw value.
    const struct {
        int64_t raw;
        uint32_t shift;
    } cases[] = {
        {1000000, 0},
        {2000000, 0},
        {2000001, 1},
        {1000000000, 9},      // 1 GHz: 1.95 MHz after the shift
        {int64_t(1) << 40, 20},  // upper bits set: shifted until they clear and below 2 MHz
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        FakeCounter::frequency = c.raw;
        FrameTimer timer(kFake);
        EXPECT_EQ(timer.usePerformanceCounter, 1);
        EXPECT_EQ(timer.frequency, c.raw);
        EXPECT_EQ(timer.shift, c.shift);
        EXPECT_DOUBLE_EQ(timer.secondsPerCount, 1.0 / double(c.raw >> c.shift));
    }
}

TEST_F(FrameTimerTest, MeasuresForwardStepsFromTheFirstUpdate) {
    FrameTimer timer(kFake);
    FakeCounter::count = 5000;
    timer.Update();
    EXPECT_EQ(timer.delta, 0.0);
    EXPECT_EQ(timer.updates, 1u);
    FakeCounter::count = 5000 + 16667;
    timer.Update();
    EXPECT_NEAR(timer.delta, 0.016667, 1e-9);
    EXPECT_NEAR(timer.now, 0.016667, 1e-9);
    EXPECT_EQ(timer.previous, timer.now);
    EXPECT_EQ(timer.updates, 2u);
}

TEST_F(FrameTimerTest, StillOrSlightlyBackwardCounterKeepsTheLastDelta) {
    FrameTimer timer(kFake);
    FakeCounter::count = 100000;
    timer.Update();
    FakeCounter::count = 120000;
    timer.Update();
    const double last = timer.delta;
    const double now = timer.now;
    timer.Update();  // same reading
    EXPECT_EQ(timer.delta, last);
    FakeCounter::count = 110000;  // back a little
    timer.Update();
    EXPECT_EQ(timer.delta, last);
    EXPECT_EQ(timer.now, now);
    EXPECT_EQ(timer.lastCount, 110000u);
    FakeCounter::count = 130000;  // measured from the step back
    timer.Update();
    EXPECT_NEAR(timer.delta, 0.02, 1e-12);
}

TEST_F(FrameTimerTest, ThirtyTwoBitWrapGivesASmallPositiveDelta) {
    FrameTimer timer(kFake);
    FakeCounter::count = 0xFFFFFF00LL;
    timer.Update();
    FakeCounter::count = 0x1000000A0LL;  // low 32 bits 0xA0: wrapped
    timer.Update();
    EXPECT_NEAR(timer.delta, 0x1A0 * 1e-6, 1e-12);

    // A large step back is taken as a wrap too.
    FrameTimer other(kFake);
    FakeCounter::count = 0x40000000LL;
    other.Update();
    FakeCounter::count = 0x10000000LL - 1;
    other.Update();
    EXPECT_NEAR(other.delta, (0x100000000LL - 0x30000001LL) * 1e-6, 1e-9);
}

TEST_F(FrameTimerTest, ShiftedCounterKeepsLowBitsOnly) {
    FakeCounter::frequency = 4000000;  // shift 1
    FrameTimer timer(kFake);
    ASSERT_EQ(timer.shift, 1u);
    FakeCounter::count = (int64_t(7) << 33) + 2000;
    timer.Update();
    EXPECT_EQ(timer.lastCount, 1000u);
    FakeCounter::count = (int64_t(7) << 33) + 4002000;
    timer.Update();
    EXPECT_NEAR(timer.delta, 1.0, 1e-6);
}

TEST_F(FrameTimerTest, LostAdditionsAreCountedAsStalls) {
    FrameTimer timer(kFake);
    timer.Update();
    timer.now = 1e12;  // a microsecond no longer changes `now`
    timer.previous = 1e12;
    for (int i = 1; i <= 100000; ++i) {
        FakeCounter::count = i;
        timer.Update();
    }
    EXPECT_EQ(timer.stallCount, 100000u);
    EXPECT_EQ(timer.now, 1e12);
    FakeCounter::count = 100001;
    timer.Update();
    EXPECT_EQ(timer.stallCount, 0u);
    EXPECT_EQ(timer.now, 1e12 + 1.0);
    EXPECT_EQ(timer.previous, timer.now);
}

TEST_F(FrameTimerTest, MillisecondClockWithoutCounter) {
    FakeCounter::hasCounter = false;
    FrameTimer timer(kFake);
    EXPECT_EQ(timer.usePerformanceCounter, 0);
    EXPECT_EQ(timer.secondsPerCount, 0.0010000000474974513);
    FakeCounter::ms = 1000;
    timer.Update();
    EXPECT_EQ(timer.delta, 0.0);
    EXPECT_DOUBLE_EQ(timer.now, 1000 * 0.0010000000474974513);
    FakeCounter::ms = 1016;
    timer.Update();
    EXPECT_NEAR(timer.delta, 0.016, 1e-6);
    timer.Update();
    EXPECT_EQ(timer.delta, 0.0);  // two frames in one millisecond
    EXPECT_EQ(timer.updates, 3u);
}

}  // namespace
