#pragma once
#include "platform/AltEnter.h"
#include "platform/KeyboardSource.h"
#include "sdk/PlatformTypes.h"

// The live keyboard: SDL's key state translated to DIK codes. All keys are
// up while the window (any SDL window when there is none) lacks the focus,
// and while SDL video is not running. The Enter of Alt+Enter never shows.
class KeyboardSourceSDL : public KeyboardSource {
public:
    explicit KeyboardSourceSDL(WindowHandle window);
    bool Read(uint8_t state[kKeyStateSize]) override;

private:
    WindowHandle window_;
    uint8_t dikOfScancode_[512];
    AltEnterFilter altEnter_;
};
