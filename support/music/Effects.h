#pragma once
// Effects over one loop of a tune. Each runs over the loop twice and keeps
// the second pass, so its tail at the end of the loop is already heard at
// the start: the result loops without a seam.
#include <cstddef>
#include <vector>

struct StereoLoop {
    std::vector<float> left, right;
    size_t size() const { return left.size(); }
};

// Ping-pong echo of `send` (left first, then right), added into `mix`.
void AddEcho(const StereoLoop& send, int delaySamples, double feedback, StereoLoop* mix);

// A small room (parallel combs and all-passes) fed with `send`, added into `mix`.
void AddReverb(const StereoLoop& send, int sampleRate, StereoLoop* mix);

// Brings the loop to a steady loudness and rounds off peaks so nothing
// reaches full scale, even after lossy encoding.
void MasterLoop(StereoLoop* mix);
