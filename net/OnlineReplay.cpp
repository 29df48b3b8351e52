#include "net/OnlineReplay.h"

#include "base/Log.h"
#include "fight/Fight.h"
#include "fight/FightHistory.h"
#include "menus/MenuController.h"

void OnlineReplay::BeforeFrame() {
    game_.menus->KeepAwake();
    fightFrame_ = *game_.state == GameState::kFight && FightLoaded(*game_.fight);
    if (!fightFrame_) plan_ = SnapshotPlan();
}

void OnlineReplay::AfterFrame(double delta) {
    if (delta <= 0.0) return;
    const int frame = frames_++;
    if (!fightFrame_ || !FightLoaded(*game_.fight)) return;
    if (!plan_.ready && !PlanSnapshots(*game_.fight, &plan_, "Red")) return;
    const size_t size = SaveFightGrowing(*game_.fight, plan_, snapshot_);
    if (!size) return;
    haveSum_ = true;
    sumFrame_ = frame;
    sum_ = SnapshotChecksum(snapshot_.data(), size);
}

void OnlineReplay::Finish() {
    LogPrintf("     Red: repeticion terminada: %d fotogramas, suma %016llx del fotograma %d\n",
              frames_, static_cast<unsigned long long>(haveSum_ ? sum_ : 0), sumFrame_);
}
