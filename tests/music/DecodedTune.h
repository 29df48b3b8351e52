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
// tune's typical sample-to-sample change (the RMS of all the others). A
// seamless loop scores about 1 or less; a cut scores far higher.
double SeamJumpRatio(const std::vector<float>& samples);
// The same for the change of slope (second difference) across the seam.
double SeamSlopeRatio(const std::vector<float>& samples);
