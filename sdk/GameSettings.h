#pragma once
// The one record of game-wide settings. Creatures and their behaviour
// libraries receive its address, so the field order is part of the plug-in
// boundary.
#include <cstdint>

struct GameSettings {
    uint8_t unlimitedTime = 0;
    float roundTime = 60.0f;
    float slowMotionTime = 0.0f;
    float freezeTime = 0.0f;
    uint8_t debugInfo = 0;
    char* player1Name = nullptr;  // heap copies (malloc), freed at exit
    char* player2Name = nullptr;
    int32_t gameMode = 0;  // 0 arcade, 1 versus, 3 demonstration
    int32_t roundsToWin = 2;
    uint8_t randomBackground = 0;
    char musicIntro[256] = {};
    char musicMenu[256] = {};
    char musicSelected[256] = {};
    char musicCredits[256] = {};
};
