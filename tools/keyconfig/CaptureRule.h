#pragma once
// What the capture box does with the keys down on one timer tick.
#include <cstdint>

#include "tools/keyconfig/HeldKeys.h"
#include "tools/keyconfig/KeyBindings.h"

enum CaptureResult {
    kCaptureNothing,  // no key down: keep waiting
    kCaptureRefused,  // the lowest key down is bound already: say so, keep waiting
    kCaptureTaken,    // *captured holds the new key
};

// Looks at the codes from 0 upward and judges only the first one down. Any
// unbound code is taken, Escape and codes without a name included.
CaptureResult ApplyCaptureRule(const uint8_t state[kHeldKeyCount], const KeyBindings& bindings,
                               uint8_t* captured);
