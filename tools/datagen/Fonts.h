#pragma once
#include "tools/datagen/OutputFolder.h"

// bmp\fuenteZeltor.bmp, the game font.
bool WriteFonts(const OutputFolder& out);
