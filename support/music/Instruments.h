#pragma once
// The synthesiser's voices: one note of one instrument kind, rendered on its
// own into a scratch buffer. Plain arithmetic and a seeded noise, so a note
// sounds the same on every run.
#include <cstdint>
#include <vector>

#include "support/music/Score.h"

struct Voice {
    InstrumentKind kind = InstrumentKind::kPluck;
    int pitch = 60;          // MIDI pitch, or a DrumHit for the drum kit
    double velocity = 0.75;  // 0..1
    double seconds = 0.25;   // how long the note is held
    uint32_t seed = 1;       // noise of this note
};

// Samples the voice lasts, its release included.
int VoiceLength(const Voice& voice, int sampleRate);

// Fills left and right (resized to VoiceLength) with the voice.
void RenderVoice(const Voice& voice, int sampleRate, std::vector<float>* left,
                 std::vector<float>* right);

// sin(2 pi cycles) by a polynomial: the same result everywhere and cheaper
// than the library's (error below 1e-6).
inline double SineCycles(double cycles) {
    long long whole = static_cast<long long>(cycles);
    double x = cycles - static_cast<double>(whole);  // (-1, 1)
    if (x < 0.0) x += 1.0;                           // [0, 1)
    if (x > 0.75) x -= 1.0;
    else if (x > 0.25) x = 0.5 - x;                  // [-0.25, 0.25]
    // Taylor terms to z^11, multiplied rather than divided: this runs for
    // every sample of every oscillator.
    const double z = 6.28318530717958647692 * x, z2 = z * z;
    return z * (1.0 + z2 * (-1.0 / 6.0 + z2 * (1.0 / 120.0 + z2 * (-1.0 / 5040.0 +
                z2 * (1.0 / 362880.0 + z2 * (-1.0 / 39916800.0))))));
}
