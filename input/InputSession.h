#pragma once
// Recording and replay of a session's frame times, key changes and pads.
// Called once per frame, right after the frame clock: answers the frame time
// to use (the recorded one during a replay) and advances the recorded keys.
//
// CORRALON_RECORD=<file> writes one line per frame (time, keys down/up, pads);
// CORRALON_REPLAY=<file> plays such a file back instead of the clock, the
// keyboard and the pads and asks the program to close at its end.
#include <cstdint>

#include "platform/PadSource.h"

double InputSessionFrameTime(double measuredDelta);

enum InputSessionMode {
    kSessionLive = 0,
    kSessionRecord = 1,
    kSessionReplay = 2,
};

// The mode of this run; the environment is read on first use.
InputSessionMode InputSessionGetMode();

// Starts over with the given files instead of the environment (either may
// be null; a replay wins over a recording). Returns false, logged, when the
// file does not open, leaving the session live. For tests and tools.
bool InputSessionBegin(const char* recordPath, const char* replayPath);
// Flushes and closes the session's file; the session is live afterwards.
void InputSessionEnd();

// Keyboard side. During a replay: the keys of the current frame.
void InputSessionReplayKeys(uint8_t state[256]);
// During a recording: the keys the keyboard read in this frame; this writes
// the frame's line.
void InputSessionRecordKeys(const uint8_t state[256]);

// Pad side, the same way. The pads are recorded before the keys: the
// frame's line is written with its keys.
void InputSessionReplayPads(PadFrame* pads);
void InputSessionRecordPads(const PadFrame& pads);
