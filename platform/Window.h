#pragma once
#include "sdk/PlatformTypes.h"

// Sets the title of the renderer's window; does nothing without a window.
void PlatformSetWindowTitle(WindowHandle window, const char* title);
