#include "menus/MenuController.h"

#include "fight/GameState.h"

int MenuController::Init(WindowHandle window, Particulas* particles, Teclado* keyboard,
                         Renderer* renderer, Sonido* sound) {
    window_ = window;
    particles_ = particles;
    keyboard_ = keyboard;
    renderer_ = renderer;
    sound_ = sound;
    return 0;
}

void MenuController::Release() {}

int MenuController::Frame(StartFightFn, int32_t*, float) { return 0; }

int MenuController::Intro(int32_t* gameState, float) {
    *gameState = Menu;
    return 0;
}

int MenuController::Credits(int32_t* gameState, float) {
    *gameState = Closing;
    return 0;
}

void MenuController::LoadIntro() {}
void MenuController::ReturnToRoot() {}
