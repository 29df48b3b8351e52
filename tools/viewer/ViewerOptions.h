#pragma once
// Command line of the creature viewer:
//   viewer [--renderer NAME] [--frames N] [--boxes] FILE
#include <string>

struct ViewerOptions {
    std::string creaturePath;
    std::string rendererName = "Krellin.dll";
    long frames = 0;  // stop after this many frames; 0 runs until closed
    bool boxes = false;
};

// False with a message in `error` when the line is unusable.
bool ParseViewerOptions(int argc, char** argv, ViewerOptions* options, std::string* error);
