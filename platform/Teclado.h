#pragma once
// Keyboard of the two players: bindings, per-frame input flags, special
// moves, once-per-press queries, key capture and key names. The one
// implementation is TecladoDI.
#include <cstdint>

#include "platform/PlatformTypes.h"

typedef uint32_t InputFlags;

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
