#pragma once
// The sparring window's loop around a Sparring: keyboard and sound, a
// reload when a creature or stage file changes, until the player leaves, the
// window closes or the frame count is reached.
#include "sdk/PlatformTypes.h"

class Renderer;
struct ViewerOptions;

int RunSparring(Renderer* renderer, WindowHandle window, const ViewerOptions& options);
