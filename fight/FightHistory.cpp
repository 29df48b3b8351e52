#include "fight/FightHistory.h"

#include "base/StateBuffer.h"
#include "fight/Fight.h"
#include "fight/TimeEffects.h"

namespace {

constexpr size_t kFirstCapacity = 64 * 1024;
// Past this a fight's state is not a state but a runaway.
constexpr size_t kMostCapacity = 64u * 1024 * 1024;

}  // namespace

size_t SaveFightGrowing(const FightController& fight, const SnapshotPlan& plan,
                        std::vector<unsigned char>& buffer) {
    if (buffer.empty()) buffer.resize(kFirstCapacity);
    for (;;) {
        const size_t size = SaveFight(fight, plan, buffer.data(), buffer.size());
        if (size || buffer.size() >= kMostCapacity) return size;
        buffer.resize(buffer.size() * 2);
    }
}

bool FightHistory::Begin(FightController& fight, int depth, const char* feature) {
    End();
    if (depth < 1 || depth > kMaxDepth || !PlanSnapshots(fight, &plan_, feature)) return false;
    fight_ = &fight;
    depth_ = depth;
    active_ = true;
    return true;
}

void FightHistory::End() {
    active_ = false;
    held_ = 0;
    next_ = 0;
    fight_ = nullptr;
    plan_ = SnapshotPlan();
}

int FightHistory::SlotOf(int back) const {
    return ((next_ - 1 - back) % depth_ + depth_) % depth_;
}

bool FightHistory::SaveInto(Slot& slot) {
    slot.size = SaveFightGrowing(*fight_, plan_, slot.snapshot);
    return slot.size != 0;
}

bool FightHistory::SaveBefore() {
    if (!active_) return false;
    return SaveInto(slots_[next_]);
}

void FightHistory::Commit(const PolledInput& input, double delta) {
    if (!active_) return;
    Slot& slot = slots_[next_];
    if (!slot.size) return;
    slot.input = input;
    slot.delta = delta;
    next_ = (next_ + 1) % depth_;
    if (held_ < depth_) ++held_;
}

PolledInput* FightHistory::InputOf(int back) {
    if (!active_ || back < 0 || back >= held_) return nullptr;
    return &slots_[SlotOf(back)].input;
}

const unsigned char* FightHistory::SnapshotOf(int back, size_t* size) const {
    if (!active_ || back < 0 || back >= held_) return nullptr;
    const Slot& slot = slots_[SlotOf(back)];
    *size = slot.size;
    return slot.size ? slot.snapshot.data() : nullptr;
}

bool FightHistory::RunAgain(int frames, bool resave) {
    if (!active_ || frames < 1 || frames > held_) return false;
    FightController& fight = *fight_;
    const Slot& first = slots_[SlotOf(frames - 1)];
    if (RestoreFight(fight, plan_, first.snapshot.data(), first.size) != SnapshotResult::kOk)
        return false;
    for (int back = frames - 1; back >= 0; --back) {
        Slot& slot = slots_[SlotOf(back)];
        if (resave && back != frames - 1 && !SaveInto(slot)) return false;
        const float dt = RunTimeEffects(fight.context.settings, slot.delta);
        if (fight.context.keyboard) fight.context.keyboard->UsePolled(slot.input);
        FightFrame(fight, dt);
        if (!FightLoaded(fight)) {
            End();
            return false;
        }
    }
    return true;
}
