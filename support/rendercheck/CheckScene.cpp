#include "support/rendercheck/CheckScene.h"

#include <cmath>
#include <cstddef>

#include "base/Files.h"
#include "support/rendercheck/FallbackFont.h"

namespace {

// A soft sky-to-earth gradient with a few bands, opaque RGB.
std::vector<unsigned char> MakeBackdrop(int w, int h) {
    std::vector<unsigned char> p(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            unsigned char* q = &p[(static_cast<size_t>(y) * w + x) * 3];
            const float t = static_cast<float>(y) / h;
            const bool band = ((x / 16) + (y / 16)) % 2 == 0;
            q[0] = static_cast<unsigned char>(60 + 120 * t + (band ? 10 : 0));
            q[1] = static_cast<unsigned char>(90 + 60 * t);
            q[2] = static_cast<unsigned char>(180 - 120 * t + (band ? 10 : 0));
        }
    }
    return p;
}

// A ring-shaped sprite: opaque orange ring with a transparent inside and
// outside (alpha 0 as a keyed picture has it).
std::vector<unsigned char> MakeSprite(int side) {
    std::vector<unsigned char> p(static_cast<size_t>(side) * side * 4);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            unsigned char* q = &p[(static_cast<size_t>(y) * side + x) * 4];
            const float dx = x + 0.5f - side * 0.5f, dy = y + 0.5f - side * 0.5f;
            const float d = std::sqrt(dx * dx + dy * dy) / (side * 0.5f);
            const bool ring = d > 0.55f && d < 0.95f;
            q[0] = ring ? 255 : 255;
            q[1] = ring ? static_cast<unsigned char>(120 + 100 * (x < side / 2)) : 0;
            q[2] = ring ? 40 : 255;
            q[3] = ring ? 255 : 0;
        }
    }
    return p;
}

// A round glow fading out to the edge, for the blended modes and particles.
std::vector<unsigned char> MakeGlow(int side) {
    std::vector<unsigned char> p(static_cast<size_t>(side) * side * 4);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            unsigned char* q = &p[(static_cast<size_t>(y) * side + x) * 4];
            const float dx = x + 0.5f - side * 0.5f, dy = y + 0.5f - side * 0.5f;
            float a = 1.0f - std::sqrt(dx * dx + dy * dy) / (side * 0.5f);
            if (a < 0) a = 0;
            q[0] = q[1] = q[2] = 255;
            q[3] = static_cast<unsigned char>(255 * a);
        }
    }
    return p;
}

}  // namespace

bool CheckScene::Load(Renderer* renderer) {
    renderer_ = renderer;
    if (PlatformFileExists("bmp\\fuenteZeltor.bmp"))
        font_ = renderer->LoadTextureKeyed("bmp\\fuenteZeltor.bmp", 0, 255, 0);
    if (!font_) {
        std::vector<unsigned char> font = MakeFallbackFont();
        font_ = renderer->CreateTexture(font.data(), kFallbackFontSide, kFallbackFontSide, 4,
                                        "fuente de reserva");
    }
    renderer->SetFontTexture(font_);
    if (PlatformFileExists("bmp\\flechas.bmp")) {
        arrows_ = renderer->LoadTextureKeyed("bmp\\flechas.bmp", 255, 0, 255);
        renderer->SetArrowTexture(arrows_);
    }
    std::vector<unsigned char> backdrop = MakeBackdrop(256, 192);
    backdrop_ = renderer->CreateTexture(backdrop.data(), 256, 192, 3, "fondo");
    std::vector<unsigned char> sprite = MakeSprite(128);
    sprite_ = renderer->CreateTexture(sprite.data(), 128, 128, 4, "anillo");
    std::vector<unsigned char> glow = MakeGlow(64);
    glow_ = renderer->CreateTexture(glow.data(), 64, 64, 4, "brillo");

    quads_.resize(kParticleQuads);
    triangles_.resize(kParticleQuads * 2);
    for (int i = 0; i < kParticleQuads; ++i) {
        Quad& q = quads_[i];
        const float hue = static_cast<float>(i) / kParticleQuads;
        q.tint[0] = 0.5f + 0.5f * std::sin(hue * 6.2831853f);
        q.tint[1] = 0.5f + 0.5f * std::sin(hue * 6.2831853f + 2.094f);
        q.tint[2] = 0.5f + 0.5f * std::sin(hue * 6.2831853f + 4.189f);
        TriangleRecord* a = &triangles_[i * 2];
        TriangleRecord* b = &triangles_[i * 2 + 1];
        const int first[3] = {0, 1, 2}, second[3] = {0, 2, 3};
        for (int k = 0; k < 3; ++k) {
            a->position[k] = q.corner[first[k]];
            a->texCoord[k] = uv_[first[k]];
            a->color[k] = q.tint;
            b->position[k] = q.corner[second[k]];
            b->texCoord[k] = uv_[second[k]];
            b->color[k] = q.tint;
        }
        a->next = b;
        b->next = i + 1 < kParticleQuads ? &triangles_[(i + 1) * 2] : nullptr;
    }
    return font_ && backdrop_ && sprite_ && glow_;
}

void CheckScene::Release() {
    if (!renderer_) return;
    renderer_->ReleaseFont();
    const TextureHandle owned[] = {arrows_, backdrop_, sprite_, glow_};
    for (TextureHandle texture : owned)
        if (texture) renderer_->ReleaseTexture(texture);
    font_ = arrows_ = backdrop_ = sprite_ = glow_ = 0;
    renderer_ = nullptr;
}

