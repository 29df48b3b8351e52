#include "tools/keyconfig/CaptureRule.h"

CaptureResult ApplyCaptureRule(const uint8_t state[kHeldKeyCount], const KeyBindings& bindings,
                               uint8_t* captured) {
    for (int code = 0; code < kHeldKeyCount; ++code) {
        if ((state[code] & kHeldDownBit) == 0) continue;
        uint8_t key = static_cast<uint8_t>(code);
        if (IsKeyBound(bindings, key)) return kCaptureRefused;
        if (captured) *captured = key;
        return kCaptureTaken;
    }
    return kCaptureNothing;
}
