#pragma once
// The frame clock: the length of the last frame in seconds.
#include <cstdint>

// Where the clock reads time; the platform's by default, replaceable in
// tests so stalls, steps back and wraps can be played.
struct CounterSource {
    bool (*queryFrequency)(int64_t* frequency);
    bool (*queryCounter)(int64_t* count);
    uint32_t (*milliseconds)();
};

extern const CounterSource kPlatformCounter;

class FrameTimer {
public:
    explicit FrameTimer(const CounterSource& source = kPlatformCounter);
    void Update();

    double now;
    double previous;
    double delta;  // last frame's length
    uint32_t updates;
    int64_t frequency;  // counts per second as the counter reports them, unshifted
    double secondsPerCount;
    uint32_t shift;
    uint8_t usePerformanceCounter;
    uint32_t lastCount;
    uint32_t stallCount;

private:
    const CounterSource* source_;
};
