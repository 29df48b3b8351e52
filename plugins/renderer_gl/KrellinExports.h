#pragma once
// Signatures of the extra exports of the OpenGL renderer (Krellin.so), which
// tools and tests look up with PlatformGetSymbol.
#include <cstdint>

#include "sdk/Renderer.h"

// One vertex of a kept frame: normalised device coordinates, texture
// coordinates and colour, exactly as the renderer sent them to the GPU.
struct KrellinVertex {
    float x, y;
    float u, v;
    uint8_t r, g, b, a;
};

// A run of triangles drawn with one texture and one blend setup.
struct KrellinRun {
    TextureHandle texture;     // 0: the renderer's own white texture
    int blendEnabled;          // 0: opaque
    unsigned sourceFactor;     // glBlendFunc factors
    unsigned destinationFactor;
    float alphaCut;            // fragments with less alpha are discarded
    float premultiply;         // 1: colour multiplied by alpha in the shader
    int first;                 // first vertex
    int count;                 // vertices
};

extern "C" {
typedef int (*KrellinReadPixelsFn)(Renderer* renderer, int x, int y, int width, int height,
                                   unsigned char* rgba);
typedef int (*KrellinSaveScreenshotFn)(Renderer* renderer, const char* path);
typedef int (*KrellinDrawCallsFn)(Renderer* renderer);
typedef void (*KrellinDestroyInstanceFn)(Renderer* renderer);
// keep 1: from now on every Present keeps a copy of the frame's geometry.
typedef void (*KrellinKeepFramesFn)(Renderer* renderer, int keep);
// The last kept frame: copies up to maxVertices and maxRuns, answers the
// vertex count and writes the run count; -1 when nothing was kept.
typedef int (*KrellinLastFrameFn)(Renderer* renderer, KrellinVertex* vertices, int maxVertices,
                                  KrellinRun* runs, int maxRuns, int* runCount);
}
