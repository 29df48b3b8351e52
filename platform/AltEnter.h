#pragma once
// Alt+Enter switches full screen and nothing else: the Enter of the chord
// is hidden from the game, from the frame it goes down with Alt held until
// it is released, even when Alt is let go first.
#include <cstdint>

#include "platform/KeyboardSource.h"

class AltEnterFilter {
public:
    void Apply(uint8_t state[kKeyStateSize]);

private:
    // RETURN, NUMPADENTER
    bool hidden_[2] = {false, false};
    bool wasDown_[2] = {false, false};
};
