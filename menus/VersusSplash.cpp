// The five seconds between both choices and the fight: a white flash, the
// scrolling picture, the two portraits sliding in, a burst of sparks, the
// versus emblem and the two names.
#include <cmath>

#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/CharacterSelection.h"
#include "menus/SelectionParts.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"

using namespace selection;

namespace {

constexpr float kSplashSeconds = 5.0f;

void Burst(Particulas* particles) {
    for (int i = 0; i < 4; ++i) {
        Emision e;
        e.kind = kParticleSpark;
        e.x = 0.55f - 0.1f * Uniform();
        e.y = 0.55f - 0.1f * Uniform();
        e.w = 1.0f + 0.4f * Uniform();
        e.h = 1.0f + 0.4f * Uniform();
        // Never straight up or down: each spark drifts sideways.
        e.vx = 0.01f - 0.02f * Uniform();
        e.vx += e.vx < 0.0f ? -0.002f : 0.002f;
        e.vy = 0.005f - 0.01f * Uniform();
        e.life = 2.2f;
        particles->Emitir(1, true, e);
    }
}

}  // namespace

void CharacterSelection::VersusSplash(StartFightFn startFight, GameState* gameState, float dt) {
    const MenuContext& m = context;
    Renderer* r = m.renderer;
    r->SetOverlayMode(1, 1);
    if (musicPending) {
        musicPending = false;
        if (m.sound) m.sound->PlayMusic(m.settings->musicSelected);
    }
    float& v = versus;
    v -= dt;
    if (v < 0.0f) v = 0.0f;
    // Back is swallowed: once the splash runs the fight is coming.
    m.keyboard->ActionOnce(0, kInputKick1);
    m.keyboard->SpecialKeyOnce(kSpecialEscape);

    if (v < 5.0f) {
        const float f = 3.0f * v - floorf(3.0f * v);
        r->DrawImage(f, 0.0f, 1.0f, 1.0f, scroll, v * m.fadeR, v * m.fadeG, v * m.fadeB, 1.0f);
        r->DrawImage(f - 1.0f, 0.0f, 1.0f, 1.0f, scroll, v * m.fadeR, v * m.fadeG, v * m.fadeB,
                     1.0f);
    }
    if (v < 4.0f) {
        const float p = v > 2.0f ? (4.0f - v) * 0.25f : 0.5f;
        const float a = v > 1.0f ? 1.0f : v;
        DrawPortrait(r, p - 0.4f, 0.2f, 0.4f, 0.6f, creatures[cursor1]->GetPictureB(), 1.0f,
                     1.0f, 1.0f, a);
        DrawPortrait(r, 1.4f - p, 0.2f, -0.4f, 0.6f, creatures[cursor2]->GetPictureB(), 1.0f,
                     1.0f, 1.0f, a);
    }
    if (v < 2.2f && burstPending) {
        burstPending = false;
        Burst(m.particles);
    }
    if (v < 2.0f) {
        const float b = v <= 1.0f ? v : (v <= 1.75f ? 1.0f : (2.0f - v) * 4.0f);
        // The emblem is the sheet's lower-right quarter, twice more jittered.
        r->DrawImagePart(0.3f, 0.2f, 0.4f, 0.4f, 0.5f, 0.5f, 1.0f, 1.0f, numerals, 1.0f, 1.0f, 1.0f,
                         b);
        for (int i = 0; i < 2; ++i) {
            const float x = 0.31f - 0.02f * Uniform();
            const float y = 0.21f - 0.02f * Uniform();
            r->DrawImagePart(x, y, 0.4f, 0.4f, 0.5f, 0.5f, 1.0f, 1.0f, numerals, 1.0f, 1.0f, 1.0f,
                             b);
        }
        r->DrawTextCentered(0.35f, 0.3f, 3.0f, 1.0f, 1.0f, 1.0f, b, "%s", NameOf(cursor1));
        r->DrawTextCentered(0.65f, 0.5f, 3.0f, 1.0f, 1.0f, 1.0f, b, "%s", NameOf(cursor2));
    }
    if (v > 4.0f) r->FillRect(0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, v - 4.0f);
    if (v <= 0.0f) {
        v = kSplashSeconds;
        musicPending = burstPending = true;
        ReleaseCharacters();
        if (startFight) startFight();
        *gameState = GameState::kFight;
    }
}
