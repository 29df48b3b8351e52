#pragma once
// Keyboard of the two players: bindings, per-frame input flags, special
// moves, once-per-press queries, key capture and key names. The one
// implementation is TecladoDI.
#include <cstdint>

#include "sdk/InputBits.h"
#include "sdk/PlatformTypes.h"

// GetInput mirrors left and right for a fighter facing -1, so that right is
// "forward" while special moves are recognised. Creature behaviours read
// left and right as screen directions; this turns a human's flags back to
// screen directions before they reach a creature, so the left key walks left
// whichever way the fighter faces.
inline InputFlags ScreenDirections(InputFlags flags, int facing) {
    const InputFlags sides = flags & kInputSides;
    if (facing == -1 && (sides == kInputLeft || sides == kInputRight)) flags ^= kInputSides;
    return flags;
}

class StateReader;
class StateWriter;

// What one Poll read: the 256 keys and the buttons of each player's pad.
struct PolledInput {
    static constexpr int kKeys = 256;
    uint8_t keys[kKeys] = {};
    uint32_t padButtons[2] = {};
};

// What SpecialKeyOnce asks about.
enum SpecialKey : int {
    kSpecialEscape = 5,
    kSpecialEnter = 6,
    kSpecialF2 = 7,
    kSpecialF5 = 8,  // practice: keep the fight as it is
    kSpecialF9 = 9,  // practice: put it back
};

class Teclado {
public:
    virtual int Init(WindowHandle window, InstanceHandle instance) = 0;
    virtual int Shutdown() = 0;
    virtual int Poll() = 0;
    virtual int CaptureKey(int player, int bit) = 0;
    virtual InputFlags GetInput(int player, int facing, float dt) = 0;
    virtual bool TestLastInput(uint32_t mask) = 0;
    virtual bool AnyKeyDown() = 0;
    virtual bool SpecialKeyOnce(int which) = 0;
    virtual bool ActionOnce(int player, int bit) = 0;
    virtual const char* KeyName(int player, int bit) = 0;
    virtual ~Teclado() = default;  // after the operations: their slots stay in order

    // A fight's saved state holds the latches, the press histories and what
    // the last poll read; a keyboard that keeps none saves nothing.
    virtual void SaveState(StateWriter&) const {}
    virtual bool RestoreState(StateReader&) { return true; }
    // What the last Poll read, and a frame run again on it in place of a
    // poll (a rollback repeats the frames' input, not the device's).
    virtual void KeepPolled(PolledInput* out) const { *out = PolledInput(); }
    virtual void UsePolled(const PolledInput&) {}
    // Reads the devices for one side of an online match: player 1's keys
    // and the first pad, in pad buttons (screen directions, actions, Enter
    // as START, Escape as BACK). Nothing the game reads changes: the match
    // hands every frame its input through UsePolled.
    virtual uint32_t ReadLocalButtons() { return 0; }
};

// The keyboard object: keys only, or, as the game starts it, with the
// players' pads beside the keys.
Teclado* CreateKeyboard();
Teclado* CreateKeyboardWithPads();
