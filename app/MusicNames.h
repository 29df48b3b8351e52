#pragma once
#include "sdk/GameSettings.h"

// Copies the music files of cfg\musicacfg.txt into the settings; values
// longer than 255 characters are cut.
void ReadMusicNames(const char* path, GameSettings* settings);
