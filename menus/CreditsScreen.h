#pragma once
// The credits: names and portraits scroll up over the sketches for 33
// seconds, then the program closes.
#include "fight/GameState.h"
#include "menus/MenuContext.h"
#include "sdk/Renderer.h"

class CreditsScreen : public MenuScreen {
public:
    using MenuScreen::MenuScreen;

    // The credits' pictures, in loading order.
    enum Picture : int {
        kFont,
        kBolts,  // loaded and released with the rest, never drawn
        kFinal,
        kCaricatures,
        kSketch1,
        kSketch2,
        kSketch3,
        kSketch4,
        kClosingCaricature,
        kPictureCount
    };


    // The credits font, which every later text is set in, then the pictures.
    void Load();
    // One frame; after 33 s or Escape the pictures go and the program closes.
    void Frame(GameState* gameState, float dt);

    TextureHandle pictures[kPictureCount] = {};
    float clock = 0.0f;
};
