#pragma once
// An online session written as an ordinary input session: both players'
// confirmed buttons as two pads, one line a frame, after a line
//   # online seed=S rounds=R time=T unlimited=U background=B
// that a replay reads to start as the session did. The same file comes out
// on both sides. Also the snapshot a desynchronised side leaves in logs/.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "net/NetPackets.h"
#include "platform/PadSource.h"

FILE* OpenOnlineRecording(const char* path, const NetOptions& options);
void WriteOnlineFrame(FILE* file, uint16_t player1, uint16_t player2, PadFrame& pads);
// True when the session file starts as an online recording; its options.
bool ReadOnlineRecording(const char* path, NetOptions* options);
void WriteDesyncSnapshot(uint32_t frame, int side, const std::vector<unsigned char>& snapshot);
