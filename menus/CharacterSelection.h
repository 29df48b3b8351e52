#pragma once
// The character selection: the grid of creatures, both sides' cursors,
// portraits and creatures, the players' and the computer's choices, and
// the versus splash that leads to the fight.
#include <cstdint>

#include "fight/GameState.h"
#include "menus/MenuContext.h"
#include "sdk/Renderer.h"

class Bicho;

// Who chooses: the computer both sides, the player against the computer's
// ladder, or two players.
enum class SelectionMode { kDemo, kArcade, kVersus };

class CharacterSelection : public MenuScreen {
public:
    using MenuScreen::MenuScreen;

    static constexpr int kMaxCreatures = 28;
    static constexpr int kGridColumns = 7;


    // The pictures kept from start-up to exit: the numerals sheet (the
    // splash's emblem) and the glow behind the grid and the sides.
    void LoadPictures();
    void ReleasePictures();
    // The listed creatures and, with them, the splash's scroll picture.
    void LoadCharacters();
    void ReleaseCharacters();

    int Frame(StartFightFn startFight, GameState* gameState, float dt, SelectionMode mode);
    // Around each menu frame: a frame that did not show the selection
    // forgets half-made choices, and entering it again may log a missing
    // list again.
    void BeginMenuFrame() { ranThisFrame = false; }
    void EndMenuFrame();

    // The creature's name; "" when its file gave none (a missing or broken file).
    const char* NameOf(int index) const;

    TextureHandle numerals = 0;
    TextureHandle glow = 0;
    TextureHandle scroll = 0;  // bmp\loflipo.bmp, loaded with the creatures
    Bicho* creatures[kMaxCreatures] = {};
    char* files[kMaxCreatures] = {};
    int count = 0;
    int cursor1 = 0, cursor2 = 0;
    uint8_t chosen1 = 0, chosen2 = 0;
    bool ranThisFrame = false;

    float clock = 0.0f;
    float lastSpark1 = 0.0f, lastSpark2 = 0.0f;
    float move1 = 0.0f, move2 = 0.0f;
    float choice1 = 0.0f, choice2 = 0.0f;
    float step1 = 0.0f, step2 = 0.0f;
    float delay1 = 3.0f, delay2 = 3.0f;
    float versus = 5.0f;
    bool musicPending = true;
    bool burstPending = true;
    bool listErrorLogged = false;  // once per entry, not per frame

private:
    // The splash; once it has run out the fight is started.
    void VersusSplash(StartFightFn startFight, GameState* gameState, float dt);
};
