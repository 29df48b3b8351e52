// The option items: the value lines under "OPCIONES DEL JUEGO" and the
// setters, which change a value by one step and climb back at once.
#include "menus/MenuController.h"
#include "sdk/GameSettings.h"

namespace menu_actions {

int RoundsValue(MenuController& m, StartFightFn f, GameState* s, float dt) {
    OptionsTitle(m, f, s, dt);
    m.renderer->DrawTextCentered(0.5f, 0.8f, 0.8f, 1.0f, 1.0f, 1.0f, 1.0f, "ROUNDS ACTUALES: %d",
                                 m.Settings()->roundsToWin);
    return 0;
}

int TimeValue(MenuController& m, StartFightFn f, GameState* s, float dt) {
    OptionsTitle(m, f, s, dt);
    const GameSettings& g = *m.Settings();
    if (g.unlimitedTime == 1)
        m.renderer->DrawTextCentered(0.5f, 0.7f, 1.2f, 1.0f, 1.0f, 1.0f, 1.0f, "ILIMITADO");
    else
        m.renderer->DrawTextCentered(0.5f, 0.7f, 1.2f, 1.0f, 1.0f, 1.0f, 1.0f, "%2.0f",
                                     static_cast<double>(g.roundTime));
    return 0;
}

int StageValue(MenuController& m, StartFightFn f, GameState* s, float dt) {
    OptionsTitle(m, f, s, dt);
    m.renderer->DrawTextCentered(0.5f, 0.7f, 1.2f, 1.0f, 1.0f, 1.0f, 1.0f,
                                 m.Settings()->randomBackground == 1 ? "FONDO ALEATORIO"
                                                                     : "FONDO DEL PLAYER 2");
    return 0;
}

// A value read from the saved options may lie outside 1..3: it only moves
// toward the range.
int RoundsUp(MenuController& m, StartFightFn, GameState*, float) {
    if (m.Settings()->roundsToWin < 3) ++m.Settings()->roundsToWin;
    m.GoUp();
    return 0;
}

int RoundsDown(MenuController& m, StartFightFn, GameState*, float) {
    if (m.Settings()->roundsToWin > 1) --m.Settings()->roundsToWin;
    m.GoUp();
    return 0;
}

// 30 -> 60 -> 90 -> unlimited -> 30. Other saved times are not ours to
// round, so they stay as they are.
int TimeNext(MenuController& m, StartFightFn, GameState*, float) {
    GameSettings& g = *m.Settings();
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
    m.GoUp();
    return 0;
}

int StageToggle(MenuController& m, StartFightFn, GameState*, float) {
    GameSettings& g = *m.Settings();
    g.randomBackground = g.randomBackground == 1 ? 0 : 1;
    m.GoUp();
    return 0;
}

int Keys(MenuController& m, StartFightFn f, GameState* s, float dt) {
    return m.ConfigureKeys(f, s, dt);
}

}  // namespace menu_actions
