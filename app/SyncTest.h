#pragma once
// The sync test: with CORRALON_SYNCTEST=N (1 to 8) every fight frame is run,
// then the fight goes back N frames and runs them again on the same input and
// frame times, muted, and the two states must be the same to the byte. A
// difference is logged with the frame and the first part of the state that
// differs. Rollback stands on this proof.
#include <vector>

#include "app/RunFrame.h"
#include "fight/FightHistory.h"

class MutingRenderer;
class MutingSound;
class Teclado;
struct FightController;

// N from CORRALON_SYNCTEST, 0 when unset; a value outside 1..8 is logged and
// taken as 0.
int SyncTestDepth();

class SyncTest final : public FrameWatch {
public:
    SyncTest(int depth, FightController* fight, GameState* state, MutingRenderer* renderer,
             MutingSound* sound);

    void BeforeFrame() override;
    void AfterPoll() override;
    void AfterFrame(double delta) override;

    int Checked() const { return checked_; }
    int Differences() const { return differences_; }
    // "Sincronia: N fotogramas de lucha comprobados, M diferencias".
    void LogSummary() const;

private:
    void Check();

    int depth_;
    FightController* fight_;
    GameState* state_;
    MutingRenderer* renderer_;
    MutingSound* sound_;
    FightHistory history_;
    bool refused_ = false;  // this fight's creatures cannot be saved
    bool running_ = false;  // a fight frame between BeforeFrame and AfterFrame
    PolledInput polled_;
    std::vector<unsigned char> live_;
    std::vector<unsigned char> again_;
    int fightFrames_ = 0;
    int checked_ = 0;
    int differences_ = 0;
};
