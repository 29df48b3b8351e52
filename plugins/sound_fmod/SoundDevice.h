#pragma once
// Opening and closing the audio output for SDL_mixer.
#include <SDL_version.h>

// SDL_mixer 2.0 or later; the plug-in refuses anything older.
bool MixerVersionAccepted(const SDL_version* linked);

// Opens the output at `rate` Hz, 16-bit stereo. When the machine has no
// usable sound device the error is logged and SDL's dummy driver takes its
// place, so the game runs silent. False only when even that fails.
bool OpenSoundDevice(int rate, int channels);
void CloseSoundDevice();

// The error line: 22 spaces and SDL_mixer's error text.
void LogMixerError();
