#pragma once
// Draws a SpriteQueue: one dynamic vertex buffer, grown as needed, and one
// draw call per run.
#include <string>

#include "plugins/renderer_gl/GlApi.h"
#include "plugins/renderer_gl/SpriteProgram.h"
#include "plugins/renderer_gl/SpriteQueue.h"

class SpriteBatch {
public:
    bool Create(const GlApi* gl, std::string* error);
    void Destroy();

    // Issues the queued runs and empties the queue.
    void Flush(SpriteQueue* queue);

    // Draw calls issued since the last ResetCounters.
    int DrawCalls() const { return drawCalls_; }
    void ResetCounters() { drawCalls_ = 0; }

private:
    const GlApi* gl_ = nullptr;
    SpriteProgram program_;
    GLuint vertexArray_ = 0;
    GLuint buffer_ = 0;
    size_t capacityBytes_ = 0;
    int drawCalls_ = 0;

    void ApplyBlend(BlendKind kind);
};
