#pragma once
// The fight controller: set-up, one frame of a fight, rounds, the round-end
// sequence, the arcade ladder and the way back to the menu.
#include "fight/FightDisplay.h"
#include "fight/GameState.h"

class Bicho;
class Fondo;
class GestionJuego;
class Particulas;
class Renderer;
class Sonido;
class Teclado;
struct GameSettings;

// What the fight asks of the screens above it. The program hands these in,
// so the fight never includes the menus.
struct FightHooks {
    void (*returnMenuToRoot)(void* user);  // when a match ends or the player quits
    void* user;  // handed back to the hook
};

// The round in progress and its end sequence.
struct FightState {
    int phase = 0;             // round-end phase, 0 while the round is fought
    float phaseTimer = 5.0f;   // time left in the current round-end phase
    float fightClock = 0.0f;   // time since the round began
    bool roundOver = false;
    bool paused = false;
    int firstMover = 0;        // fighter updated first this frame
};

// The program's objects the fight works with. The fight sits below the
// program, so the program fills this at start-up instead of the fight
// reaching for its globals.
struct FightContext {
    Renderer* renderer = nullptr;
    Teclado* keyboard = nullptr;
    Sonido* sound = nullptr;
    Particulas* particles = nullptr;
    GameSettings* settings = nullptr;
    GestionJuego* run = nullptr;
    GameState* state = nullptr;
    FightHooks hooks = {nullptr, nullptr};
    // A tool's own stage file; null lets the stage list choose.
    const char* stageFile = nullptr;
};

// One per program: owns the stage and both fighters from LoadFight to
// FreeFight.
struct FightController {
    FightContext context;
    FightState state;
    Fondo* stage = nullptr;
    Bicho* fighters[2] = {nullptr, nullptr};
    FightDisplay display;
    // F2's box view, a debugging aid: outlives LoadFight and is never kept
    // in the options.
    bool showBoxes = false;
};

void LoadFight(FightController& fight);
void FightFrame(FightController& fight, float dt);
void FreeFight(FightController& fight);
inline bool FightLoaded(const FightController& fight) { return fight.stage != nullptr; }
