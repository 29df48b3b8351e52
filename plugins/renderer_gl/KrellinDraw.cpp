// Quads, lines, particles and the drawing state.
#include <cmath>

#include "plugins/renderer_gl/KrellinRenderer.h"

namespace {

// The most triangles one batch may hold.
const int kMaxParticleTriangles = 1 << 16;

uint8_t ColourByte(float value) {
    if (!(value > 0.0f)) return 0;  // also NaN
    if (value >= 1.0f) return 255;
    return static_cast<uint8_t>(value * 255.0f + 0.5f);
}

}  // namespace

// Without a started window every operation does nothing and answers 0: the
// game goes on calling after a failed Init until its close request arrives.
float KrellinRenderer::GetViewScale() { return ready_ ? viewScale_ : 0.0f; }

void KrellinRenderer::SetViewScale(float scale) {
    if (!ready_) return;
    viewScale_ = ClampViewScale(scale, viewScale_);
    view_ = ViewMapping(viewScale_);
}

void KrellinRenderer::SetClearColor(float r, float g, float b, float a) {
    if (!ready_) return;
    const float values[4] = {r, g, b, a};
    for (int i = 0; i < 4; ++i)
        clearColor_[i] = std::isfinite(values[i]) ? std::fmin(1.0f, std::fmax(0.0f, values[i])) : 0.0f;
}

void KrellinRenderer::SetOverlayMode(int enable, int blend) {
    if (ready_) blend_ = BlendKindFor(enable, blend);
}

void KrellinRenderer::AddQuadCorners(GLuint texture, const float c[8], float u0, float v0,
                                     float u1, float v1, float r, float g, float b, float a) {
    SpriteVertex* v = queue_.Append(texture, blend_, 6);
    const float us[4] = {u0, u1, u1, u0};
    const float vs[4] = {v0, v0, v1, v1};
    const int order[6] = {0, 1, 2, 0, 2, 3};
    const uint8_t rb = ColourByte(r), gb = ColourByte(g), bb = ColourByte(b), ab = ColourByte(a);
    for (int i = 0; i < 6; ++i) {
        const int k = order[i];
        v[i] = SpriteVertex{view_.NdcX(c[k * 2]), view_.NdcY(c[k * 2 + 1]), us[k], vs[k], rb, gb, bb, ab};
    }
}

// Corners in the order top left, top right, bottom right, bottom left of an
// unmirrored picture; a negative width or height mirrors it.
void KrellinRenderer::AddQuad(GLuint texture, float x, float y, float w, float h, float u0,
                              float v0, float u1, float v1, float r, float g, float b, float a) {
    const float corners[8] = {x, y, x + w, y, x + w, y + h, x, y + h};
    AddQuadCorners(texture, corners, u0, v0, u1, v1, r, g, b, a);
}

void KrellinRenderer::DrawImage(float x, float y, float w, float h, TextureHandle texture,
                                float r, float g, float b, float a) {
    DrawImagePart(x, y, w, h, 0.0f, 0.0f, 1.0f, 1.0f, texture, r, g, b, a);
}

void KrellinRenderer::DrawImagePart(float x, float y, float w, float h, float u0, float v0,
                                    float u1, float v1, TextureHandle texture, float r, float g,
                                    float b, float a) {
    if (!ready_) return;
    const GLuint gpu = DrawableTexture(texture);
    if (!gpu) return;
    AddQuad(gpu, x, y, w, h, u0, v0, u1, v1, r, g, b, a);
}

void KrellinRenderer::FillRect(float x, float y, float w, float h, float r, float g, float b,
                               float a) {
    if (!ready_) return;
    // A filled rectangle always blends, even in the opaque mode.
    const BlendKind kept = blend_;
    if (blend_ == BlendKind::Opaque) blend_ = BlendKind::Alpha;
    AddQuad(whiteTexture_, x, y, w, h, 0.0f, 0.0f, 1.0f, 1.0f, r, g, b, a);
    blend_ = kept;
}

