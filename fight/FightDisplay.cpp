// The fight display: marker, round start, round-end banners and the tally,
// drawn over the fight it shows.
#include <cmath>

#include "base/Random.h"
#include "fight/Fight.h"
#include "fight/Fondo.h"
#include "fight/FightDisplay.h"
#include "fight/GestionJuego.h"
#include "fight/RoundBonus.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"

namespace {

constexpr float kMarkerScale = 70.0f;
constexpr float kBarWidth = 0.43f;
constexpr float kBarHeight = 0.15f;

// 0 to 0.02: the shake of banners and of the "VS" sign.
float Jitter() { return static_cast<float>(GameRandom().Next()) * 6.103702e-07f; }

const char* NameOf(Bicho* fighter) {
    const char* name = fighter->GetName();
    return name ? name : "";
}

// Life fill: never below a quarter of the bar, never past its end.
float LifeFill(Bicho* fighter) {
    const float maximum = fighter->GetMaxLife();
    float f = maximum > 0.0f ? 0.25f + 0.75f * fighter->GetLife() / maximum : 0.25f;
    if (!(f >= 0.25f)) f = 0.25f;
    return f > 1.0f ? 1.0f : f;
}

float PowerFill(Bicho* fighter) {
    const float maximum = fighter->GetMaxPower();
    if (!(maximum > 0.0f)) return 0.0f;
    const float g = 0.6f * fighter->GetPower() / maximum;
    return std::isfinite(g) ? g : 0.0f;
}

// Round-end banners grow to scale 7 and shrink back within two seconds.
bool BannerScale(float phaseTimer, float* scale) {
    if (!(phaseTimer > 0.0f && phaseTimer < 2.0f)) return false;
    *scale = 7.0f * std::sin(phaseTimer * 0.5f * 3.1415f);
    return true;
}

void DrawDigit(Renderer* renderer, TextureHandle digitsTexture, int digit, float x, float y,
               float w, float h, float alpha) {
    const float u = static_cast<float>(digit % 4) * 0.25f;
    const float v = static_cast<float>(digit / 4) * 0.25f;
    renderer->DrawImagePart(x, y, w, h, u, v, u + 0.25f, v + 0.25f, digitsTexture, 1.0f, 1.0f,
                            1.0f, alpha);
}

void DrawBanner(Renderer* renderer, const char* text, float x, float y, float scale) {
    renderer->DrawTextCentered(x, y, scale, 1.0f, 1.0f, 1.0f, 1.0f, "%s", text);
    const float j1 = Jitter(), j2 = Jitter();
    renderer->DrawTextCentered(x - j1, y - j2, scale, 1.0f, 1.0f, 1.0f, 0.6f, "%s", text);
    const float j3 = Jitter(), j4 = Jitter();
    renderer->DrawTextCentered(x - j3, y - j4, scale, 1.0f, 1.0f, 1.0f, 0.3f, "%s", text);
}

}  // namespace

