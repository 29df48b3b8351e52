// From notes to a finished loop: voices into three buses (dry, echo send,
// reverb send), then the effects and the master stage.
#include "support/music/Synth.h"

#include <cmath>

#include "support/music/Instruments.h"

namespace {

constexpr double kLeadInSeconds = 0.03;

StereoLoop Silence(size_t n) {
    StereoLoop loop;
    loop.left.assign(n, 0.0f);
    loop.right.assign(n, 0.0f);
    return loop;
}

// Adds `gain` times the voice at `start`, wrapping round the loop.
void AddWrapped(const std::vector<float>& l, const std::vector<float>& r, size_t start, float gainL,
                float gainR, StereoLoop* bus) {
    const size_t n = bus->size();
    size_t at = start % n;
    for (size_t i = 0; i < l.size(); ++i) {
        bus->left[at] += gainL * l[i];
        bus->right[at] += gainR * r[i];
        if (++at == n) at = 0;
    }
}

uint32_t NoteSeed(size_t track, size_t note) {
    uint32_t h = static_cast<uint32_t>(track + 1) * 2654435761u;
    h ^= static_cast<uint32_t>(note + 1) * 2246822519u;
    h ^= h >> 15;
    return h * 3266489917u;
}

}  // namespace

StereoLoop RenderScore(const Score& score, int rate) {
    const double stepSeconds = score.SecondsPerStep();
    const size_t length = static_cast<size_t>(std::llround(score.Seconds() * rate));
    if (length == 0) return StereoLoop();
    StereoLoop dry = Silence(length), echo = Silence(length), reverb = Silence(length);
    // The loop starts a moment before its first beat, so the seam falls in
    // what rings on from the end rather than on the first notes' attack.
    const size_t leadIn = static_cast<size_t>(kLeadInSeconds * rate);
    std::vector<float> left, right;
    for (size_t t = 0; t < score.tracks.size(); ++t) {
        const Track& track = score.tracks[t];
        const Instrument& instrument = score.instruments[track.instrument];
        const float panL = static_cast<float>(std::sqrt(1.0 - instrument.pan));
        const float panR = static_cast<float>(std::sqrt(1.0 + instrument.pan));
        const float volume = static_cast<float>(instrument.volume);
        for (size_t i = 0; i < track.notes.size(); ++i) {
            const Note& note = track.notes[i];
            double step = note.step;
            // Swing: every second step comes a little late.
            if (static_cast<long>(std::floor(step)) % 2 == 1) step += score.swing;
            Voice voice;
            voice.kind = instrument.kind;
            voice.pitch = note.pitch;
            voice.velocity = note.velocity;
            voice.seconds = note.length * stepSeconds;
            voice.seed = NoteSeed(t, i);
            RenderVoice(voice, rate, &left, &right);
            const size_t start = static_cast<size_t>(std::llround(step * stepSeconds * rate)) + leadIn;
            AddWrapped(left, right, start, volume * panL, volume * panR, &dry);
            if (instrument.echo > 0.0) {
                float send = static_cast<float>(instrument.echo) * volume;
                AddWrapped(left, right, start, send * panL, send * panR, &echo);
            }
            if (instrument.reverb > 0.0) {
                float send = static_cast<float>(instrument.reverb) * volume;
                AddWrapped(left, right, start, send * panL, send * panR, &reverb);
            }
        }
    }
    const int delay = static_cast<int>(std::lround(score.echoBeats * 60.0 / score.tempo * rate));
    AddEcho(echo, delay, score.echoFeedback, &dry);
    AddReverb(reverb, rate, &dry);
    MasterLoop(&dry);
    return dry;
}
