// Voices: small FM and noise recipes tuned for a bright cartoon sound.
#include "support/music/Instruments.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

// xorshift32: cheap noise that depends only on the note's seed.
struct Noise {
    uint32_t state;
    explicit Noise(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    double Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (state >> 8) * (2.0 / 16777215.0) - 1.0;
    }
};

// Chamberlin state-variable filter, for band-passed noise.
struct BandPass {
    double f, damping, low = 0.0, band = 0.0;
    BandPass(double centre, double q, int rate)
        : f(2.0 * std::sin(3.14159265358979 * std::min(centre, rate / 6.0) / rate)), damping(1.0 / q) {}
    double Band(double x) {
        low += f * band;
        double high = x - low - damping * band;
        band += f * high;
        return band;
    }
    double High(double x) {
        Band(x);
        return x - low - damping * band;
    }
};

// exp(-t / seconds), one sample at a time.
struct Decay {
    double value = 1.0, factor;
    Decay(double seconds, int rate) : factor(std::exp(-1.0 / (seconds * rate))) {}
    double Next() {
        double v = value;
        value *= factor;
        return v;
    }
};

double Frequency(int pitch) { return 440.0 * std::pow(2.0, (pitch - 69) / 12.0); }

double Attack(double t, double seconds) { return t < seconds ? t / seconds : 1.0; }

// 1 while held, then a quadratic fall to exactly 0 at the end of the release.
double Release(double t, double gate, double release) {
    if (t <= gate) return 1.0;
    double k = 1.0 - (t - gate) / release;
    return k > 0.0 ? k * k : 0.0;
}

// A band-limited saw (polyBLEP) advancing *phase by `step` cycles.
double Saw(double* phase, double step) {
    double p = *phase + step;
    if (p >= 1.0) p -= 1.0;
    *phase = p;
    double saw = 2.0 * p - 1.0;
    if (p < step) {
        double k = p / step;
        saw -= k + k - k * k - 1.0;
    } else if (p > 1.0 - step) {
        double k = (p - 1.0) / step;
        saw -= k * k + k + k + 1.0;
    }
    return saw;
}

double Fm(double carrier, double modulator, double index) {
    return SineCycles(carrier + index * SineCycles(modulator) / kTwoPi);
}

// How long a tonal voice holds before its release, and its release.
struct Shape {
    double gate, release;
};

double PluckDecay(int pitch) {
    return std::clamp(0.5 * std::sqrt(262.0 / Frequency(pitch)), 0.15, 1.0);
}

Shape ShapeOf(const Voice& v) {
    switch (v.kind) {
        case InstrumentKind::kPluck: return {std::min(v.seconds, 5.0 * PluckDecay(v.pitch)), 0.05};
        case InstrumentKind::kBell: return {std::min(v.seconds, 2.5), 0.8};
        case InstrumentKind::kLead: return {v.seconds, 0.08};
        case InstrumentKind::kBrass: return {v.seconds, 0.1};
        case InstrumentKind::kWhistle: return {v.seconds, 0.09};
        case InstrumentKind::kBass: return {v.seconds, 0.05};
        case InstrumentKind::kPad: return {v.seconds, 0.6};
        case InstrumentKind::kDrums: break;
    }
    return {0.0, 0.0};
}

double DrumSeconds(int hit) {
    switch (hit) {
        case kKick: return 0.45;
        case kSnare: return 0.3;
        case kHat: return 0.09;
        case kOpenHat: return 0.45;
        case kClap: return 0.3;
        case kTom: return 0.55;
        default: return 0.5;
    }
}

void RenderDrum(const Voice& v, int rate, float* out, int n) {
    Noise noise(v.seed);
    BandPass snareFilter(3200.0, 0.9, rate), hatFilter(8000.0, 1.2, rate), clapFilter(1300.0, 2.0, rate);
    double phase = 0.0;
    const double end = DrumSeconds(v.pitch);
    for (int i = 0; i < n; ++i) {
        double t = double(i) / rate;
        double x = 0.0;
        switch (v.pitch) {
            case kKick: {
                double f = 48.0 + 120.0 * std::exp(-t / 0.03);
                phase += f / rate;
                x = 0.8 * SineCycles(phase) * std::exp(-t / 0.2) + 0.35 * noise.Next() * std::exp(-t / 0.002);
                break;
            }
            case kSnare: {
                phase += 190.0 / rate;
                x = 0.45 * SineCycles(phase) * std::exp(-t / 0.05) +
                    1.4 * snareFilter.Band(noise.Next()) * std::exp(-t / 0.1);
                break;
            }
            case kHat:
            case kOpenHat: {
                double decay = v.pitch == kHat ? 0.025 : 0.16;
                x = 0.8 * hatFilter.High(noise.Next()) * std::exp(-t / decay);
                break;
            }
            case kClap: {
                double e = 0.0;
                for (double burst : {0.0, 0.011, 0.022})
                    if (t >= burst) e = std::max(e, std::exp(-(t - burst) / 0.004));
                if (t >= 0.03) e = std::max(e, 0.6 * std::exp(-(t - 0.03) / 0.09));
                x = 2.0 * clapFilter.Band(noise.Next()) * e;
                break;
            }
            default: {
                double base = v.pitch == kTom ? 105.0 : 160.0;
                phase += base * (1.0 + 0.6 * std::exp(-t / 0.04)) / rate;
                x = SineCycles(phase) * std::exp(-t / 0.22);
                break;
            }
        }
        // Short fades at both ends keep every hit click-free.
        double edge = std::min({1.0, t / 0.0008, (end - t) / 0.01});
        out[i] = static_cast<float>(x * std::max(edge, 0.0) * v.velocity);
    }
}

}  // namespace

