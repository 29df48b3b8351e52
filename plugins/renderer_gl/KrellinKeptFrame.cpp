// The copy of a presented frame's geometry that benchmarks ask for.
#include <algorithm>
#include <cstring>

#include "plugins/renderer_gl/KrellinRenderer.h"

static_assert(sizeof(KrellinVertex) == sizeof(SpriteVertex), "the kept vertices copy as they are");

int KrellinRenderer::LastFrame(KrellinVertex* vertices, int maxVertices, KrellinRun* runs,
                               int maxRuns, int* runCount) const {
    if (!frameKept_) return -1;
    const int vertexCount = static_cast<int>(keptVertices_.size());
    if (vertices && maxVertices > 0)
        memcpy(vertices, keptVertices_.data(),
               sizeof(KrellinVertex) * static_cast<size_t>(std::min(vertexCount, maxVertices)));
    const int total = static_cast<int>(keptRuns_.size());
    for (int i = 0; runs && i < std::min(total, maxRuns); ++i) {
        const SpriteRun& run = keptRuns_[i];
        // The GPU name back to the handle the game knows; the white
        // texture of untextured fills has none.
        TextureHandle handle = 0;
        for (size_t h = 1; h < gpuNames_.size(); ++h)
            if (gpuNames_[h] == run.texture) handle = static_cast<TextureHandle>(h);
        const BlendSetup setup = BlendSetupFor(run.blend);
        runs[i] = {handle,       setup.enabled ? 1 : 0, setup.source, setup.destination,
                   setup.alphaCut, setup.premultiply,   run.first,    run.count};
    }
    if (runCount) *runCount = total;
    return vertexCount;
}
