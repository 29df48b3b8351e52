// The plug-in's exports. CreateRendererInstance is the game's entry point;
// the Krellin* functions serve the tests and the rendercheck tool and take
// an object made by CreateRendererInstance of this same library.
#include "plugins/renderer_gl/KrellinRenderer.h"

#define KRELLIN_EXPORT extern "C" __attribute__((visibility("default")))

KRELLIN_EXPORT Renderer* CreateRendererInstance() { return new KrellinRenderer(); }

// Reads window pixels of the frame being drawn (before Present), origin top
// left, rows top to bottom, 4 bytes each. 1 on success, 0 when not started
// or out of the window.
KRELLIN_EXPORT int KrellinReadPixels(Renderer* renderer, int x, int y, int width, int height,
                                     unsigned char* rgba) {
    if (!renderer) return 0;
    return static_cast<KrellinRenderer*>(renderer)->ReadPixels(x, y, width, height, rgba);
}

// Saves the frame being drawn (the 4:3 picture) as a PNG. 1 on success.
KRELLIN_EXPORT int KrellinSaveScreenshot(Renderer* renderer, const char* path) {
    if (!renderer) return 0;
    return static_cast<KrellinRenderer*>(renderer)->SaveScreenshot(path) ? 1 : 0;
}

// Draw calls the last presented frame took.
KRELLIN_EXPORT int KrellinDrawCalls(Renderer* renderer) {
    if (!renderer) return 0;
    return static_cast<KrellinRenderer*>(renderer)->DrawCallsLastFrame();
}

// Deletes an object made by CreateRendererInstance (the game never does).
KRELLIN_EXPORT void KrellinDestroyInstance(Renderer* renderer) {
    delete static_cast<KrellinRenderer*>(renderer);
}

KRELLIN_EXPORT void KrellinKeepFrames(Renderer* renderer, int keep) {
    if (renderer) static_cast<KrellinRenderer*>(renderer)->KeepFrames(keep != 0);
}

KRELLIN_EXPORT int KrellinLastFrame(Renderer* renderer, KrellinVertex* vertices, int maxVertices,
                                    KrellinRun* runs, int maxRuns, int* runCount) {
    if (!renderer) return -1;
    return static_cast<KrellinRenderer*>(renderer)->LastFrame(vertices, maxVertices, runs,
                                                               maxRuns, runCount);
}
