#include "app/FrameTimer.h"

#include "base/Clock.h"

const CounterSource kPlatformCounter = {PlatformQueryPerformanceFrequency,
                                        PlatformQueryPerformanceCounter, PlatformTickCount};

namespace {
const uint32_t kSmallStepBack = 1u << 28;
const uint32_t kStallLimit = 100000;
const int64_t kMaxFrequency = 2000000;
}  // namespace

FrameTimer::FrameTimer(const CounterSource& source)
    : now(0.0),
      previous(0.0),
      delta(0.0),
      updates(0),
      frequency(0),
      secondsPerCount(0.0),
      shift(0),
      usePerformanceCounter(0),
      lastCount(0),
      stallCount(0),
      source_(&source) {
    int64_t f = 0;
    if (!source_->queryFrequency(&f) || f <= 0) {
        usePerformanceCounter = 0;
        secondsPerCount = static_cast<double>(0.001f);
        return;
    }
    usePerformanceCounter = 1;
    // The field keeps what the counter reports; only the step size below
    // uses the shifted value.
    frequency = f;
    shift = 0;
    // Work at no more than 2 MHz so the count fits 32 bits comfortably.
    while ((static_cast<uint64_t>(f) >> 32) != 0 || f > kMaxFrequency) {
        f >>= 1;
        ++shift;
    }
    secondsPerCount = 1.0 / static_cast<double>(f);
}

void FrameTimer::Update() {
    if (!usePerformanceCounter) {
        double ms = static_cast<double>(source_->milliseconds());
        if (updates == 0) {
            now = previous = ms * secondsPerCount;
            delta = 0.0;
        } else {
            previous = now;
            now = ms * secondsPerCount;
            delta = now - previous;
        }
        ++updates;
        return;
    }

    int64_t raw = 0;
    source_->queryCounter(&raw);
    uint32_t count = static_cast<uint32_t>(static_cast<uint64_t>(raw) >> shift);
    if (updates == 0) {
        lastCount = count;
    } else if (count <= lastCount && lastCount - count < kSmallStepBack) {
        // Stood still or stepped back a little: keep the last delta.
        lastCount = count;
    } else {
        delta = static_cast<double>(count - lastCount) * secondsPerCount;
        now += delta;
        lastCount = count;
        if (now == previous) {
            if (++stallCount > kStallLimit) {
                now += 1.0;
                stallCount = 0;
            }
        } else {
            stallCount = 0;
        }
        previous = now;
    }
    ++updates;
}
