#pragma once
#include "tools/datagen/OutputFolder.h"

// cfg\motorcfg.txt, cfg\sonidocfg.txt and cfg\musicacfg.txt.
bool WriteConfigFiles(const OutputFolder& out);
