#pragma once
// One creature file from its manifest and sheet, written by Bicho::Save.
#include <string>

#include "tools/datagen/DataGroup.h"
#include "tools/datagen/creatures/Content.h"

class Renderer;

// The headless renderer of the game folder; null with a reason.
Renderer* LoadHeadlessRenderer(const std::string& gameFolder, std::string& reason);

// The game path ("Bichos\\rana.qvl") as a path under the game folder.
std::string GamePath(const OutputFolder& out, const char* gameFile);

bool BuildCreature(Renderer* renderer, const DataSources& sources, const CreatureSource& creature,
                   const OutputFolder& out, std::string& reason);
