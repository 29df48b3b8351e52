#include "base/StateBuffer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr int kLanes = 8;
constexpr size_t kStripe = kLanes * 8;
// One key word per lane, so a run of zeros still stirs the lanes.
constexpr uint64_t kKeys[kLanes] = {
    0xbe4ba423396cfeb8ull, 0x1cad21f72c81017cull, 0xdb979083e96dd4deull, 0x1f67b3b7a4a44072ull,
    0x78e5c0cc4ee679cbull, 0x2172ffcc7dd05a82ull, 0x8e2443f7744608b8ull, 0x4c263a81e69035e0ull};

inline uint64_t Read64(const unsigned char* p) {
    uint64_t word;
    memcpy(&word, p, 8);
    return word;
}

inline uint64_t Mix(uint64_t lane, uint64_t word) {
    lane += word * kPrime2;
    lane = (lane << 31) | (lane >> 33);
    return lane * kPrime1;
}

// Each lane gathers the product of its word's halves (keyed) and the word
// itself, the way the fast 64-bit hashes do: one multiply per eight bytes,
// and the lanes never wait on each other.
void Accumulate(uint64_t* acc, const unsigned char* data, size_t stripes) {
#if defined(__SSE2__)
    __m128i lanes[kLanes / 2];
    __m128i keys[kLanes / 2];
    for (int i = 0; i < kLanes / 2; ++i) {
        lanes[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(acc + 2 * i));
        keys[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kKeys + 2 * i));
    }
    for (size_t s = 0; s < stripes; ++s, data += kStripe) {
        for (int i = 0; i < kLanes / 2; ++i) {
            const __m128i word = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i));
            const __m128i keyed = _mm_xor_si128(word, keys[i]);
            const __m128i product = _mm_mul_epu32(keyed, _mm_srli_epi64(keyed, 32));
            lanes[i] = _mm_add_epi64(lanes[i], _mm_add_epi64(product, word));
        }
    }
    for (int i = 0; i < kLanes / 2; ++i)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(acc + 2 * i), lanes[i]);
#else
    for (size_t s = 0; s < stripes; ++s, data += kStripe) {
        for (int i = 0; i < kLanes; ++i) {
            const uint64_t word = Read64(data + 8 * i);
            const uint64_t keyed = word ^ kKeys[i];
            acc[i] += (keyed & 0xffffffffu) * (keyed >> 32) + word;
        }
    }
#endif
}

}  // namespace

uint64_t StateChecksum(const unsigned char* data, size_t size) {
    uint64_t acc[kLanes] = {kPrime1, kPrime2, kPrime1 ^ kPrime2, 0, kPrime2 * 3, kPrime1 * 5, 7, 11};
    const size_t stripes = size / kStripe;
    Accumulate(acc, data, stripes);
    size_t i = stripes * kStripe;
    uint64_t h = size * kPrime1;
    for (int lane = 0; lane < kLanes; ++lane) h = Mix(h, acc[lane]);
    for (; i + 8 <= size; i += 8) h = Mix(h, Read64(data + i));
    uint64_t tail = 0;
    if (i < size) memcpy(&tail, data + i, size - i);
    h = Mix(h, tail ^ (size - i));
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    return h;
}
