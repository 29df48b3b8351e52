#pragma once
// Where the two players' pads come from each frame: which pad plays each
// player and the game's buttons it holds.
#include <cstdint>
#include <string>

#include "sdk/InputBits.h"

constexpr int kPadPlayers = 2;

// A pad's buttons are InputFlags bits (directions and the six actions,
// as screen directions) plus these two.
constexpr uint32_t kPadStart = 0x1000;
constexpr uint32_t kPadBack = 0x2000;
constexpr uint32_t kPadPlayButtons = kInputDirections | kInputPunch1 | kInputPunch2 |
                                     kInputPunch3 | kInputKick1 | kInputKick2 | kInputKick3;
constexpr uint32_t kPadButtons = kPadPlayButtons | kPadStart | kPadBack;
static_assert((kPadPlayButtons & (kPadStart | kPadBack)) == 0, "pad bits overlap");

struct PadSlot {
    uint32_t connection = 0;  // 0: no pad; a new number each time a pad is taken
    std::string name;
    uint32_t buttons = 0;
};

struct PadFrame {
    PadSlot players[kPadPlayers];
    uint32_t taken = 0;  // pads taken so far: the source of connection numbers
};

class PadSource {
public:
    virtual ~PadSource() = default;
    // Brings the frame up to date: pads taken and dropped, buttons held.
    virtual void Read(PadFrame* frame) = 0;
};
