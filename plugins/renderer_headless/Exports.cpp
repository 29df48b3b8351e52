// The library's exports: the renderer factory and the call log for tests.
#include "plugins/renderer_headless/CallLog.h"
#include "plugins/renderer_headless/HeadlessRenderer.h"

#define HEADLESS_EXPORT extern "C" __attribute__((visibility("default")))

// The game never deletes its renderer (the interface has no destructor).
HEADLESS_EXPORT Renderer* CreateRendererInstance() { return new HeadlessRenderer(&HeadlessLog()); }

// Every recorded call, one line each; valid until the next call of either export.
HEADLESS_EXPORT const char* HeadlessCallLog() { return HeadlessLog().Text(); }

HEADLESS_EXPORT void HeadlessClearCallLog() { HeadlessLog().Clear(); }
