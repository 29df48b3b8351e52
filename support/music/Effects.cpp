// Echo, reverb and the master stage.
#include "support/music/Effects.h"

#include <algorithm>
#include <cmath>

namespace {

// A delay line whose length is fixed at creation.
class Delay {
public:
    explicit Delay(int length) : line_(std::max(length, 1), 0.0f) {}
    float Read() const { return line_[at_]; }
    void Write(float v) {
        line_[at_] = v;
        if (++at_ == line_.size()) at_ = 0;
    }

private:
    std::vector<float> line_;
    size_t at_ = 0;
};

struct Comb {
    Delay delay;
    float store = 0.0f;
    explicit Comb(int length) : delay(length) {}
    float Process(float in, float feedback, float damp) {
        float out = delay.Read();
        store = out * (1.0f - damp) + store * damp;
        delay.Write(in + store * feedback);
        return out;
    }
};

struct AllPass {
    Delay delay;
    explicit AllPass(int length) : delay(length) {}
    float Process(float in) {
        float buffered = delay.Read();
        delay.Write(in + buffered * 0.5f);
        return buffered - in;
    }
};

// Loudness of the finished loop and the shape of its peaks.
constexpr double kTargetRms = 0.12;
constexpr double kKnee = 0.5;
constexpr double kCeiling = 0.78;
constexpr double kMaxInputPeak = 1.2;

float Soft(double x) {
    double a = std::fabs(x);
    if (a > kKnee) a = kKnee + (kCeiling - kKnee) * std::tanh((a - kKnee) / (kCeiling - kKnee));
    return static_cast<float>(std::copysign(a, x));
}

}  // namespace

void AddEcho(const StereoLoop& send, int delaySamples, double feedback, StereoLoop* mix) {
    const size_t n = send.size();
    Delay left(delaySamples), right(delaySamples);
    float dullL = 0.0f, dullR = 0.0f;  // each repeat a little darker
    const float fb = static_cast<float>(feedback);
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < n; ++i) {
            float outL = left.Read(), outR = right.Read();
            dullL += 0.45f * (outL - dullL);
            dullR += 0.45f * (outR - dullR);
            left.Write(0.5f * (send.left[i] + send.right[i]) + fb * dullR);
            right.Write(fb * dullL);
            if (pass == 1) {
                mix->left[i] += 0.7f * outL;
                mix->right[i] += 0.7f * outR;
            }
        }
    }
}

void AddReverb(const StereoLoop& send, int rate, StereoLoop* mix) {
    const double scale = rate / 44100.0;
    auto length = [scale](int samples) { return static_cast<int>(samples * scale); };
    const int combs[] = {1116, 1188, 1277, 1356};
    const int spread = 23;  // the right side's lines are a little longer: width
    std::vector<Comb> combL, combR;
    for (int c : combs) {
        combL.emplace_back(length(c));
        combR.emplace_back(length(c + spread));
    }
    AllPass apL1(length(556)), apL2(length(441)), apR1(length(556 + spread)), apR2(length(441 + spread));
    const float feedback = 0.8f, damp = 0.3f, wet = 0.16f;
    const size_t n = send.size();
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < n; ++i) {
            float in = 0.5f * (send.left[i] + send.right[i]);
            float l = 0.0f, r = 0.0f;
            for (size_t c = 0; c < combL.size(); ++c) {
                l += combL[c].Process(in, feedback, damp);
                r += combR[c].Process(in, feedback, damp);
            }
            l = apL2.Process(apL1.Process(l));
            r = apR2.Process(apR1.Process(r));
            if (pass == 1) {
                mix->left[i] += wet * l;
                mix->right[i] += wet * r;
            }
        }
    }
}

void MasterLoop(StereoLoop* mix) {
    const size_t n = mix->size();
    if (n == 0) return;
    double sum = 0.0, peak = 0.0;
    for (size_t i = 0; i < n; ++i) {
        double l = mix->left[i], r = mix->right[i];
        sum += l * l + r * r;
        peak = std::max({peak, std::fabs(l), std::fabs(r)});
    }
    double rms = std::sqrt(sum / (2.0 * n));
    if (rms <= 0.0) return;
    double gain = std::min(kTargetRms / rms, kMaxInputPeak / peak);
    for (size_t i = 0; i < n; ++i) {
        mix->left[i] = Soft(mix->left[i] * gain);
        mix->right[i] = Soft(mix->right[i] * gain);
    }
}
