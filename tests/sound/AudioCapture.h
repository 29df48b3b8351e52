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

// The driver writes the device's native 16-bit samples; read in one go (a
// byte at a time is slow under AddressSanitizer once the file is large).
inline std::vector<int16_t> ReadCapture(const std::string& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    std::vector<int16_t> samples(size > 0 ? static_cast<size_t>(size) / 2 : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(samples.data()),
            static_cast<std::streamsize>(samples.size() * 2));
    samples.resize(static_cast<size_t>(in.gcount()) / 2);
    return samples;
}

// Largest magnitude in [from, to) of the capture, as fractions of its length.
inline int Loudest(const std::vector<int16_t>& s, double from, double to) {
    size_t a = static_cast<size_t>(from * s.size()), b = static_cast<size_t>(to * s.size());
    int peak = 0;
    for (size_t i = a; i < b && i < s.size(); ++i) peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}
