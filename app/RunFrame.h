#pragma once
// One frame of the main loop.
#include <cstdint>

#include "app/FrameTimer.h"
#include "sdk/GameSettings.h"
#include "fight/GameState.h"

class Renderer;
class Teclado;
class Sonido;

// Watches each frame from outside the screens (the sync test): before its
// time effects, after its poll and after its screen ran.
class FrameWatch {
public:
    virtual void BeforeFrame() = 0;
    virtual void AfterPoll() = 0;
    virtual void AfterFrame(double delta) = 0;

protected:
    ~FrameWatch() = default;
};

// What a frame works on. The game builds it from its process-wide objects;
// tests build their own.
struct FrameContext {
    FrameTimer* timer;
    GameSettings* settings;
    GameState* state;
    Renderer* renderer;
    Teclado* keyboard;
    Sonido* sound;  // may be null
    // Screens by state; each receives the address of the state and dt.
    void (*menuFrame)(GameState* state, float dt);
    void (*fightFrame)(float dt);
    void (*introFrame)(GameState* state, float dt);
    void (*creditsFrame)(GameState* state, float dt);
    uint32_t (*tickCount)();
    void (*setTitle)(const char* title);
    double (*frameTime)(double measured);  // recording / replay hook
    FrameWatch* watch = nullptr;
};

// Frame rate bookkeeping of the window title and the overlay.
struct FrameRateDisplay {
    float frameRate = 30.0f;
    float frameRateShown = 30.0f;
    float lastTitleUpdate = 0.0f;
};

void RunFrameWith(const FrameContext& context, FrameRateDisplay* display);
// The game's frame, on its process-wide objects.
void RunFrame();
