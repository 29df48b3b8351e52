#pragma once
// The fight display: the marker (bars, names, clock, won rounds, arcade
// score) and the round start every fight frame, the round-end banners and
// the arcade tally. It draws over the fight it is given.
#include "sdk/Renderer.h"

struct FightController;

// The display's pictures and the round clock, which the fight reads for
// time over.
struct FightDisplay {
    TextureHandle digitsTexture = 0;  // "bmp\numerosb.bmp": digits, "VS", unlimited sign
    TextureHandle barTexture = 0;     // "bmp\barra3.bmp": life and power bars
    TextureHandle eggTexture = 0;     // "bmp\huevo.bmp": won rounds
    float roundClock = 0.0f;          // seconds of the running round
    bool clockRunning = false;        // set by the fight
    float roundAge = 0.0f;            // seconds since the round began
};

// The three marker pictures, keyed on magenta; clocks to zero.
void LoadDisplay(FightDisplay& display, Renderer* renderer);
void ReleaseDisplay(FightDisplay& display, Renderer* renderer);

// Each answers 1.
int DrawHud(FightController& fight, float dt);
int ShowResult(FightController& fight, float phaseTimer);
int ShowPerfect(FightController& fight, float phaseTimer);
int ShowTally(FightController& fight, float phaseTimer);
