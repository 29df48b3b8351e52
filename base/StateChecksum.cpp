#include "base/StateBuffer.h"

namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;

inline uint64_t Mix(uint64_t lane, uint64_t word) {
    lane += word * kPrime2;
    lane = (lane << 31) | (lane >> 33);
    return lane * kPrime1;
}

}  // namespace

uint64_t StateChecksum(const unsigned char* data, size_t size) {
    // Four independent lanes keep the multiplier busy.
    uint64_t lanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
    size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        for (int k = 0; k < 4; ++k) {
            uint64_t word;
            memcpy(&word, data + i + 8 * k, 8);
            lanes[k] = Mix(lanes[k], word);
        }
    }
    uint64_t h = size * kPrime1;
    for (uint64_t lane : lanes) h = Mix(h ^ lane, lane);
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        memcpy(&word, data + i, 8);
        h = Mix(h, word);
    }
    uint64_t tail = 0;
    if (i < size) memcpy(&tail, data + i, size - i);
    h = Mix(h, tail ^ (size - i));
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    return h;
}
