#include "base/Clock.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// The steady clock counts from an arbitrary start that does not move, like
// the system's up-time.
int64_t SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

uint32_t PlatformTickCount() {
    return static_cast<uint32_t>(static_cast<uint64_t>(SteadyNanoseconds()) / 1000000u);
}

bool PlatformQueryPerformanceFrequency(int64_t* frequency) {
    if (!frequency) return false;
    *frequency = 1000000000;
    return true;
}

bool PlatformQueryPerformanceCounter(int64_t* count) {
    if (!count) return false;
    *count = SteadyNanoseconds();
    return true;
}

void StampFirstPresent() {
    const char* path = getenv("CORRALON_FIRST_PRESENT_STAMP");
    if (!path || !*path) return;
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
    const std::string aside = std::string(path) + ".part";
    FILE* file = fopen(aside.c_str(), "w");
    if (!file) return;
    fprintf(file, "%lld\n", ns);
    if (fclose(file) == 0) rename(aside.c_str(), path);
}
