#include "platform/AltEnter.h"

namespace {
const int kEnters[2] = {0x1C, 0x9C};  // RETURN, NUMPADENTER
const int kLeftAlt = 0x38, kRightAlt = 0xB8;
}  // namespace

void AltEnterFilter::Apply(uint8_t state[kKeyStateSize]) {
    const bool alt = (state[kLeftAlt] | state[kRightAlt]) & kKeyDown;
    for (int i = 0; i < 2; ++i) {
        const bool down = state[kEnters[i]] & kKeyDown;
        if (!down) hidden_[i] = false;
        else if (alt && !wasDown_[i]) hidden_[i] = true;
        wasDown_[i] = down;
        if (hidden_[i]) state[kEnters[i]] = 0;
    }
}
