#pragma once
// One frame of a recorded session as a line of text:
//   <frame time in seconds> [+KEY | -KEY]...
// KEY is a name of the key table (any letter case, "DIK_" prefix allowed) or
// a code written 0xNN; '+' goes down, '-' goes up. '#' starts a comment line.
#include <cstdint>
#include <string>

#include "platform/KeyboardSource.h"

// A frame time as the session file writes it, and back: recording runs on
// the written value so that replay reproduces it bit for bit.
std::string FormatSessionTime(double seconds);

// The line for a frame whose keys went from `before` to `after`.
std::string FormatSessionLine(double seconds, const uint8_t before[kKeyStateSize],
                              const uint8_t after[kKeyStateSize]);

enum SessionLineKind {
    kSessionFrame = 0,    // a frame: time and keys updated
    kSessionComment = 1,  // blank or comment: nothing changed
    kSessionBad = 2,      // malformed: nothing changed, *error says why
};

// Reads one line (without its newline). On a frame line sets *seconds and
// applies the key changes to `keys`.
SessionLineKind ParseSessionLine(const char* line, double* seconds,
                                 uint8_t keys[kKeyStateSize], std::string* error);
