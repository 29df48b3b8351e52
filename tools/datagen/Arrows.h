#pragma once
#include "tools/datagen/OutputFolder.h"

// bmp\flechas.bmp, the arrows of the menus.
bool WriteArrows(const OutputFolder& out);
