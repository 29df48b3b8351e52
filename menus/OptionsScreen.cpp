// The option items' titles, value lines and setters.
#include "menus/OptionsScreen.h"

#include <cmath>

#include "menus/MenuContext.h"
#include "sdk/GameSettings.h"
#include "sdk/Renderer.h"

void OptionsScreen::DrawTitle(float dt) {
    titleClock += dt;
    const float c = cosf(5.0f * titleClock);
    const MenuContext& m = context;
    m.renderer->DrawTextCentered(0.5f, 0.5f, 1.4f, m.fadeR, m.fadeG * c, m.fadeB * c + 0.7f, 1.0f,
                                 "OPCIONES DEL JUEGO");
}

void OptionsScreen::DrawRounds(float dt) {
    DrawTitle(dt);
    context.renderer->DrawTextCentered(0.5f, 0.8f, 0.8f, 1.0f, 1.0f, 1.0f, 1.0f,
                                       "ROUNDS ACTUALES: %d", context.settings->roundsToWin);
}

void OptionsScreen::DrawTime(float dt) {
    DrawTitle(dt);
    const GameSettings& g = *context.settings;
    Renderer* r = context.renderer;
    if (g.unlimitedTime == 1)
        r->DrawTextCentered(0.5f, 0.7f, 1.2f, 1.0f, 1.0f, 1.0f, 1.0f, "ILIMITADO");
    else
        r->DrawTextCentered(0.5f, 0.7f, 1.2f, 1.0f, 1.0f, 1.0f, 1.0f, "%2.0f",
                            static_cast<double>(g.roundTime));
}

void OptionsScreen::DrawStage(float dt) {
    DrawTitle(dt);
    context.renderer->DrawTextCentered(0.5f, 0.7f, 1.2f, 1.0f, 1.0f, 1.0f, 1.0f,
                                       context.settings->randomBackground == 1
                                           ? "FONDO ALEATORIO"
                                           : "FONDO DEL PLAYER 2");
}

// A value read from the saved options may lie outside 1..3: it only moves
// toward the range.
void OptionsScreen::RoundsUp() {
    if (context.settings->roundsToWin < 3) ++context.settings->roundsToWin;
}

void OptionsScreen::RoundsDown() {
    if (context.settings->roundsToWin > 1) --context.settings->roundsToWin;
}

// 30 -> 60 -> 90 -> unlimited -> 30. Other saved times are not ours to
// round, so they stay as they are.
void OptionsScreen::NextTime() {
    GameSettings& g = *context.settings;
    if (g.unlimitedTime == 1) {
        g.unlimitedTime = 0;
        g.roundTime = 30.0f;
    } else if (g.roundTime == 30.0f) {
        g.roundTime = 60.0f;
    } else if (g.roundTime == 60.0f) {
        g.roundTime = 90.0f;
    } else if (g.roundTime == 90.0f) {
        g.unlimitedTime = 1;
    }
}

void OptionsScreen::ToggleStage() {
    GameSettings& g = *context.settings;
    g.randomBackground = g.randomBackground == 1 ? 0 : 1;
}
