#pragma once
// The frame's triangles in drawing order, grouped into runs that share a
// texture and a blend: each run becomes one draw call. Storage is kept
// between frames, so a warmed-up frame allocates nothing.
#include <cstdint>
#include <vector>

#include "plugins/renderer_gl/BlendModes.h"

struct SpriteVertex {
    float x, y;   // normalised device coordinates
    float u, v;
    uint8_t r, g, b, a;
};

struct SpriteRun {
    GLuint texture;
    BlendKind blend;
    int first;  // index of the first vertex
    int count;
};

class SpriteQueue {
public:
    // Room for `count` more vertices drawn with (texture, blend); continues the
    // last run when it matches. The pointer is valid until the next Append.
    SpriteVertex* Append(GLuint texture, BlendKind blend, int count);

    void Clear();
    bool Empty() const { return vertices_.empty(); }
    bool UsesTexture(GLuint texture) const;

    const std::vector<SpriteVertex>& Vertices() const { return vertices_; }
    const std::vector<SpriteRun>& Runs() const { return runs_; }

private:
    std::vector<SpriteVertex> vertices_;
    std::vector<SpriteRun> runs_;
};
