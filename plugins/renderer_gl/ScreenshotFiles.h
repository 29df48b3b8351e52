#pragma once
// Names for F12 screenshots: "screenshots\krellinNNNN.png" in the game
// folder (an install's are in the user's pictures folder), counting up past
// every file already there, never overwriting.
#include <string>
#include <vector>

extern const char kScreenshotFolder[];  // "screenshots"

// Creates the folder when missing. False when it cannot be made.
bool EnsureScreenshotFolder(const char* folder);

// The first name from *counter on that does not exist yet; *counter moves
// past it. Empty when every number is taken.
std::string NextScreenshotPath(const char* folder, int* counter);

// CORRALON_SCREENSHOT_PRESENTS="120,480,900": the frames (counted in
// presents from 1) saved as if F12 had been pressed, so a replayed session
// can leave pictures of chosen moments. Ascending; anything unreadable ends
// the list.
std::vector<long> ScreenshotPresents(const char* list);
