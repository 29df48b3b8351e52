#pragma once
// The options under "OPCIONES": the pulsing title, the value lines, and the
// setters, which change a value by one step (the menu then climbs back).
struct MenuContext;

class OptionsScreen {
public:
    explicit OptionsScreen(MenuContext& shared) : context(shared) {}

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

    MenuContext& context;
    float titleClock = 0.0f;
};
