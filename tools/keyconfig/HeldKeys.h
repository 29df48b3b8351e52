#pragma once
// The keys held down while the capture box is open, indexed by DIK code and
// kept from the box's own key events (there is no global keyboard state to
// poll). X hardware key codes are turned into DIK codes with the game's table.
#include <cstdint>

constexpr int kHeldKeyCount = 256;
constexpr uint8_t kHeldDownBit = 0x80;

class HeldKeys {
public:
    // Keys the table does not know (no DIK code) are ignored.
    void Press(int xKeycode);
    void Release(int xKeycode);
    // Everything up, for when the box loses the keyboard: releases made
    // elsewhere never reach it.
    void Clear();

    bool IsDown(int dikCode) const;
    const uint8_t* State() const { return state_; }

private:
    uint8_t state_[kHeldKeyCount] = {};
};