void KrellinRenderer::DrawLine(float x1, float y1, float x2, float y2, float r, float g,
                               float b, float a) {
    if (!ready_ || picture_.width <= 0 || picture_.height <= 0) return;
    // Work in pixels so the line is equally thick in every direction.
    const float pixelsX = picture_.width / view_.extent;
    const float pixelsY = picture_.height / view_.extent;
    const float thickness = std::fmax(1.0f, picture_.height / 400.0f);
    const float dx = (x2 - x1) * pixelsX, dy = (y2 - y1) * pixelsY;
    const float length = std::sqrt(dx * dx + dy * dy);
    float nx = 0.0f, ny = 0.0f, ex = 0.0f, ey = 0.0f;
    if (length > 1e-6f) {
        nx = -dy / length * thickness * 0.5f;
        ny = dx / length * thickness * 0.5f;
    } else {  // a point: a square dot
        nx = thickness * 0.5f;
        ey = thickness * 0.5f;
    }
    const float corners[8] = {
        x1 + (nx - ex) / pixelsX, y1 + (ny - ey) / pixelsY,
        x2 + (nx + ex) / pixelsX, y2 + (ny + ey) / pixelsY,
        x2 + (-nx + ex) / pixelsX, y2 + (-ny + ey) / pixelsY,
        x1 + (-nx - ex) / pixelsX, y1 + (-ny - ey) / pixelsY,
    };
    AddQuadCorners(whiteTexture_, corners, 0.0f, 0.0f, 1.0f, 1.0f, r, g, b, a);
}

void KrellinRenderer::DrawFrame(float x, float y, float w, float h, float r, float g, float b,
                                float a) {
    if (!ready_ || picture_.width <= 0 || picture_.height <= 0) return;
    if (w < 0) {
        x += w;
        w = -w;
    }
    if (h < 0) {
        y += h;
        h = -h;
    }
    const float thickness = std::fmax(1.0f, picture_.height / 400.0f);
    const float tx = std::fmin(w * 0.5f, thickness * view_.extent / picture_.width);
    const float ty = std::fmin(h * 0.5f, thickness * view_.extent / picture_.height);
    // Four strips that never overlap, so a translucent outline stays even.
    AddQuad(whiteTexture_, x, y, w, ty, 0, 0, 1, 1, r, g, b, a);
    AddQuad(whiteTexture_, x, y + h - ty, w, ty, 0, 0, 1, 1, r, g, b, a);
    AddQuad(whiteTexture_, x, y + ty, tx, h - 2 * ty, 0, 0, 1, 1, r, g, b, a);
    AddQuad(whiteTexture_, x + w - tx, y + ty, tx, h - 2 * ty, 0, 0, 1, 1, r, g, b, a);
}

void KrellinRenderer::DrawParticleBatch(const TriangleRecord* first) {
    if (!ready_ || !first) return;
    const GLuint gpu = DrawableTexture(boundTexture_);
    if (!gpu) return;
    const float kNoTexCoord[2] = {0.0f, 0.0f};
    const float kWhite[3] = {1.0f, 1.0f, 1.0f};
    // A second pointer at half speed catches a list that loops back.
    const TriangleRecord* slow = first;
    int triangles = 0;
    for (const TriangleRecord* t = first; t && triangles < kMaxParticleTriangles;
         t = t->next, ++triangles) {
        if (triangles > 0 && (triangles & 1) == 0) {
            slow = slow->next;
            if (slow == t) break;
        }
        if (!t->position[0] || !t->position[1] || !t->position[2]) continue;
        SpriteVertex* v = queue_.Append(gpu, blend_, 3);
        const uint8_t alpha = ColourByte(t->alpha);
        for (int i = 0; i < 3; ++i) {
            const float* p = t->position[i];
            const float* uv = t->texCoord[i] ? t->texCoord[i] : kNoTexCoord;
            const float* c = t->color[i] ? t->color[i] : kWhite;
            v[i] = SpriteVertex{view_.NdcX(p[0]), view_.NdcY(p[1]), uv[0], uv[1],
                                ColourByte(c[0]), ColourByte(c[1]), ColourByte(c[2]), alpha};
        }
    }
}
