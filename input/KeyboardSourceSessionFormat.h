#pragma once
// One frame of a recorded session as a line of text:
//   <frame time in seconds> [+KEY | -KEY | +PADn=NAME | -PADn | +PADn:BUTTON | -PADn:BUTTON]...
// KEY is a name of the key table (any letter case, "DIK_" prefix allowed) or
// a code written 0xNN; '+' goes down, '-' goes up. +PADn=NAME: a pad named
// NAME (spaces and other bytes outside '!'..'~' written %XX) now plays
// player n; -PADn: player n's pad is gone, its buttons up. BUTTON is one of
// the game's pad buttons (UP, DOWN, LEFT, RIGHT, PUNCH1..3, KICK1..3, START,
// BACK). '#' starts a comment line.
#include <cstdint>
#include <string>

#include "platform/KeyboardSource.h"
#include "platform/PadSource.h"

// A frame time as the session file writes it, and back: recording runs on
// the written value so that replay reproduces it bit for bit.
std::string FormatSessionTime(double seconds);

// The line for a frame whose keys went from `before` to `after`, and its
// pads from `padsBefore` to `padsAfter` when given.
std::string FormatSessionLine(double seconds, const uint8_t before[kKeyStateSize],
                              const uint8_t after[kKeyStateSize],
                              const PadFrame* padsBefore = nullptr,
                              const PadFrame* padsAfter = nullptr);

enum SessionLineKind {
    kSessionFrame = 0,    // a frame: time and keys updated
    kSessionComment = 1,  // blank or comment: nothing changed
    kSessionBad = 2,      // malformed: nothing changed, *error says why
};

// Reads one line (without its newline). On a frame line sets *seconds and
// applies the key changes to `keys` and the pad changes to `pads` (checked
// and dropped without it). A token *N (1 to kLongestRepeat) runs the frame
// N times with the same keys; *repeat gets N, or 1 without the token.
constexpr int kLongestRepeat = 100000;
SessionLineKind ParseSessionLine(const char* line, double* seconds,
                                 uint8_t keys[kKeyStateSize], std::string* error,
                                 PadFrame* pads = nullptr, int* repeat = nullptr);
