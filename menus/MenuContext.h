#pragma once
// What every menu screen shares: the program's devices, its settings and
// arcade ladder, and the tint the menu, the intro and the particles are
// drawn with. The menu object owns one; each screen keeps a reference, so a
// device handed in later (or swapped by a test) reaches every screen.
#include "sdk/PlatformTypes.h"

class GestionJuego;
class Particulas;
class Renderer;
class Sonido;
class Teclado;
struct GameSettings;

// Starts the fight once the selection's splash has run out.
typedef void (*StartFightFn)();

struct MenuContext {
    // The address the main menu and the intro show.
    static constexpr const char* kWebAddress = "CORRALON.PROJECT";

    Renderer* renderer = nullptr;
    Sonido* sound = nullptr;
    Teclado* keyboard = nullptr;
    Particulas* particles = nullptr;
    WindowHandle window = nullptr;
    GameSettings* settings = nullptr;
    GestionJuego* ladder = nullptr;
    float fadeR = 1.0f, fadeG = 1.0f, fadeB = 1.0f;

    // Tint of the menu and of the particles.
    void SetTint(float value);
};

// A screen of the menu: it works on the shared context and is never copied.
class MenuScreen {
public:
    explicit MenuScreen(MenuContext& shared) : context(shared) {}
    MenuScreen(const MenuScreen&) = delete;
    MenuScreen& operator=(const MenuScreen&) = delete;

    MenuContext& context;
};
