#pragma once
#include <cstdint>

// Milliseconds since the system started, wrapping at 2^32 like GetTickCount.
uint32_t PlatformTickCount();
// The high-resolution counter; false when the machine has none.
bool PlatformQueryPerformanceFrequency(int64_t* frequency);
bool PlatformQueryPerformanceCounter(int64_t* count);

// The start-up benchmark's finish line: with CORRALON_FIRST_PRESENT_STAMP
// set, writes the monotonic clock in nanoseconds to that file, whole or not
// at all (written aside, then renamed). The renderer calls it on its first
// swap, the benchmark's bare window on its own.
void StampFirstPresent();
