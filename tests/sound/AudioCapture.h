#pragma once
// Runs SDL's disk audio driver into a file of the test folder, about twenty
// times faster than real time, and reads back what was mixed (signed 16-bit
// stereo). Not unpaced: a stuck test would fill the disk.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

inline void UseDiskAudio(const std::string& file) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
}

inline std::vector<int16_t> ReadCapture(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                          (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
    return samples;
}

// Largest magnitude in [from, to) of the capture, as fractions of its length.
inline int Loudest(const std::vector<int16_t>& s, double from, double to) {
    size_t a = static_cast<size_t>(from * s.size()), b = static_cast<size_t>(to * s.size());
    int peak = 0;
    for (size_t i = a; i < b && i < s.size(); ++i) peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}