void CheckScene::Draw(float time) {
    Renderer* r = renderer_;
    if (!r) return;
    r->SetViewScale(70.0f);
    // The stage: one full-screen opaque picture.
    r->SetOverlayMode(0, 0);
    r->DrawImage(0.0f, 0.0f, 1.0f, 1.0f, backdrop_, 1, 1, 1, 1);

    // Keyed pictures, plain and mirrored, opaque and blended.
    r->DrawImage(0.03f, 0.14f, 0.2f, 0.2f, sprite_, 1, 1, 1, 1);
    r->SetOverlayMode(1, 1);
    r->DrawImage(0.45f, 0.14f, -0.2f, 0.2f, sprite_, 1, 1, 1, 0.6f);
    r->DrawImagePart(0.62f, 0.38f, 0.06f, 0.12f, 0.5f, 0.0f, 1.0f, 1.0f, sprite_, 0.5f, 1, 0.5f, 1);
    if (arrows_) r->DrawImage(0.72f, 0.38f, 0.12f, 0.12f, arrows_, 1, 1, 1, 1);

    DrawBlendModes();
    DrawParticles(time);

    // Outlines and lines.
    r->SetOverlayMode(1, 1);
    r->DrawFrame(0.02f, 0.13f, 0.46f, 0.22f, 1, 1, 0, 1);
    for (int i = 0; i < 8; ++i) {
        const float a = time + i * 0.785398f;
        r->DrawLine(0.85f, 0.62f, 0.85f + 0.1f * std::cos(a), 0.62f + 0.13f * std::sin(a), 1,
                    1, 1, 0.8f);
    }

    // A widened view: the screen's own border seen from further away.
    r->SetViewScale(110.0f);
    r->DrawFrame(0.0f, 0.0f, 1.0f, 1.0f, 1, 0.3f, 0.3f, 1);
    r->DrawTextCentered(0.5f, 0.93f, 1.0f, 1, 0.6f, 0.6f, 1, "VISTA AMPLIA 110");
    r->SetViewScale(70.0f);

    DrawTexts();
    r->SetOverlayMode(0, 0);
}

// Five columns over light and dark stripes: opaque, alpha, additive,
// shadow and soft light, each with the glow and a filled box.
void CheckScene::DrawBlendModes() {
    Renderer* r = renderer_;
    r->SetOverlayMode(1, 1);
    r->FillRect(0.5f, 0.14f, 0.48f, 0.1f, 0.9f, 0.9f, 0.9f, 1);
    r->FillRect(0.5f, 0.24f, 0.48f, 0.1f, 0.1f, 0.1f, 0.1f, 1);
    const int blends[5] = {0, 1, 3, 4, 5};
    for (int i = 0; i < 5; ++i) {
        const float x = 0.51f + i * 0.095f;
        r->SetOverlayMode(blends[i] == 0 ? 0 : 1, blends[i]);
        r->DrawImage(x, 0.15f, 0.085f, 0.18f, glow_, 1.0f, 0.6f, 0.2f, 0.9f);
        r->FillRect(x + 0.02f, 0.34f, 0.045f, 0.03f, 0.2f, 0.8f, 1.0f, 0.7f);
    }
}

void CheckScene::DrawParticles(float time) {
    Renderer* r = renderer_;
    const float cx = 0.5f, cy = 0.62f;
    for (int i = 0; i < kParticleQuads; ++i) {
        Quad& q = quads_[i];
        const float orbit = time * 0.7f + i * 6.2831853f / kParticleQuads;
        const float radius = 0.12f + 0.05f * std::sin(time * 2.0f + i);
        const float px = cx + radius * std::cos(orbit) * 0.75f;
        const float py = cy + radius * std::sin(orbit);
        const float spin = time * 3.0f + i;
        const float c = std::cos(spin), s = std::sin(spin);
        const float half = 0.03f;
        const float corners[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
        for (int k = 0; k < 4; ++k) {
            q.corner[k][0] = px + (corners[k][0] * c - corners[k][1] * s) * 0.75f;
            q.corner[k][1] = py + corners[k][0] * s + corners[k][1] * c;
            q.corner[k][2] = 0.1f;
        }
    }
    for (size_t i = 0; i < triangles_.size(); ++i) triangles_[i].alpha = 0.9f;
    r->BindTexture(glow_);
    r->SetOverlayMode(1, 3);
    r->DrawParticleBatch(&triangles_[0]);
}

void CheckScene::DrawTexts() {
    Renderer* r = renderer_;
    r->SetOverlayMode(1, 1);
    r->DrawTextCentered(0.5f, 0.0f, 1.0f, 1, 1, 1, 1, "FPS:%4.2f", 59.94);
    r->DrawTextCentered(0.5f, 0.04f, 1.0f, 1, 1, 0.4f, 1, "PARA VOLVER AL JUEGO PULSE INTRO");
    r->DrawText(0.0f, 0.08f, 0.6f, 0.7f, 1, 0.7f, 1, "%s",
                "PULSA IZQUIERDA O DERECHA PARA ELEGIR, INTRO PARA CONFIRMAR.");
    r->DrawText(0.02f, 0.4f, 2.0f, 1, 0.5f, 0.2f, 1, "ESCALA 2.0 (0123456789)");
    r->DrawTextCentered(0.5f, 0.76f, 7.0f, 1, 1, 1, 0.85f, "ROSALINDAS");
}
