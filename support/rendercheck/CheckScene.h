#pragma once
// A scene that exercises every drawing operation of a renderer: text at
// several scales, keyed and plain pictures, every blend mode, a rotated
// particle batch and a widened view. Shared by rendercheck and the renderer
// benchmark.
#include <vector>

#include "sdk/Renderer.h"

class CheckScene {
public:
    // Loads "bmp\fuenteZeltor.bmp" and "bmp\flechas.bmp" when present and
    // makes its own pictures otherwise. False when no texture could be made.
    bool Load(Renderer* renderer);
    void Release();
    // Draws one frame at `time` seconds (does not present).
    void Draw(float time);

    static constexpr int kParticleQuads = 64;

private:
    Renderer* renderer_ = nullptr;
    TextureHandle font_ = 0, arrows_ = 0, backdrop_ = 0, sprite_ = 0, glow_ = 0;

    // Particle quads: four corners, uv and one tint each, two linked triangles.
    struct Quad {
        float corner[4][3];
        float tint[3];
    };
    std::vector<Quad> quads_;
    std::vector<TriangleRecord> triangles_;
    float uv_[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

    void DrawParticles(float time);
    void DrawBlendModes();
    void DrawTexts();
};
