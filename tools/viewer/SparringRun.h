#pragma once
// The sparring window's loop: keyboard, sound and particles around a
// Sparring, until Escape, the window closes or the frame count is reached.
#include "sdk/PlatformTypes.h"

class Renderer;
struct ViewerOptions;

int RunSparring(Renderer* renderer, WindowHandle window, const ViewerOptions& options);
