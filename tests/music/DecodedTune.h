#pragma once
// A tune decoded back from OGG Vorbis, and the measurements the checks use.
#include <string>
#include <vector>

struct DecodedTune {
    int channels = 0;
    long rate = 0;
    std::vector<float> left, right;
    std::string error;  // empty when decoding worked

    double Seconds() const { return rate > 0 ? double(left.size()) / rate : 0.0; }
};

DecodedTune DecodeOggFile(const std::string& path);
DecodedTune DecodeOggBytes(const std::vector<unsigned char>& bytes);

double Rms(const std::vector<float>& samples);
double Peak(const std::vector<float>& samples);

// How far the jump from the last sample to the first stands out from the
// sample-to-sample changes around it: the jump divided by the RMS of the
// changes within `window` samples on either side of the seam. A seamless
// loop scores like any other sample (around 1); a cut scores far higher.
double SeamJumpRatio(const std::vector<float>& samples, size_t window);
// The same for the change of slope (second difference) across the seam.
double SeamSlopeRatio(const std::vector<float>& samples, size_t window);
