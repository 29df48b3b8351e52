#pragma once
// The main menu: the tree of items, moving through it, and the frame drawn
// around whatever the highlighted item shows (backgrounds, titles, help
// lines, the item labels). Running the highlighted item's action is the
// menu object's job, not the tree's.
#include "fight/GameState.h"
#include "menus/MenuContext.h"
#include "sdk/Renderer.h"

class Bicho;
class MenuController;

// What an item's action asks of the menu object once it has run.
enum class MenuRequest { kStay, kCredits };

// Called every frame while its item is the highlighted one. The menu is
// handed in, so the actions need no process-wide pointer to it.
typedef MenuRequest (*MenuAction)(MenuController& menu, StartFightFn startFight,
                                  GameState* gameState, float dt);

struct MenuItem {
    char* label;        // owned copy
    MenuAction action;  // may be null
    MenuItem* child;    // first item of the sub-level
    MenuItem* parent;   // set on the first item of a sub-level only
    MenuItem* next;
    MenuItem* prev;
};

class MenuTree {
public:
    static constexpr int kHelpSize = 128;
    static constexpr int kAppendItem = 1;   // AddItem: after the anchor's level
    static constexpr int kAddSubLevel = 2;  // AddItem: as the anchor's sub-level

    explicit MenuTree(MenuContext& context);
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;
    ~MenuTree();

    // The menu figure and the four background quarters.
    void Load();
    // At exit, in this order: the background pictures, then (after the
    // other screens' pictures) the whole tree and the figure.
    void ReleasePictures();
    void FreeItems();

    MenuItem* AddItem(MenuItem** anchor, const char* label, MenuAction action, int mode);
    void GoUp();
    // After a fight: the top level again, the idle countdown restarted.
    void ReturnToRoot();
    void RestartIdle();
    void BuildHelpLines();

    // The part of a menu frame before the highlighted item's action: the
    // fade-in, the idle demo, the arcade lock, the arrows, and everything
    // drawn behind the item.
    void BeginFrame(float dt);
    // The part after it: the front particles, then select and back. True
    // when back was pressed on the top level, which leaves for the credits.
    bool EndFrame(float dt);
    // The pulsing "MODO DE JUEGO" over the play items.
    void DrawModeTitle(float dt);

    MenuContext& context;
    Bicho* menuFigure = nullptr;  // never drawn: the source of the move bursts
    TextureHandle background[4] = {};
    MenuItem* root = nullptr;
    MenuItem* current = nullptr;
    MenuItem* first = nullptr;
    MenuItem* demoLeaf = nullptr;
    MenuItem* arcadeLeaf = nullptr;
    MenuItem* versusLeaf = nullptr;  // where an online session plays
    float idleTime = 20.0f;
    float animTime = 0.0f;
    float menuClock = 0.0f;       // drives the one fade-in
    float modeTitleClock = 0.0f;  // pulse of "MODO DE JUEGO"
    char helpSelect[kHelpSize] = {};
    char helpBack[kHelpSize] = {};
    char helpMove[kHelpSize] = {};

private:
    // Up and down through the current level, with the move effect.
    void MoveThroughLevel();
    // The move effect: two bursts from the menu figure at height y.
    void MoveEffect(float y);
    void FreeLevel(MenuItem* item);
};
