// The menu object's life and its tree of items.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/MenuController.h"
#include "sdk/Bicho.h"

MenuController::MenuController(GameSettings* settings, GestionJuego* ladder)
    : settings_(settings), ladder_(ladder) {}

MenuController::~MenuController() {
    // Release is the program's job at exit; this only catches what a
    // caller that skipped it would leak.
    FreeLevel(root);
    root = current = first = demoLeaf = arcadeLeaf = nullptr;
    if (menuFigure) DestroyBicho(menuFigure);
    menuFigure = nullptr;
}

int MenuController::Init(WindowHandle windowHandle, Particulas* particleSystem,
                         Teclado* keys, Renderer* drawing, Sonido* music) {
    window = windowHandle;
    particles = particleSystem;
    keyboard = keys;
    renderer = drawing;
    sound = music;

    // Never drawn: only the source of the move effect's bursts.
    menuFigure = CreateBicho();
    menuFigure->Init(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    menuFigure->SetX(0.5f);
    count = 0;

    background[0] = renderer->LoadTexture("bmp\\MenuBgSI.bmp");
    background[1] = renderer->LoadTexture("bmp\\MenuBgSD.bmp");
    background[2] = renderer->LoadTexture("bmp\\MenuBgII.bmp");
    background[3] = renderer->LoadTexture("bmp\\MenuBgID.bmp");
    pictures[kPictureNumerals] = renderer->LoadTextureKeyed("bmp\\numerosB.bmp", 255, 0, 255);
    pictures[kPictureGlow] = renderer->LoadTexture("bmp\\sunflare.bmp");

    BuildTree();
    current = first = root;
    BuildHelpLines();
    return 0;
}

MenuItem* MenuController::AddItem(MenuItem** anchor, const char* label, MenuAction action,
                                  int mode) {
    MenuItem* item = static_cast<MenuItem*>(calloc(1, sizeof(MenuItem)));
    item->label = strdup(label ? label : "");
    item->action = action;
    if (!*anchor) {
        *anchor = item;
        return item;
    }
    if (mode == 1) {
        MenuItem* last = *anchor;
        while (last->next) last = last->next;
        last->next = item;
        item->prev = last;
    } else if (mode == 2) {
        if ((*anchor)->child) {
            free(item->label);
            free(item);
            return nullptr;
        }
        (*anchor)->child = item;
        item->parent = *anchor;
    }
    return item;
}

void MenuController::BuildTree() {
    using namespace menu_actions;
    MenuItem* play = AddItem(&root, "JUGAR", nullptr, 1);
    MenuItem* arcade = AddItem(&play, "1 PLAYER (ARCADE)", ModeTitle, 2);
    MenuItem* versus = AddItem(&arcade, "2 PLAYER (VS)", ModeTitle, 1);
    MenuItem* demo = AddItem(&arcade, "DEMO", ModeTitle, 1);
    arcadeLeaf = AddItem(&arcade, "", Arcade, 2);
    AddItem(&versus, "", Versus, 2);
    demoLeaf = AddItem(&demo, "", Demo, 2);

    MenuItem* options = AddItem(&root, "OPCIONES", nullptr, 1);
    MenuItem* keys = AddItem(&options, "CONFIGURACION DEL TECLADO", OptionsTitle, 2);
    MenuItem* rounds = AddItem(&keys, "ROUNDS PARA GANAR", OptionsTitle, 1);
    MenuItem* time = AddItem(&keys, "TIEMPO", OptionsTitle, 1);
    MenuItem* stage = AddItem(&keys, "OPCIONES FONDO", OptionsTitle, 1);
    AddItem(&keys, "", Keys, 2);
    MenuItem* more = AddItem(&rounds, "AUMENTAR NUMERO DE ROUNDS", RoundsValue, 2);
    MenuItem* fewer = AddItem(&more, "DISMINUIR NUMERO DE ROUNDS", RoundsValue, 1);
    AddItem(&more, "", RoundsUp, 2);
    AddItem(&fewer, "", RoundsDown, 2);
    MenuItem* perRound = AddItem(&time, "TIEMPO POR ROUND", TimeValue, 2);
    AddItem(&perRound, "", TimeNext, 2);
    MenuItem* stageChoice = AddItem(&stage, "OPCIONES FONDO", StageValue, 2);
    AddItem(&stageChoice, "", StageToggle, 2);

    MenuItem* exit = AddItem(&root, "SALIR", nullptr, 1);
    AddItem(&exit, "", Exit, 2);
}

static MenuItem* FirstOfLevel(MenuItem* item) {
    while (item->prev) item = item->prev;
    return item;
}

void MenuController::GoUp() {
    current = FirstOfLevel(current);
    if (current->parent) {
        current = first = current->parent;
        first = FirstOfLevel(first);
    }
}

void MenuController::ReturnToRoot() {
    current = first = root;
    idleTime = 20.0f;
}

// A key outside the key table has no name (a captured or saved code).
static const char* Shown(const char* name) { return name ? name : ""; }

void MenuController::BuildHelpLines() {
    snprintf(helpSelect, sizeof helpSelect, "%s <=> SELECCIONAR",
             Shown(keyboard->KeyName(0, kInputPunch1)));
    snprintf(helpBack, sizeof helpBack, "%s O ESCAPE <=> MENU ANTERIOR O SALIR SI ES EL PRINCIPAL",
             Shown(keyboard->KeyName(0, kInputKick1)));
    // Two calls: a key-name function may answer from one buffer.
    char up[64];
    snprintf(up, sizeof up, "%s", Shown(keyboard->KeyName(0, kInputUp)));
    snprintf(helpMove, sizeof helpMove, "%s Y %s <=> MOVERSE POR EL MENU", up,
             Shown(keyboard->KeyName(0, kInputDown)));
}

void MenuController::SetTint(float value) {
    fadeR = fadeG = fadeB = value;
    if (particles) particles->SetTint(value, value, value);
}

void MenuController::FreeLevel(MenuItem* item) {
    while (item) {
        MenuItem* next = item->next;
        FreeLevel(item->child);
        free(item->label);
        free(item);
        item = next;
    }
}

void MenuController::Release() {
    // A quit request can arrive while the selection holds its creatures.
    if (count > 0) ReleaseCharacters();
    for (TextureHandle& t : background) renderer->ReleaseTexture(t);
    renderer->ReleaseTexture(pictures[kPictureNumerals]);
    renderer->ReleaseTexture(pictures[kPictureGlow]);
    // The whole tree: the sub-levels are the menu's too.
    FreeLevel(root);
    root = current = first = demoLeaf = arcadeLeaf = nullptr;
    if (menuFigure) {
        menuFigure->Release();
        DestroyBicho(menuFigure);
        menuFigure = nullptr;
    }
}
