#pragma once
// The key configuration screen: both players' ten keys, browsed with
// player 1's keys and changed one at a time by capturing a new key.
#include "menus/MenuContext.h"

class KeyConfigScreen : public MenuScreen {
public:
    using MenuScreen::MenuScreen;

    static constexpr int kRowsPerPlayer = 10;
    static constexpr int kRows = 2 * kRowsPerPlayer;
    enum class Mode { kBrowsing, kCapturing };


    // One frame. True when a key was changed, so the menu's help lines,
    // which name keys, are out of date.
    bool Frame(float dt);

    float clock = 0.0f;
    int row = 0;
    Mode mode = Mode::kBrowsing;
    bool error = false;

private:
    void Browse();
    bool Capture();
};
