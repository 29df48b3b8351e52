#include "tools/keyconfig/HeldKeys.h"

#include <cstring>

#include "platform/KeyNames.h"

void HeldKeys::Press(int xKeycode) {
    uint8_t code = DikFromXKeycode(xKeycode);
    if (code != 0) state_[code] = kHeldDownBit;
}

void HeldKeys::Release(int xKeycode) {
    uint8_t code = DikFromXKeycode(xKeycode);
    if (code != 0) state_[code] = 0;
}

void HeldKeys::Clear() { memset(state_, 0, sizeof state_); }

bool HeldKeys::IsDown(int dikCode) const {
    return dikCode >= 0 && dikCode < kHeldKeyCount && (state_[dikCode] & kHeldDownBit) != 0;
}
