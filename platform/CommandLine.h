#pragma once
#include <string>

// The whole command line as one string, the way Windows hands it over: the
// program name, then the arguments joined by single blanks.
std::string PlatformCommandLine(int argc, char** argv);
