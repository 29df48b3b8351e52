#pragma once
// The live pads: SDL's game controllers, looked for again every frame, so a
// pad plugged in or pulled out during play is taken or dropped at once.
// The first pad plays player 1, the second player 2; a pad pulled out frees
// its player and the next pad plugged in takes the lowest free one.
#include <cstdint>
#include <vector>

#include "platform/PadSource.h"

struct _SDL_GameController;

// Extra mappings for pads SDL does not know, in the community database's
// format; read when present.
extern const char kPadMappingsPath[];  // "cfg\\gamecontrollerdb.txt"

class PadSourceSDL : public PadSource {
public:
    // Null, logged, when SDL's game controllers cannot start.
    static PadSourceSDL* Open();
    ~PadSourceSDL() override;
    PadSourceSDL(const PadSourceSDL&) = delete;
    PadSourceSDL& operator=(const PadSourceSDL&) = delete;
    void Read(PadFrame* frame) override;

private:
    PadSourceSDL() = default;
    bool Holds(int32_t instance) const;
    void DropPulledOut();
    void TakeNewPads();

    _SDL_GameController* pads_[kPadPlayers] = {};
    PadFrame frame_;
    std::vector<int32_t> unusable_;  // joysticks without a mapping, logged once
};
