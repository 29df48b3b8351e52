#pragma once
// Where the keyboard's 256-key device state comes from each frame.
#include <cstdint>

constexpr int kKeyStateSize = 256;
constexpr uint8_t kKeyDown = 0x80;

class KeyboardSource {
public:
    virtual ~KeyboardSource() = default;
    // Fills the state (kKeyDown per key held, indexed by DIK code). False
    // when the device could not be read; the state is then all keys up.
    virtual bool Read(uint8_t state[kKeyStateSize]) = 0;
};
