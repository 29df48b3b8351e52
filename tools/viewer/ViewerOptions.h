#pragma once
// Command line of the creature viewer (kViewerUsage).
#include <string>

#include "tools/viewer/Sparring.h"

struct ViewerOptions {
    std::string creaturePath;
    std::string rendererName = "Krellin.dll";
    long frames = 0;  // stop after this many frames; 0 runs until closed
    bool boxes = false;
    bool help = false;
    // Sparring: a fight between two creature files.
    bool spar = false;
    SparringSetup sparring;
};

extern const char kViewerUsage[];

// False with a message in `error` when the line is unusable.
bool ParseViewerOptions(int argc, char** argv, ViewerOptions* options, std::string* error);
