// Drawing of a creature: shadow, hit flash, afterimages, sprite and the
// debug boxes.
#include <cmath>
#include <cstring>

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"

namespace {

const float kPi = 3.14159265358979f;

float FlashSwing(const Bicho& c) {
    if (c.hitFlashDuration == 0.0f) return 0.0f;
    float s = std::sin((c.hitFlashDuration - c.hitFlashTime) / c.hitFlashDuration * kPi);
    return (s < 0.0f ? 0.0f : s) * 0.005f;
}

bool SlowMotion(const Bicho& c) { return c.settings && c.settings->slowMotionTime > 0.0f; }

// The second player of a mirror match is drawn darker.
float Brightness(const Bicho& c) {
    if (c.opponent && c.playerNumber == 2 && c.name && c.opponent->name &&
        strcmp(c.name, c.opponent->name) == 0)
        return 0.5f;
    return 1.0f;
}

void DrawMarker(Renderer* r, float cx, float cy, float red, float green, float blue) {
    r->DrawFrame(cx - 0.01f, cy - 0.01f, 0.02f, 0.02f, red, green, blue, 1.0f);
    r->DrawLine(cx - 0.02f, cy, cx + 0.02f, cy, red, green, blue, 1.0f);
    r->DrawLine(cx, cy - 0.02f, cx, cy + 0.02f, red, green, blue, 1.0f);
}

void DrawBox(Renderer* r, const Box& box, const Frame& frame, float x, float y, float f,
             float red, float green, float blue) {
    float left = x - (frame.anchorX - box.left) * f;
    float top = y - (frame.anchorY - box.top);
    float width = (box.right - box.left) * f;
    float height = box.bottom - box.top;
    r->DrawFrame(left, top, width, height, red, green, blue, 1.0f);
    const float corners[4][2] = {{left, top},
                                 {left + width, top},
                                 {left, top + height},
                                 {left + width, top + height}};
    for (const auto& corner : corners)
        r->DrawFrame(corner[0] - 0.01f, corner[1] - 0.01f, 0.02f, 0.02f, red, green, blue, 1.0f);
}

}  // namespace

int Bicho::Draw(float offsetX, float offsetY, float dt) {
    if (!currentFrame || !renderer) {
        if (action) action->DrawExtra(offsetX, offsetY, dt);
        return 0;
    }
    const Frame& frame = *currentFrame;
    float w = frame.width, h = frame.height, ax = frame.anchorX, ay = frame.anchorY;
    TextureHandle texture = static_cast<TextureHandle>(frame.texture);
    float f = static_cast<float>(facing);

    renderer->SetOverlayMode(1, kBlendShadow);
    float shadowY = (ground - y) * 0.1f + (h * 0.25f + ground) + offsetY;
    if (hitFlashTime > 0.0f) {
        float s = FlashSwing(*this);
        for (int i = 0; i < 10; ++i)
            renderer->DrawImage(x - f * ax - f * s * i + offsetX, shadowY, f * w, -h * 0.25f,
                                texture, tintR, tintG, tintB, (1.0f - 0.1f * i) * 0.4f);
        hitFlashTime -= dt;
    }
    renderer->DrawImage(x - f * ax + offsetX, shadowY, f * w, -h * 0.25f, texture, tintR, tintG,
                        tintB, 0.4f);
    renderer->SetOverlayMode(1, kBlendAlpha);

    bool slow = SlowMotion(*this);
    if (ghostTime > 0.0f) ghostTime -= slow ? dt * 0.25f : dt;
    if (ghostTrail) {
        Ghost* ghost = ghostTrail->head;
        while (ghost) {
            Ghost* next = ghost->next;
            ghost->life -= slow ? dt * 4.0f : dt;
            if (ghost->life < 0.0f) {
                *ghost->prev = next;
                if (next) next->prev = ghost->prev;
                delete ghost;
            } else if (ghost->frame) {
                const Frame& gf = *ghost->frame;
                float gfacing = static_cast<float>(ghost->facing);
                renderer->DrawImage(ghost->x - gfacing * gf.anchorX + offsetX,
                                    ghost->y - gf.anchorY + offsetY, gfacing * gf.width,
                                    gf.height, static_cast<TextureHandle>(gf.texture), tintR,
                                    tintG, tintB, ghost->life / (2.0f * ghost->maxLife));
            }
            ghost = next;
        }
    }

    float k = Brightness(*this);
    if (hitFlashTime > 0.0f) {
        float s = FlashSwing(*this);
        for (int i = 0; i < 10; ++i)
            renderer->DrawImage(x - f * ax - f * s * i + offsetX, y - ay + offsetY, f * w, h,
                                texture, k * tintR, k * tintG, k * tintB, 1.0f - 0.1f * i);
    }
    renderer->DrawImage(x - f * ax + offsetX, y - ay + offsetY, f * w, h, texture, k * tintR,
                        k * tintG, k * tintB, 1.0f);
    if (action) action->DrawExtra(offsetX, offsetY, dt);
    return 0;
}

int Bicho::DrawBoxes(float offsetX, float offsetY) {
    if (!currentFrame || !renderer) return 0;
    const Frame& frame = *currentFrame;
    float f = static_cast<float>(facing);
    float px = x + offsetX, py = y + offsetY;
    renderer->SetOverlayMode(0, 1);
    renderer->DrawFrame(px - f * frame.anchorX, py - frame.anchorY, f * frame.width,
                        frame.height, 1, 0, 0, 1);
    DrawBox(renderer, frame.bodyBox, frame, px, py, f, 0, 1, 0);
    if (currentAnimation && currentAnimation->kind &&
        strcmp(currentAnimation->kind, "acciones") == 0)
        DrawBox(renderer, frame.hitBox, frame, px, py, f, 0, 1, 1);
    DrawMarker(renderer, px, py, 0, 0, 1);
    // The hot spot turns with the sprite, like the boxes.
    DrawMarker(renderer, px + f * (frame.hotX - frame.anchorX), py - frame.anchorY + frame.hotY, 1,
               0, 0);
    return 0;
}
