#pragma once
#include "sdk/GameSettings.h"

// cfg\config.cfg: 10 bytes, little-endian, no header:
// unlimitedTime u8, roundTime f32, randomBackground u8, roundsToWin u32.
extern const char kSavedOptionsPath[];
const int kSavedOptionsSize = 10;

// A missing file keeps every default; a short one fills the fields it
// covers, in file order. A field with a value the game cannot mean (a flag
// other than 0/1, roundsToWin outside 1..3, a round time that is not a
// finite positive number) keeps its default and is logged.
void ReadSavedOptions(const char* path, GameSettings* settings);
// Written aside and renamed into place, so the file is never left short.
// 1 on success, 0 when nothing could be written.
int WriteSavedOptions(const char* path, const GameSettings& settings);
