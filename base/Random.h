#pragma once
// The game's pseudo-random generator: the classic linear congruential
// generator, never reseeded, so the same sequence of frames makes the same
// choices from run to run. The game program has one (GameRandom) and every
// plug-in library has its own: the accessor is hidden from the dynamic
// linker, so each module keeps a private instance.
#include <cstdint>

class Random {
public:
    static constexpr int kMax = 32767;

    // 0 .. 32767: bits 16 to 30 of the advanced state.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }
    // A draw scaled to [0, 1].
    float Uniform() { return static_cast<float>(Next()) / static_cast<float>(kMax); }
    // For saving and restoring a fight.
    uint32_t State() const { return state_; }
    void SetState(uint32_t state) { state_ = state; }

private:
    uint32_t state_ = 1;
};

__attribute__((visibility("hidden"))) inline Random& GameRandom() {
    static Random instance;
    return instance;
}
