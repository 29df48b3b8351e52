#pragma once
#include <cstdint>

// Milliseconds since the system started, wrapping at 2^32 like GetTickCount.
uint32_t PlatformTickCount();
// The high-resolution counter; false when the machine has none.
bool PlatformQueryPerformanceFrequency(int64_t* frequency);
bool PlatformQueryPerformanceCounter(int64_t* count);