int VoiceLength(const Voice& v, int rate) {
    if (v.kind == InstrumentKind::kDrums) return static_cast<int>(DrumSeconds(v.pitch) * rate);
    Shape s = ShapeOf(v);
    return static_cast<int>((s.gate + s.release) * rate) + 1;
}

void RenderVoice(const Voice& v, int rate, std::vector<float>* left, std::vector<float>* right) {
    const int n = VoiceLength(v, rate);
    left->assign(n, 0.0f);
    right->assign(n, 0.0f);
    float* l = left->data();
    float* r = right->data();
    if (v.kind == InstrumentKind::kDrums) {
        RenderDrum(v, rate, l, n);
        std::copy(l, l + n, r);
        return;
    }
    const Shape shape = ShapeOf(v);
    const double step = Frequency(v.pitch) / rate;
    Noise noise(v.seed);
    double phase = 0.0, phase2 = 0.0, phase3 = 0.0, breath = 0.0;
    double low = 0.0, lowR = 0.0, low2 = 0.0, lowR2 = 0.0;
    // Decays advance by one multiplication a sample.
    Decay fast(0.04, rate), medium(0.1, rate), slow(0.25, rate), body(PluckDecay(v.pitch), rate),
        ring(0.9, rate), swell(0.2, rate);
    const double padAttack = std::min(0.3, std::max(0.02, shape.gate * 0.5));
    // Pads are smoothed by two one-pole low-passes near 1.6 kHz.
    const double padSmooth = 1.0 - std::exp(-kTwoPi * 1600.0 / rate);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double rel = Release(t, shape.gate, shape.release);
        double x = 0.0, y = 0.0;
        bool stereo = false;
        switch (v.kind) {
            case InstrumentKind::kPluck: {
                phase += step;
                double index = 2.5 * fast.Next() + 0.4;
                x = 0.8 * Fm(phase, phase, index) * Attack(t, 0.002) * body.Next();
                break;
            }
            case InstrumentKind::kBell: {
                phase += step;
                double index = 1.8 * slow.Next() + 0.2;
                x = 0.6 * Fm(phase, phase * 3.5, index) * Attack(t, 0.002) * ring.Next();
                break;
            }
            case InstrumentKind::kLead: {
                double vibrato = 1.0 + 0.004 * SineCycles(5.5 * t) * std::min(1.0, t / 0.3);
                phase += step * vibrato;
                double index = 1.1 + 1.2 * fast.Next();
                x = 0.5 * Fm(phase, phase, index) * Attack(t, 0.012) * (0.85 + 0.15 * swell.Next());
                break;
            }
            case InstrumentKind::kBrass: {
                double amp = Attack(t, 0.05) * (0.85 + 0.15 * swell.Next());
                double scoop = 1.0 - 0.012 * fast.Next();
                double vibrato = 1.0 + 0.003 * SineCycles(5.0 * t) * std::min(1.0, t / 0.4);
                phase += step * scoop * vibrato;
                phase2 += step * scoop * vibrato * 1.002;
                double index = 0.5 + 2.6 * amp;
                x = 0.25 * (Fm(phase, phase, index) + Fm(phase2, phase2, index)) * amp;
                break;
            }
            case InstrumentKind::kWhistle: {
                double vibrato = 1.0 + 0.007 * SineCycles(6.0 * t) * std::min(1.0, t / 0.25);
                phase += step * vibrato;
                breath += 0.05 * (noise.Next() - breath);
                x = 0.55 * (SineCycles(phase) + 0.06 * SineCycles(2.0 * phase) + 0.3 * breath) *
                    Attack(t, 0.035);
                break;
            }
            case InstrumentKind::kBass: {
                phase += step;
                double index = 1.6 * medium.Next() + 0.6;
                x = 0.6 * (Fm(phase, phase, index) + 0.25 * SineCycles(phase)) * Attack(t, 0.003) *
                    (0.7 + 0.3 * slow.Next());
                break;
            }
            case InstrumentKind::kPad: {
                // Three detuned saws, darkened: warm and cheap.
                double a = Saw(&phase, step * 0.994), b = Saw(&phase2, step),
                       c = Saw(&phase3, step * 1.005);
                double amp = 0.22 * Attack(t, padAttack);
                low += padSmooth * ((a + 0.7 * b) * amp - low);
                lowR += padSmooth * ((c + 0.7 * b) * amp - lowR);
                low2 += padSmooth * (low - low2);
                lowR2 += padSmooth * (lowR - lowR2);
                x = low2;
                y = lowR2;
                stereo = true;
                break;
            }
            case InstrumentKind::kDrums: break;
        }
        if (phase > 1024.0) phase -= 1024.0;
        if (phase2 > 1024.0) phase2 -= 1024.0;
        if (phase3 > 1024.0) phase3 -= 1024.0;
        const double gain = v.velocity * rel;
        l[i] = static_cast<float>(x * gain);
        r[i] = static_cast<float>((stereo ? y : x) * gain);
    }
}
