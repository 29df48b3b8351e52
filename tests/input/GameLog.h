#pragma once
// Reading what a run of the game left behind.
#include <sstream>
#include <string>

// Frames a headless renderer trace shows: one Present line each.
inline size_t PresentCount(const std::string& trace) {
    std::istringstream in(trace);
    std::string line;
    size_t n = 0;
    while (std::getline(in, line))
        if (line == "Present") ++n;
    return n;
}

// Frame lines of a recorded session (comments and blank lines aside).
inline size_t SessionFrames(const std::string& session) {
    std::istringstream in(session);
    std::string line;
    size_t n = 0;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#') ++n;
    return n;
}
