// One frame of the main menu, its titles and its command items.
#include <cmath>

#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/MenuController.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"

namespace {

constexpr float kIdleSeconds = 20.0f;
constexpr float kIdleAfterDemo = 40.0f;

MenuItem* FirstOfLevel(MenuItem* item) {
    while (item->prev) item = item->prev;
    return item;
}

void GoToCredits(MenuController& m, GameState* gameState) {
    // The credits reuse the selection's picture slots.
    m.ReleaseCharacters();
    m.LoadCredits();
    m.sound->PlayMusic(m.Settings()->musicCredits);
    *gameState = Credits;
}

}  // namespace

void MenuController::MoveEffect(float y) {
    menuFigure->SetY(0.85f);
    particles->Sangrar(0.6f, y, 10, 0.0f, menuFigure);
    menuFigure->SetFacing(-menuFigure->GetFacing());
    particles->Sangrar(0.4f, y, 10, 0.0f, menuFigure);
}

void MenuController::MoveThroughLevel() {
    if (keyboard->ActionOnce(0, kInputUp) && current->prev) {
        current = current->prev;
        MoveEffect(0.85f);
    }
    if (keyboard->ActionOnce(0, kInputDown) && current->next) {
        current = current->next;
        MoveEffect(0.9f);
    }
}

int MenuController::Frame(StartFightFn startFight, GameState* gameState, float dt) {
    // Fade-in: only the first showing of the menu in a run.
    menuClock += dt;
    SetTint(menuClock < 1.0f ? menuClock : 1.0f);

    animTime += dt;
    idleTime -= dt;
    if (keyboard->AnyKeyDown()) idleTime = kIdleSeconds;

    if (idleTime < 0.0f && !ladder_->IsActive()) {
        idleTime = kIdleAfterDemo;
        current = first = demoLeaf;
    }
    // While an arcade run is on, every menu frame is its selection.
    if (ladder_->IsActive()) current = first = arcadeLeaf;
    // A level of items moves before it is drawn, so the highlight moves on
    // the frame the key goes down. A leaf is a screen that reads the arrows
    // itself; the menu takes them only after it, as below.
    if (current->child) MoveThroughLevel();

    renderer->DrawImage(0.0f, 0.0f, 0.5f, 0.5f, background[0], fadeR, fadeG, fadeB, 1.0f);
    renderer->DrawImage(0.5f, 0.0f, 0.5f, 0.5f, background[1], fadeR, fadeG, fadeB, 1.0f);
    renderer->DrawImage(0.0f, 0.5f, 0.5f, 0.5f, background[2], fadeR, fadeG, fadeB, 1.0f);
    renderer->DrawImage(0.5f, 0.5f, 0.5f, 0.5f, background[3], fadeR, fadeG, fadeB, 1.0f);

    renderer->SetOverlayMode(1, 1);
    particles->DrawBack(0.0f, 0.0f, dt);

    if (!FirstOfLevel(current)->parent) {
        renderer->DrawTextCentered(0.5f, 0.4f, 1.0f, fadeR, fadeG, fadeB, 1.0f, "MAS INFO EN %s",
                                   kWebAddress);
        const float c = cosf(5.0f * animTime);
        renderer->DrawTextCentered(0.5f, 0.5f, 1.4f, fadeR, fadeG * c, fadeB * c + 0.7f, 1.0f,
                                   "MENU PRINCIPAL");
    }

    renderer->DrawText(0.0f, 0.88f, 0.8f, fadeR, fadeG, fadeB, 1.0f, "<< TECLAS >>");
    // The help lines hold key names, never format directives of their own.
    renderer->DrawText(0.0f, 0.91f, 0.6f, fadeR, fadeG, fadeB, 1.0f, "%s", helpSelect);
    renderer->DrawText(0.0f, 0.93f, 0.6f, fadeR, fadeG, fadeB, 1.0f, "%s", helpBack);
    renderer->DrawText(0.0f, 0.95f, 0.6f, fadeR, fadeG, fadeB, 1.0f, "%s", helpMove);

    float y = 0.6f;
    for (MenuItem* item = first; item; item = item->next, y += 0.05f) {
        const bool highlighted = item == current;
        renderer->DrawTextCentered(0.5f, y, highlighted ? 1.3f : 1.0f, fadeR, fadeG, fadeB,
                                   highlighted ? 1.0f : 0.7f, "%s", item->label);
    }

    ranThisFrame = 0;
    if (current->action) current->action(*this, startFight, gameState, dt);
    // Leaving the selection forgets half-made choices; entering it again
    // may report a missing list again.
    if (!ranThisFrame) {
        chosen1 = chosen2 = 0;
        selection.listErrorLogged = false;
    }

    particles->DrawFront(0.0f, 0.0f, dt);
    particles->DrawBleeding(0.0f, 0.0f, dt);
    renderer->SetOverlayMode(0, 0);

    MoveThroughLevel();

    const bool enter = keyboard->SpecialKeyOnce(kSpecialEnter);
    if ((keyboard->ActionOnce(0, kInputPunch1) || enter) && current->child) {
        current = first = FirstOfLevel(current->child);
    }

    const bool escape = keyboard->SpecialKeyOnce(kSpecialEscape);
    if (keyboard->ActionOnce(0, kInputKick1) || escape) {
        if (ladder_->IsActive()) ladder_->Reset();
        const bool topLevel = !FirstOfLevel(current)->parent;
        GoUp();
        if (topLevel) GoToCredits(*this, gameState);
    }

    renderer->SetOverlayMode(0, 0);
    return 0;
}

namespace menu_actions {

int ModeTitle(MenuController& m, StartFightFn, GameState*, float dt) {
    m.modeTitleClock += dt;
    const float c = cosf(5.0f * m.modeTitleClock);
    m.renderer->DrawTextCentered(0.5f, 0.5f, 1.4f, 1.0f, c, c + 0.7f, 1.0f, "MODO DE JUEGO");
    return 0;
}

int OptionsTitle(MenuController& m, StartFightFn, GameState*, float dt) {
    m.optionsTitleClock += dt;
    const float c = cosf(5.0f * m.optionsTitleClock);
    m.renderer->DrawTextCentered(0.5f, 0.5f, 1.4f, m.fadeR, m.fadeG * c, m.fadeB * c + 0.7f,
                                 1.0f, "OPCIONES DEL JUEGO");
    return 0;
}

int Arcade(MenuController& m, StartFightFn startFight, GameState* state, float dt) {
    m.Settings()->gameMode = 0;
    return m.SelectCharacters(startFight, state, dt, kSelectionArcade);
}

int Versus(MenuController& m, StartFightFn startFight, GameState* state, float dt) {
    m.Settings()->gameMode = 1;
    return m.SelectCharacters(startFight, state, dt, kSelectionVersus);
}

int Demo(MenuController& m, StartFightFn startFight, GameState* state, float dt) {
    m.Settings()->gameMode = 3;
    return m.SelectCharacters(startFight, state, dt, kSelectionDemo);
}

int Exit(MenuController& m, StartFightFn, GameState* state, float) {
    GoToCredits(m, state);
    return 0;
}

}  // namespace menu_actions
