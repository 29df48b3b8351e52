#pragma once
// A player's actions for one frame, as the keyboard or a behaviour's Think
// produces them. Behaviours read them, so the bit values never change.
#include <cstdint>

typedef uint32_t InputFlags;

enum InputBit : InputFlags {
    kInputUp = 0x001,
    kInputDown = 0x002,
    kInputLeft = 0x004,    // the keyboard's GetInput: back, against the facing
    kInputRight = 0x008,   // the keyboard's GetInput: forward, the way it faces
    kInputKick1 = 0x010,
    kInputPunch1 = 0x020,
    kInputKick2 = 0x040,
    kInputPunch2 = 0x080,
    kInputKick3 = 0x100,
    kInputPunch3 = 0x200,
    kInputSpecialDownForward = 0x400,    // down, down+forward, forward, punch 1
    kInputSpecialForwardTwice = 0x800,   // forward, forward, punch 1
    kInputSpecialBackForward = 0x10000,  // down, back, forward, punch 1
    kInputSpecialDownBack = 0x20000,     // down, down+back, back, punch 1
};

constexpr InputFlags kInputSides = kInputLeft | kInputRight;
constexpr InputFlags kInputDirections = kInputUp | kInputDown | kInputSides;