int DrawHud(FightController& fight, float dt) {
    FightDisplay& d = fight.display;
    if (d.clockRunning) d.roundClock += dt;
    d.roundAge += dt;
    Renderer* renderer = fight.context.renderer;
    Bicho* fighter0 = fight.fighters[0];
    Bicho* fighter1 = fight.fighters[1];
    GestionJuego* run = fight.context.run;
    const GameSettings* settings = fight.context.settings;
    const float roundClock = d.roundClock, roundAge = d.roundAge;
    const TextureHandle barTexture = d.barTexture, digitsTexture = d.digitsTexture, eggTexture = d.eggTexture;
    if (!renderer || !fighter0 || !fighter1) return 1;
    Bicho* fighters[2] = {fighter0, fighter1};

    const float keptScale = renderer->GetViewScale();
    renderer->SetViewScale(kMarkerScale);

    // Fighter 1's side is fighter 0's mirrored from the right edge.
    const float originX[2] = {0.0f, 1.0f};
    const float side[2] = {1.0f, -1.0f};
    renderer->SetOverlayMode(1, 1);
    for (int i = 0; i < 2; ++i)
        renderer->DrawImagePart(originX[i], 0.0f, side[i] * kBarWidth, kBarHeight, 0.0f, 0.0f,
                                1.0f, 0.25f, barTexture, 1.0f, 1.0f, 1.0f, 1.0f);
    renderer->SetOverlayMode(0, 0);
    renderer->SetOverlayMode(1, 1);
    for (int i = 0; i < 2; ++i) {
        const float f = LifeFill(fighters[i]);
        renderer->DrawImagePart(originX[i], 0.0f, side[i] * f * kBarWidth, kBarHeight, 0.0f,
                                0.25f, f, 0.5f, barTexture, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    for (int i = 0; i < 2; ++i) {
        const float g = PowerFill(fighters[i]);
        const float green = 1.0f - std::sin(20.0f * g * roundAge) * g;
        renderer->DrawImagePart(originX[i], 0.0f, side[i] * g * kBarWidth, kBarHeight, 0.0f,
                                0.5f, g, 0.75f, barTexture, 1.0f, green, 1.0f, 1.0f);
    }

    renderer->SetOverlayMode(1, 1);
    renderer->DrawTextCentered(0.12f, 0.105f, 0.9f, 1.0f, 1.0f, 1.0f, 1.0f, "%s",
                               NameOf(fighter0));
    renderer->DrawTextCentered(0.88f, 0.105f, 0.9f, 1.0f, 1.0f, 1.0f, 1.0f, "%s",
                               NameOf(fighter1));
    renderer->SetOverlayMode(0, 0);
    renderer->SetOverlayMode(1, 1);

    if (settings && settings->unlimitedTime) {
        renderer->DrawImagePart(0.42f, 0.01f, 0.15f, 0.15f, 0.0f, 0.75f, 0.5f, 1.0f,
                                digitsTexture, 1.0f, 1.0f, 1.0f, 1.0f);
    } else {
        // A clock past what an int holds shows 00 rather than overflowing.
        const long seconds = roundClock >= 0.0f && roundClock < 1e9f ? static_cast<long>(roundClock) : 0;
        DrawDigit(renderer, digitsTexture, static_cast<int>(seconds % 10), 0.48f, 0.01f, 0.1f, 0.15f, 1.0f);
        DrawDigit(renderer, digitsTexture, static_cast<int>((seconds % 100) / 10), 0.41f, 0.01f, 0.1f, 0.15f, 1.0f);
    }

    if (roundAge < 2.5f) {
        const float a = 1.0f - roundAge * 0.5f;
        renderer->DrawImagePart(0.3f, 0.2f, 0.4f, 0.4f, 0.5f, 0.5f, 1.0f, 1.0f, digitsTexture,
                                1.0f, 1.0f, 1.0f, a);
        for (int copy = 0; copy < 2; ++copy) {
            const float j1 = Jitter(), j2 = Jitter();
            renderer->DrawImagePart(0.31f - j1, 0.21f - j2, 0.4f, 0.4f, 0.5f, 0.5f, 1.0f, 1.0f,
                                    digitsTexture, 1.0f, 1.0f, 1.0f, a);
        }
        renderer->DrawTextCentered(0.35f, 0.3f, 3.0f, 1.0f, 1.0f, 1.0f, a, "%s", NameOf(fighter0));
        renderer->DrawTextCentered(0.65f, 0.5f, 3.0f, 1.0f, 1.0f, 1.0f, a, "%s", NameOf(fighter1));
    }
    if (roundAge > 1.0f && roundAge < 3.0f) {
        const float s = std::sin((roundAge - 1.0f) * 0.5f * 3.1415f);
        DrawBanner(renderer, "ROUND", 0.5f, 0.3f, 6.0f * s);
        const unsigned played = static_cast<unsigned>(fighter0->GetRoundsWon()) +
                                static_cast<unsigned>(fighter1->GetRoundsWon());
        const float w = 0.5f * s, h = 0.65f * s;
        DrawDigit(renderer, digitsTexture, static_cast<int>((played + 1u) % 10u), 0.5f - w * 0.5f, 0.6f - h * 0.5f, w, h,
                  1.0f);
    }

    renderer->SetOverlayMode(1, 1);
    for (int i = 0; i < fighter0->GetRoundsWon(); ++i)
        renderer->DrawImage(0.25f + 0.03f * i, 0.1f, 0.05f, 0.067f, eggTexture, 1.0f, 1.0f, 1.0f,
                            1.0f);
    for (int i = 0; i < fighter1->GetRoundsWon(); ++i)
        renderer->DrawImage(0.75f - 0.03f * i, 0.1f, -0.05f, 0.067f, eggTexture, 1.0f, 1.0f,
                            1.0f, 1.0f);
    renderer->SetOverlayMode(0, 0);

    if (run && run->IsActive()) {
        renderer->SetOverlayMode(1, 1);
        renderer->DrawText(0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, "%07d", run->Score());
    }
    renderer->SetOverlayMode(0, 0);
    renderer->SetViewScale(keptScale);
    return 1;
}

int ShowResult(FightController& fight, float phaseTimer) {
    Renderer* renderer = fight.context.renderer;
    Bicho* fighter0 = fight.fighters[0];
    Bicho* fighter1 = fight.fighters[1];
    float scale;
    if (!renderer || !fighter0 || !fighter1 || !BannerScale(phaseTimer, &scale)) return 1;
    renderer->SetOverlayMode(1, 1);
    const float life0 = fighter0->GetLife(), life1 = fighter1->GetLife();
    if (life0 != life1) {
        DrawBanner(renderer, NameOf(life0 > life1 ? fighter0 : fighter1), 0.5f, 0.3f, scale);
        DrawBanner(renderer, "WINS", 0.5f, 0.5f, scale);
    } else {
        DrawBanner(renderer, "TRISTE", 0.5f, 0.3f, scale);
        DrawBanner(renderer, "EMPATE", 0.5f, 0.5f, scale);
    }
    return 1;
}

int ShowPerfect(FightController& fight, float phaseTimer) {
    Renderer* renderer = fight.context.renderer;
    float scale;
    if (!renderer || !BannerScale(phaseTimer, &scale)) return 1;
    renderer->SetOverlayMode(1, 1);
    DrawBanner(renderer, "PEAZO", 0.5f, 0.3f, scale);
    DrawBanner(renderer, "PERFECT", 0.5f, 0.5f, scale);
    return 1;
}

int ShowTally(FightController& fight, float t) {
    Renderer* renderer = fight.context.renderer;
    Bicho* fighter0 = fight.fighters[0];
    if (!renderer || !fighter0) return 1;
    const RoundBonus bonus = RoundBonusOf(fighter0);
    auto label = [renderer](float y, float scale, const char* text) {
        renderer->DrawText(0.0f, y, scale, 1.0f, 1.0f, 1.0f, 1.0f, "%s", text);
    };
    auto number = [renderer](float x, float y, float scale, int value) {
        renderer->DrawTextCentered(x, y, scale, 1.0f, 1.0f, 1.0f, 1.0f, "%07d", value);
    };
    renderer->SetOverlayMode(1, 1);
    label(0.3f, 1.5f, "POR CONSERVAR VIDA:");
    if (t < 4.5f) number(0.85f, 0.3f, 1.5f, bonus.life);
    if (t < 4.0f) label(0.4f, 1.5f, "POR LA ENERGIA:");
    if (t < 3.5f) number(0.85f, 0.4f, 1.5f, bonus.power);
    if (t < 3.0f) label(0.5f, 1.5f, bonus.perfect ? "Y UN PERFECT!!!" : "UPS, NO PERFECT");
    if (t < 2.5f) number(0.85f, 0.5f, 1.5f, bonus.perfect);
    if (t < 2.0f) {
        label(0.7f, 2.0f, "TOTAL:");
        number(0.8f, 0.7f, 2.0f, bonus.Total());
    }
    return 1;
}

void LoadDisplay(FightDisplay& display, Renderer* renderer) {
    if (renderer) {
        display.digitsTexture = renderer->LoadTextureKeyed("bmp\\numerosb.bmp", 255, 0, 255);
        display.barTexture = renderer->LoadTextureKeyed("bmp\\barra3.bmp", 255, 0, 255);
        display.eggTexture = renderer->LoadTextureKeyed("bmp\\huevo.bmp", 255, 0, 255);
    }
    display.roundClock = 0.0f;
    display.roundAge = 0.0f;
    display.clockRunning = false;
}

void ReleaseDisplay(FightDisplay& display, Renderer* renderer) {
    if (renderer)
        for (TextureHandle* t : {&display.digitsTexture, &display.barTexture, &display.eggTexture})
            if (*t) renderer->ReleaseTexture(*t);
    display.digitsTexture = display.barTexture = display.eggTexture = 0;
}
