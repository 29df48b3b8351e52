#include "app/SyncTest.h"

#include <cstdlib>

#include "base/Log.h"
#include "base/StateBuffer.h"
#include "fight/Fight.h"
#include "platform/Muting.h"

namespace {

const char kFeature[] = "Sincronia";

}  // namespace

int SyncTestDepth() {
    const char* value = getenv("CORRALON_SYNCTEST");
    if (!value || !*value) return 0;
    char* end = nullptr;
    const long depth = strtol(value, &end, 10);
    if (*end || depth < 1 || depth > FightHistory::kMaxDepth) {
        LogPrintf("     Sincronia: CORRALON_SYNCTEST=%s no vale (1 a %d), sin comprobar\n", value,
                  FightHistory::kMaxDepth);
        return 0;
    }
    return static_cast<int>(depth);
}

SyncTest::SyncTest(int depth, FightController* fight, GameState* state, MutingRenderer* renderer,
                   MutingSound* sound)
    : depth_(depth), fight_(fight), state_(state), renderer_(renderer), sound_(sound) {}

void SyncTest::BeforeFrame() {
    running_ = false;
    if (*state_ != GameState::kFight || !FightLoaded(*fight_)) {
        history_.End();
        refused_ = false;
        return;
    }
    if (!history_.Active() && !refused_ && !history_.Begin(*fight_, depth_, kFeature))
        refused_ = true;
    running_ = history_.Active() && history_.SaveBefore();
}

void SyncTest::AfterPoll() {
    if (running_ && fight_->context.keyboard) fight_->context.keyboard->KeepPolled(&polled_);
}

void SyncTest::AfterFrame(double delta) {
    if (!running_) return;
    running_ = false;
    ++fightFrames_;
    // A frame that ended the fight has nothing left to go back to.
    if (!FightLoaded(*fight_)) {
        history_.End();
        return;
    }
    history_.Commit(polled_, delta);
    if (history_.Frames() >= depth_) Check();
}

void SyncTest::Check() {
    const SnapshotPlan& plan = history_.Plan();
    const size_t liveSize = SaveFightGrowing(*fight_, plan, live_);
    if (!liveSize) return;
    renderer_->SetMuted(true);
    sound_->SetMuted(true);
    const bool ran = history_.RunAgain(depth_, false);
    renderer_->SetMuted(false);
    sound_->SetMuted(false);
    ++checked_;
    if (!ran) {
        ++differences_;
        LogPrintf("     Sincronia: diferencia en el fotograma %d: la lucha no se pudo repetir\n",
                  fightFrames_);
        return;
    }
    if (again_.size() < live_.size()) again_.resize(live_.size());
    StateWriter writer(again_.data(), again_.size());
    const size_t againSize = SaveFight(*fight_, plan, writer);
    if (againSize == liveSize &&
        SnapshotChecksum(again_.data(), againSize) == SnapshotChecksum(live_.data(), liveSize))
        return;
    ++differences_;
    const char* part = FirstDifference(live_.data(), liveSize, again_.data(), againSize, writer);
    LogPrintf("     Sincronia: diferencia en el fotograma %d: %s\n", fightFrames_,
              part ? part : "suma");
    // Play goes on from the state the frame really reached.
    RestoreFight(*fight_, plan, live_.data(), liveSize);
}

void SyncTest::LogSummary() const {
    LogPrintf("     Sincronia: %d fotogramas de lucha comprobados, %d diferencias\n", checked_,
              differences_);
}
