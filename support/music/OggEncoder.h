#pragma once
// OGG Vorbis encoding of a finished loop, byte for byte the same on every run.
#include <cstdint>
#include <string>
#include <vector>

#include "support/music/Effects.h"

// Encodes at `quality` (libvorbis VBR scale, -0.1 to 1) with the given
// stream serial number. Returns false and sets *error on failure.
bool EncodeOgg(const StereoLoop& loop, int sampleRate, double quality, int serial,
               const std::string& title, std::vector<unsigned char>* out, std::string* error);
