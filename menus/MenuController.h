#pragma once
// Runs every screen outside the fight. Until the menus land it keeps the
// handles it is given and ends the intro at once so the loop reaches the
// menu state.
#include <cstdint>

#include "sdk/PlatformTypes.h"

class Particulas;
class Teclado;
class Renderer;
class Sonido;

typedef void (*StartFightFn)();

class MenuController {
public:
    int Init(WindowHandle window, Particulas* particles, Teclado* keyboard, Renderer* renderer,
             Sonido* sound);
    void Release();
    int Frame(StartFightFn startFight, int32_t* gameState, float dt);
    int Intro(int32_t* gameState, float dt);
    int Credits(int32_t* gameState, float dt);
    void LoadIntro();
    // Back to the main menu's first level (the fight's hook).
    void ReturnToRoot();

private:
    WindowHandle window_ = nullptr;
    Particulas* particles_ = nullptr;
    Teclado* keyboard_ = nullptr;
    Renderer* renderer_ = nullptr;
    Sonido* sound_ = nullptr;
};
