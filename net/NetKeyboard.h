#pragma once
// The keyboard the game reads during an online session: each frame's poll
// takes the two players' confirmed (or predicted) buttons instead of the
// devices, as if each played on a pad; everything else is the real one's.
#include "input/Teclado.h"

class NetKeyboard final : public Teclado {
public:
    // Owns the real keyboard.
    explicit NetKeyboard(Teclado* inner) : inner_(inner) {}
    ~NetKeyboard() override { delete inner_; }
    NetKeyboard(const NetKeyboard&) = delete;
    NetKeyboard& operator=(const NetKeyboard&) = delete;
    // What the next Poll hands the game.
    void SetFrameInput(const PolledInput& input) { frame_ = input; }

    int Init(WindowHandle window, InstanceHandle instance) override {
        return inner_->Init(window, instance);
    }
    int Shutdown() override { return inner_->Shutdown(); }
    int Poll() override {
        inner_->UsePolled(frame_);
        return 1;
    }
    int CaptureKey(int player, int bit) override { return inner_->CaptureKey(player, bit); }
    InputFlags GetInput(int player, int facing, float dt) override {
        return inner_->GetInput(player, facing, dt);
    }
    bool TestLastInput(uint32_t mask) override { return inner_->TestLastInput(mask); }
    bool AnyKeyDown() override { return inner_->AnyKeyDown(); }
    bool SpecialKeyOnce(int which) override { return inner_->SpecialKeyOnce(which); }
    bool ActionOnce(int player, int bit) override { return inner_->ActionOnce(player, bit); }
    const char* KeyName(int player, int bit) override { return inner_->KeyName(player, bit); }
    void SaveState(StateWriter& out) const override { inner_->SaveState(out); }
    bool RestoreState(StateReader& in) override { return inner_->RestoreState(in); }
    void KeepPolled(PolledInput* out) const override { inner_->KeepPolled(out); }
    void UsePolled(const PolledInput& in) override { inner_->UsePolled(in); }
    uint32_t ReadLocalButtons() override { return inner_->ReadLocalButtons(); }

private:
    Teclado* inner_;
    PolledInput frame_;
};
