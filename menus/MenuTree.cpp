// The main menu's items, pictures and help lines.
#include "menus/MenuTree.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "input/Teclado.h"
#include "menus/MenuContext.h"
#include "sdk/Bicho.h"

MenuTree::MenuTree(MenuContext& shared) : context(shared) {}

MenuTree::~MenuTree() {
    // Release is the program's job at exit; this only catches what a
    // caller that skipped it would leak.
    FreeLevel(root);
    root = current = first = demoLeaf = arcadeLeaf = versusLeaf = nullptr;
    if (menuFigure) DestroyBicho(menuFigure);
    menuFigure = nullptr;
}

void MenuTree::Load() {
    menuFigure = CreateBicho();
    menuFigure->Init(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    menuFigure->SetX(0.5f);

    Renderer* r = context.renderer;
    background[0] = r->LoadTexture("bmp\\MenuBgSI.bmp");
    background[1] = r->LoadTexture("bmp\\MenuBgSD.bmp");
    background[2] = r->LoadTexture("bmp\\MenuBgII.bmp");
    background[3] = r->LoadTexture("bmp\\MenuBgID.bmp");
}

MenuItem* MenuTree::AddItem(MenuItem** anchor, const char* label, MenuAction action, int mode) {
    MenuItem* item = static_cast<MenuItem*>(calloc(1, sizeof(MenuItem)));
    item->label = strdup(label ? label : "");
    item->action = action;
    if (!*anchor) {
        *anchor = item;
        return item;
    }
    if (mode == kAppendItem) {
        MenuItem* last = *anchor;
        while (last->next) last = last->next;
        last->next = item;
        item->prev = last;
    } else if (mode == kAddSubLevel) {
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

static MenuItem* FirstOfLevel(MenuItem* item) {
    while (item->prev) item = item->prev;
    return item;
}

void MenuTree::GoUp() {
    current = FirstOfLevel(current);
    if (current->parent) {
        current = first = current->parent;
        first = FirstOfLevel(first);
    }
}

void MenuTree::ReturnToRoot() {
    current = first = root;
    RestartIdle();
}

void MenuTree::RestartIdle() { idleTime = 20.0f; }

// A key outside the key table has no name (a captured or saved code).
static const char* Shown(const char* name) { return name ? name : ""; }

void MenuTree::BuildHelpLines() {
    Teclado* keyboard = context.keyboard;
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

void MenuTree::FreeLevel(MenuItem* item) {
    while (item) {
        MenuItem* next = item->next;
        FreeLevel(item->child);
        free(item->label);
        free(item);
        item = next;
    }
}

void MenuTree::ReleasePictures() {
    for (TextureHandle& t : background) context.renderer->ReleaseTexture(t);
}

void MenuTree::FreeItems() {
    // The whole tree: the sub-levels are the menu's too.
    FreeLevel(root);
    root = current = first = demoLeaf = arcadeLeaf = versusLeaf = nullptr;
    if (menuFigure) {
        menuFigure->Release();
        DestroyBicho(menuFigure);
        menuFigure = nullptr;
    }
}
