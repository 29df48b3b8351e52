#include "tools/datagen/Samples.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/Files.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
// Peaks stay well below full scale: the mix adds several sounds together.
constexpr double kPeak = 0.7;

// The generator's own noise, so the files are the same on every run.
struct Noise {
    uint32_t state = 12345;
    double Next() {
        state = state * 1664525u + 1013904223u;
        return ((state >> 8) & 0xFFFF) / 32767.5 - 1.0;
    }
};

std::vector<int16_t> ToPcm(const std::vector<double>& wave) {
    double peak = 0.0;
    for (double v : wave) peak = std::max(peak, std::fabs(v));
    double gain = peak > 0.0 ? kPeak / peak : 0.0;
    std::vector<int16_t> pcm(wave.size());
    for (size_t i = 0; i < wave.size(); ++i)
        pcm[i] = static_cast<int16_t>(std::lround(wave[i] * gain * 32767.0));
    return pcm;
}

// Short fades at both ends: no click when the sound starts or stops.
void Fade(std::vector<double>* wave, int fadeIn, int fadeOut) {
    int n = static_cast<int>(wave->size());
    for (int i = 0; i < fadeIn && i < n; ++i) (*wave)[i] *= double(i) / fadeIn;
    for (int i = 0; i < fadeOut && i < n; ++i) (*wave)[n - 1 - i] *= double(i) / fadeOut;
}

void Put16(FILE* f, uint32_t v) {
    fputc(v & 0xFF, f);
    fputc((v >> 8) & 0xFF, f);
}
void Put32(FILE* f, uint32_t v) {
    Put16(f, v & 0xFFFF);
    Put16(f, v >> 16);
}

std::string JoinGamePath(const char* gameDir, const char* relative) {
    std::string path = gameDir ? gameDir : ".";
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '\\';
    return path + relative;
}

}  // namespace

std::vector<int16_t> MakeSwish() {
    // Noise through a resonant band-pass whose centre sweeps up then down.
    const int n = kSampleRate * 26 / 100;
    std::vector<double> wave(n);
    Noise noise;
    double low = 0.0, band = 0.0;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / n;
        double centre = 600.0 + 3400.0 * std::sin(kPi * t);
        double f = 2.0 * std::sin(kPi * centre / kSampleRate);
        double high = noise.Next() - low - 0.35 * band;
        band += f * high;
        low += f * band;
        double envelope = std::sin(kPi * t) * std::sin(kPi * t);
        wave[i] = band * envelope;
    }
    Fade(&wave, 64, 256);
    return ToPcm(wave);
}

std::vector<int16_t> MakeThump() {
    // A sine falling from 220 Hz to 70 Hz with a fast decay and a bright
    // click: a cartoon bonk that still cuts through the stage tune's kick.
    const int n = kSampleRate * 28 / 100;
    std::vector<double> wave(n);
    Noise noise;
    double phase = 0.0, smooth = 0.0;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / kSampleRate;
        double freq = 70.0 + 150.0 * std::exp(-t * 25.0);
        phase += 2.0 * kPi * freq / kSampleRate;
        smooth += 0.4 * (noise.Next() - smooth);
        double body = std::sin(phase) * std::exp(-t * 14.0);
        double click = smooth * std::exp(-t * 120.0) * 0.7;
        wave[i] = body + click;
    }
    Fade(&wave, 32, 512);
    return ToPcm(wave);
}

std::vector<int16_t> MakeTestTune() {
    // Eight notes of a minor arpeggio, a soft square with its own envelope.
    const double notes[] = {220.0, 261.63, 329.63, 392.0, 440.0, 392.0, 329.63, 261.63};
    const int noteLength = kSampleRate / 4;
    std::vector<double> wave;
    wave.reserve(noteLength * 8);
    for (double freq : notes) {
        for (int i = 0; i < noteLength; ++i) {
            double t = double(i) / kSampleRate;
            double square = std::sin(2 * kPi * freq * t) + std::sin(6 * kPi * freq * t) / 3.0 +
                            std::sin(10 * kPi * freq * t) / 5.0;
            double envelope = std::min(1.0, i / 200.0) * std::exp(-t * 4.0) *
                              std::min(1.0, (noteLength - i) / 200.0);
            wave.push_back(square * envelope);
        }
    }
    return ToPcm(wave);
}

int WriteWavFile(const char* path, const std::vector<int16_t>& samples) {
    FILE* f = PlatformOpenFile(path, "wb");
    if (!f) return 0;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    fwrite("RIFF", 1, 4, f);
    Put32(f, 36 + dataBytes);
    fwrite("WAVEfmt ", 1, 8, f);
    Put32(f, 16);
    Put16(f, 1);                // PCM
    Put16(f, 1);                // mono
    Put32(f, kSampleRate);
    Put32(f, kSampleRate * 2);  // bytes per second
    Put16(f, 2);                // bytes per frame
    Put16(f, 16);
    fwrite("data", 1, 4, f);
    Put32(f, dataBytes);
    for (int16_t s : samples) Put16(f, static_cast<uint16_t>(s));
    bool ok = !ferror(f);
    if (fclose(f) != 0) ok = false;
    return ok ? 1 : 0;
}

int WriteFrogSamples(const char* gameDir) {
    std::string folder = PlatformResolvePath(JoinGamePath(gameDir, "sonido").c_str());
    mkdir(folder.c_str(), 0755);
    return WriteWavFile(JoinGamePath(gameDir, "sonido\\fiu.wav").c_str(), MakeSwish()) &&
           WriteWavFile(JoinGamePath(gameDir, "sonido\\GOLPEARMADUR33.wav").c_str(), MakeThump());
}

int WriteTestTune(const char* gameDir, const char* relativePath) {
    return WriteWavFile(JoinGamePath(gameDir, relativePath).c_str(), MakeTestTune());
}
