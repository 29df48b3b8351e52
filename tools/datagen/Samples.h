#pragma once
// Sound data made by the generator: the frog's two effects and a short
// tune that stands in for music until the game's own is composed.
#include <cstdint>
#include <string>
#include <vector>

constexpr int kSampleRate = 44100;

// A short airy swish (about a quarter second).
std::vector<int16_t> MakeSwish();
// A dull low thump (about a quarter second).
std::vector<int16_t> MakeThump();
// A few bars of square-wave melody that loops without a click.
std::vector<int16_t> MakeTestTune();

// Writes mono 16-bit PCM at kSampleRate. Returns 1 on success, 0 on failure.
int WriteWavFile(const char* path, const std::vector<int16_t>& samples);

// Writes "sonido\fiu.wav" and "sonido\GOLPEARMADUR33.wav" into the game
// folder, making "sonido" when it is missing. Returns 1 on success.
int WriteFrogSamples(const char* gameDir);
// Writes the test tune at `relativePath` inside the game folder.
int WriteTestTune(const char* gameDir, const char* relativePath);
