#pragma once
// The last frames of a fight, each as it was before it ran (its snapshot),
// with the input it ran on and its frame time; and those frames run again.
// Rollback rests on this: go back, run forward on the same (or corrected)
// input. The caller mutes the drawing and the sound around RunAgain.
#include <vector>

#include "fight/FightSnapshot.h"
#include "input/Teclado.h"

struct FightController;

class FightHistory {
public:
    static constexpr int kMaxDepth = 8;

    // Plans the snapshots of the loaded fight and keeps `depth` frames.
    // False, with one log line from `feature`, when the fight cannot be saved.
    bool Begin(FightController& fight, int depth, const char* feature);
    // Forgets the frames: the fight ended or changed.
    void End();
    bool Active() const { return active_; }

    // Before a frame runs: its snapshot. False when it could not be saved.
    bool SaveBefore();
    // After it ran: the input it polled and its frame time.
    void Commit(const PolledInput& input, double delta);
    // Frames held, up to the depth.
    int Frames() const { return held_; }

    // Restores the fight to before the `frames`-th last frame and runs those
    // frames again. With `resave` each frame run again saves its snapshot
    // anew, for a later rollback over corrected input. False when the
    // snapshot was refused or the fight ended while running.
    bool RunAgain(int frames, bool resave);
    // The input of a held frame, `back` frames from the last (0 the last).
    PolledInput* InputOf(int back);
    // The snapshot taken before that frame ran, or null.
    const unsigned char* SnapshotOf(int back, size_t* size) const;

    const SnapshotPlan& Plan() const { return plan_; }
    FightController* Fight() const { return fight_; }

private:
    struct Slot {
        std::vector<unsigned char> snapshot;
        size_t size = 0;
        PolledInput input;
        double delta = 0.0;
    };
    int SlotOf(int back) const;
    bool SaveInto(Slot& slot);

    FightController* fight_ = nullptr;
    SnapshotPlan plan_;
    Slot slots_[kMaxDepth];
    int depth_ = 0;
    int next_ = 0;  // the slot the next frame saves into
    int held_ = 0;
    bool active_ = false;
};

// Grows `buffer` until the fight's snapshot fits (allocating only when the
// state has grown) and saves it; the bytes written, 0 on failure.
size_t SaveFightGrowing(const FightController& fight, const SnapshotPlan& plan,
                        std::vector<unsigned char>& buffer);
