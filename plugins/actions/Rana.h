#pragma once
#include <tuple>
// The frog: a fighter with a computer player, jumps, punches, a dash, a
// special attack and a dying fall; on a stage without an opponent of its own
// it is a spectator that cheers or cowers.
#include "sdk/InputBits.h"
#include "sdk/InterfazAcciones.h"

class Bicho;

// Input bits the frog reads.
enum RanaInput {
    kRanaUp = kInputUp,
    kRanaDown = kInputDown,
    kRanaLeft = kInputLeft,
    kRanaRight = kInputRight,
    kRanaDirections = kInputDirections,
    kRanaPunch = kInputPunch1,
    kRanaSlowMotion = kInputKick3,
    kRanaSpecialAttack = kInputSpecialDownForward,
    kRanaDash = kInputSpecialForwardTwice,
};

class Rana : public InterfazAcciones {
public:
    int Init(Bicho* owner, const char* directory) override;
    int Stop() override;
    int Reset() override { return 1; }
    float QueryA(int) override { return 1.0f; }
    float QueryB(int) override { return 1.0f; }
    int Think(float dt) override;
    int UpdateFight(int flags, float dt) override;
    int OnHit(int attackerFlags, int zero) override;
    int UpdateAlone(int flags, float dt) override;
    int DrawExtra(float, float, float) override { return 1; }
    // What the frog keeps between frames: the computer player's plan.
    auto StateFields() { return std::tie(aiFlags_, aiMode_, aiTimer_); }

private:
    enum Mode { kAttack = 0, kKeepAway = 1, kFlee = 2 };

    // Standing or walking: the only animations an action may interrupt.
    bool Free() const;
    bool LowLife() const;
    void Decide(float gap);
    void Stand(int flags, float dt, float* x);
    void Fly(float dt, float* x, float* y);
    bool CanStartSpecial() const;
    void StartDash();
    void SpecialAttack(float x, float y);
    void EndOfAnimation(int flags);
    void Die();

    Bicho* owner_ = nullptr;
    bool hasSamples_ = false;
    int swish_ = -1;
    int thump_ = -1;
    int aiFlags_ = 0;
    int aiMode_ = kAttack;
    float aiTimer_ = 0.0f;
};
