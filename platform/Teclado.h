#pragma once
// Keyboard of the two players: bindings, per-frame input flags, special
// moves, once-per-press queries, key capture and key names. The one
// implementation is TecladoDI.
#include <cstdint>

#include "platform/PlatformTypes.h"

typedef uint32_t InputFlags;

// GetInput mirrors left and right for a fighter facing -1, so that 0x8 is
// "forward" while special moves are recognised. Creature behaviours read
// 0x4 and 0x8 as screen directions (left, right); this turns a human's flags
// back to screen directions before they reach a creature, so the left key
// walks left whichever way the fighter faces.
inline InputFlags ScreenDirections(InputFlags flags, int facing) {
    const InputFlags sides = flags & 0xCu;
    if (facing == -1 && (sides == 0x4u || sides == 0x8u)) flags ^= 0xCu;
    return flags;
}

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
};

// The keyboard object the game starts with.
Teclado* CreateKeyboard();
