#pragma once
// Recording and replay of a session's frame times and key changes.
// Called once per frame, right after the frame clock: answers the frame time
// to use (the recorded one during a replay) and advances the recorded keys.
double InputSessionFrameTime(double measuredDelta);
