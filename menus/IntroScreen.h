#pragma once
// The intro: the logo while the pictures load, then the 38-second story of
// the egg with two yolks, ending on the game's title.
#include "fight/GameState.h"
#include "menus/MenuContext.h"
#include "sdk/Renderer.h"

class IntroScreen : public MenuScreen {
public:
    using MenuScreen::MenuScreen;

    // The intro's pictures, in loading order.
    enum Picture : int {
        kLogo,
        kLoflipo,  // loaded and released with the rest, never drawn
        kEgg,
        kYolk,
        kHorns,
        kHalo,
        kBolts,
        kStar,
        kBoltsKeyed,
        kHero1,
        kHero2,
        kPictureCount
    };


    // Puts the logo on screen at once; start-up calls it as soon as the
    // renderer runs, and Load does when nobody has.
    void ShowLogo(Renderer* drawing);
    // The other pictures, while the logo stays on screen.
    void Load();
    // One frame. On the last one (past 38 s or Escape) the pictures are
    // released, the menu music starts and the state is the menu's; answers
    // true then.
    bool Frame(GameState* gameState, float dt);

    TextureHandle pictures[kPictureCount] = {};
    float clock = 0.0f;
    float boltTimer = 0.0f;
    float boltOffsets[5] = {};
    bool sparksShown = false;
    bool logoShown = false;
};
