#pragma once
// The replay of an online session's recording: started as the session was
// (StartOnlineGame), kept awake the same way, and ended with the checksum
// of its last fight frame, which must be the session's.
#include <cstdint>
#include <vector>

#include "fight/FightSnapshot.h"
#include "net/OnlineMatch.h"

class OnlineReplay {
public:
    explicit OnlineReplay(const OnlineGame& game) : game_(game) {}
    void BeforeFrame();
    // `delta` 0: the frame a replay adds after its file's end, not the session's.
    void AfterFrame(double delta);
    // "Red: repeticion terminada: N fotogramas, suma S del fotograma F".
    void Finish();

private:
    OnlineGame game_;
    SnapshotPlan plan_;
    std::vector<unsigned char> snapshot_;
    bool fightFrame_ = false;
    int frames_ = 0;
    bool haveSum_ = false;
    int sumFrame_ = -1;
    uint64_t sum_ = 0;
};
