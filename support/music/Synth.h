#pragma once
// Renders a score into one seamless stereo loop.
#include "support/music/Effects.h"
#include "support/music/Score.h"

// One loop of the tune at `sampleRate`. Notes still sounding at the end of
// the loop ring on over its start, as they do when the tune repeats.
StereoLoop RenderScore(const Score& score, int sampleRate);
