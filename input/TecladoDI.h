#pragma once
// The keyboard of the game: a 256-key device state read once per frame from
// a KeyboardSource, the two players' bindings, special moves, once-per-press
// latches and key capture. With pads, a player's input is the union of his
// keys and his pad; Start counts as Enter and Back as Escape, from either
// pad. Keys alone are captured and named.
#include <cstdint>

#include "platform/KeyboardSource.h"
#include "platform/PadSource.h"
#include "input/Teclado.h"
#include "input/TecladoBindings.h"
#include "input/TecladoHistory.h"

class TecladoDI : public Teclado {
public:
    // Without a source, Init picks one for its window (live keys, or the
    // recorded ones during a replay). Without pads there are none, unless
    // UsePads asked Init to pick them the same way. The object owns both.
    explicit TecladoDI(KeyboardSource* source = nullptr, PadSource* pads = nullptr);
    void UsePads() { wantPads_ = true; }
    ~TecladoDI() override;
    TecladoDI(const TecladoDI&) = delete;
    TecladoDI& operator=(const TecladoDI&) = delete;

    int Init(WindowHandle window, InstanceHandle instance) override;
    int Shutdown() override;
    int Poll() override;
    int CaptureKey(int player, int bit) override;
    InputFlags GetInput(int player, int facing, float dt) override;
    bool TestLastInput(uint32_t mask) override;
    bool AnyKeyDown() override;
    bool SpecialKeyOnce(int which) override;
    bool ActionOnce(int player, int bit) override;
    const char* KeyName(int player, int bit) override;

    void SaveState(StateWriter& out) const override;
    bool RestoreState(StateReader& in) override;
    void KeepPolled(PolledInput* out) const override;
    void UsePolled(const PolledInput& in) override;
    uint32_t ReadLocalButtons() override;

    // The capture guard is set once per process; tests start over with this.
    static void ResetCaptureGuard();

private:
    bool IsDown(int code) const { return code >= 0 && code < kKeyStateSize && (state_[code] & kKeyDown); }
    // Any pad holds one of the buttons.
    bool AnyPad(uint32_t buttons) const;
    // The binding's key or the same button on the player's pad.
    bool Held(int player, int index) const;
    void ReadPads();
    void ClearRuntimeState();
    // After a poll: a latch opens when its key is let go.
    void OpenReleasedLatches();

    int32_t lastResult_ = 0;
    KeyboardSource* source_ = nullptr;   // stands where the DirectInput object was
    bool sourceReady_ = false;           // and the acquired device
    bool bindingsRead_ = false;          // only bindings read at Init are saved
    uint8_t state_[kKeyStateSize] = {};
    uint8_t escapeLatch_ = 0;
    uint8_t enterLatch_ = 0;
    uint8_t f2Latch_ = 0;
    // Practice keys act outside the fight: not in its saved state.
    uint8_t f5Latch_ = 0;
    uint8_t f9Latch_ = 0;
    uint32_t lastFlags_ = 0;
    uint8_t bindings_[2][kBindingCount] = {};
    uint8_t pressLatches_[2][kBindingCount] = {};
    KeyHistoryNode* history_[2] = {nullptr, nullptr};
    PadSource* pads_ = nullptr;
    bool wantPads_ = false;
    PadFrame padFrame_;
    PadFrame localPads_;  // the devices as an online side reads them
};
