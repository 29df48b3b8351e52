#pragma once
// The options under "OPCIONES": the pulsing title, the value lines, and the
// setters, which change a value by one step (the menu then climbs back).
#include "menus/MenuContext.h"

class OptionsScreen : public MenuScreen {
public:
    using MenuScreen::MenuScreen;


    // The pulsing "OPCIONES DEL JUEGO" over every option item.
    void DrawTitle(float dt);
    // The title and the current value under it.
    void DrawRounds(float dt);
    void DrawTime(float dt);
    void DrawStage(float dt);

    void RoundsUp();
    void RoundsDown();
    void NextTime();
    void ToggleStage();

    float titleClock = 0.0f;
};
