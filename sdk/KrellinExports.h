#pragma once
// Signatures of the extra exports of the OpenGL renderer (Krellin.so), which
// tools and tests look up with PlatformGetSymbol.
#include "sdk/Renderer.h"

extern "C" {
typedef int (*KrellinReadPixelsFn)(Renderer* renderer, int x, int y, int width, int height,
                                   unsigned char* rgba);
typedef int (*KrellinSaveScreenshotFn)(Renderer* renderer, const char* path);
typedef int (*KrellinDrawCallsFn)(Renderer* renderer);
typedef void (*KrellinDestroyInstanceFn)(Renderer* renderer);
}
