// One frame of the main menu around the highlighted item: what is drawn
// behind it, and the keys read after it.
#include <cmath>

#include "effects/Particulas.h"
#include "fight/GestionJuego.h"
#include "input/Teclado.h"
#include "menus/MenuContext.h"
#include "menus/MenuTree.h"
#include "sdk/Bicho.h"

namespace {

constexpr float kIdleSeconds = 20.0f;
constexpr float kIdleAfterDemo = 40.0f;

MenuItem* FirstOfLevel(MenuItem* item) {
    while (item->prev) item = item->prev;
    return item;
}

}  // namespace

void MenuTree::MoveEffect(float y) {
    menuFigure->SetY(0.85f);
    context.particles->Sangrar(0.6f, y, 10, 0.0f, menuFigure);
    menuFigure->SetFacing(-menuFigure->GetFacing());
    context.particles->Sangrar(0.4f, y, 10, 0.0f, menuFigure);
}

void MenuTree::MoveThroughLevel() {
    if (context.keyboard->ActionOnce(0, kInputUp) && current->prev) {
        current = current->prev;
        MoveEffect(0.85f);
    }
    if (context.keyboard->ActionOnce(0, kInputDown) && current->next) {
        current = current->next;
        MoveEffect(0.9f);
    }
}

void MenuTree::BeginFrame(float dt) {
    MenuContext& c = context;
    // Fade-in: only the first showing of the menu in a run.
    menuClock += dt;
    c.SetTint(menuClock < 1.0f ? menuClock : 1.0f);

    animTime += dt;
    idleTime -= dt;
    if (c.keyboard->AnyKeyDown()) idleTime = kIdleSeconds;

    if (idleTime < 0.0f && !c.ladder->IsActive()) {
        idleTime = kIdleAfterDemo;
        current = first = demoLeaf;
    }
    // While an arcade run is on, every menu frame is its selection.
    if (c.ladder->IsActive()) current = first = arcadeLeaf;
    // A level of items moves before it is drawn, so the highlight moves on
    // the frame the key goes down. A leaf is a screen that reads the arrows
    // itself; the menu takes them only after it, in EndFrame.
    if (current->child) MoveThroughLevel();

    Renderer* r = c.renderer;
    r->DrawImage(0.0f, 0.0f, 0.5f, 0.5f, background[0], c.fadeR, c.fadeG, c.fadeB, 1.0f);
    r->DrawImage(0.5f, 0.0f, 0.5f, 0.5f, background[1], c.fadeR, c.fadeG, c.fadeB, 1.0f);
    r->DrawImage(0.0f, 0.5f, 0.5f, 0.5f, background[2], c.fadeR, c.fadeG, c.fadeB, 1.0f);
    r->DrawImage(0.5f, 0.5f, 0.5f, 0.5f, background[3], c.fadeR, c.fadeG, c.fadeB, 1.0f);

    r->SetOverlayMode(1, 1);
    c.particles->DrawBack(0.0f, 0.0f, dt);

    if (!FirstOfLevel(current)->parent) {
        r->DrawTextCentered(0.5f, 0.4f, 1.0f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "MAS INFO EN %s",
                            MenuContext::kWebAddress);
        const float k = cosf(5.0f * animTime);
        r->DrawTextCentered(0.5f, 0.5f, 1.4f, c.fadeR, c.fadeG * k, c.fadeB * k + 0.7f, 1.0f,
                            "MENU PRINCIPAL");
    }

    r->DrawText(0.0f, 0.88f, 0.8f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "<< TECLAS >>");
    // The help lines hold key names, never format directives of their own.
    r->DrawText(0.0f, 0.91f, 0.6f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "%s", helpSelect);
    r->DrawText(0.0f, 0.93f, 0.6f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "%s", helpBack);
    r->DrawText(0.0f, 0.95f, 0.6f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "%s", helpMove);

    float y = 0.6f;
    for (MenuItem* item = first; item; item = item->next, y += 0.05f) {
        const bool highlighted = item == current;
        r->DrawTextCentered(0.5f, y, highlighted ? 1.3f : 1.0f, c.fadeR, c.fadeG, c.fadeB,
                            highlighted ? 1.0f : 0.7f, "%s", item->label);
    }
}

bool MenuTree::EndFrame(float dt) {
    MenuContext& c = context;
    c.particles->DrawFront(0.0f, 0.0f, dt);
    c.particles->DrawBleeding(0.0f, 0.0f, dt);
    c.renderer->SetOverlayMode(0, 0);

    MoveThroughLevel();

    const bool enter = c.keyboard->SpecialKeyOnce(kSpecialEnter);
    if ((c.keyboard->ActionOnce(0, kInputPunch1) || enter) && current->child) {
        current = first = FirstOfLevel(current->child);
    }

    const bool escape = c.keyboard->SpecialKeyOnce(kSpecialEscape);
    if (!c.keyboard->ActionOnce(0, kInputKick1) && !escape) return false;
    if (c.ladder->IsActive()) c.ladder->Reset();
    const bool topLevel = !FirstOfLevel(current)->parent;
    GoUp();
    return topLevel;
}

void MenuTree::DrawModeTitle(float dt) {
    modeTitleClock += dt;
    const float k = cosf(5.0f * modeTitleClock);
    context.renderer->DrawTextCentered(0.5f, 0.5f, 1.4f, 1.0f, k, k + 0.7f, 1.0f,
                                       "MODO DE JUEGO");
}
