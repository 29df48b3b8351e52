#pragma once
// Command line of the creature viewer:
//   viewer [--renderer NAME] [--frames N] [--boxes] FILE
//   viewer [--renderer NAME] [--frames N] --spar FILE1 FILE2
#include <string>

struct ViewerOptions {
    std::string creaturePath;
    std::string rendererName = "Krellin.dll";
    long frames = 0;  // stop after this many frames; 0 runs until closed
    bool boxes = false;
    // Sparring: player 1's creature against the computer's.
    bool spar = false;
    std::string sparPaths[2];
};

// False with a message in `error` when the line is unusable.
bool ParseViewerOptions(int argc, char** argv, ViewerOptions* options, std::string* error);
