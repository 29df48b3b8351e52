#pragma once
// One online session between two games: the handshake, then the same frames
// on both sides. Outside the fight each frame waits for both players' input;
// inside it the local input is used at once, the remote one predicted by
// repeating its last, and a late input that differs rolls the fight back to
// the frame it belongs to and runs it again, muted. Each side sends the
// checksum of every confirmed fight frame; a difference ends the match.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fight/FightHistory.h"
#include "fight/GameState.h"
#include "net/NetLink.h"
#include "net/NetPackets.h"
#include "net/OnlineSetup.h"
#include "platform/PadSource.h"

class MenuController;
class MutingRenderer;
class MutingSound;
class NetKeyboard;
struct FightController;
struct GameSettings;

// The game the session drives, filled by the program.
struct OnlineGame {
    FightController* fight = nullptr;
    GameState* state = nullptr;
    GameSettings* settings = nullptr;
    MenuController* menus = nullptr;
    NetKeyboard* keyboard = nullptr;
    MutingRenderer* renderer = nullptr;
    MutingSound* sound = nullptr;
    // One whole frame of the game on the keyboard's frame input, at a fixed
    // 1/60 s; it calls BeforeFrame and AfterFrame around the screens.
    void (*runFrame)() = nullptr;
};

// The same start for an online session and for the replay of its recording:
// the host's options, the agreed random seed, the versus selection.
void StartOnlineGame(const OnlineGame& game, const NetOptions& options);

class OnlineMatch {
public:
    // As a session file writes 1/60 s: the recording replays bit for bit.
    static constexpr double kFrameSeconds = 0.016667;
    static constexpr int kMostAhead = FightHistory::kMaxDepth;

    OnlineMatch(const OnlineSetup& setup, const OnlineGame& game);
    ~OnlineMatch();
    // Opens the port or calls the host; false (said on stderr and in the
    // log) when it cannot.
    bool Start();
    // Called by the program's loop as often as it likes: network, pacing,
    // and at most one new frame.
    void Tick();
    // Around the screens of each frame the session runs.
    void BeforeFrame();
    void AfterFrame();
    // The match ended or the player left from the pause: the fight asks.
    void LeaveFromPause();
    // At the program's end: a last word to the peer and the summary line.
    void Finish();

private:
    enum class Phase { kConnecting, kPlaying, kEnding };
    static constexpr int kRing = 256;
    static constexpr int kKeptSnapshots = 32;  // confirmed fight frames, for a desync

    void Receive();
    void Handle(const NetMessage& message);
    void HandleHello(const NetHello& hello);
    void HandleInputs(const NetInputs& inputs);
    void Begin();
    void SendInputs();
    void Send(const NetMessage& message, bool reliable);
    void SendHello();
    bool MayPredict() const;
    void SampleLocal();
    void RunFrame();
    void RollBackFrom(uint32_t frame);
    void Confirm();
    void ConfirmChecksum(uint32_t frame);
    void CompareChecksum(uint32_t frame);
    // Logs it, keeps that frame's snapshot in logs/ and ends the session.
    void Desync(uint32_t frame, bool tellPeer);
    void Record(uint32_t frame);
    void End(const std::string& logText, const char* screenText, uint8_t byeReason);
    void DrawNotice(const char* text);
    void Dropped(const char* why, int count = 1);
    double Now() const;
    uint16_t InputOf(int player, uint32_t frame) const;

    OnlineSetup setup_;
    OnlineGame game_;
    NetLink link_;
    Phase phase_ = Phase::kConnecting;
    NetHello own_;
    bool helloSent_ = false;
    NetOptions options_;
    int delay_ = 0;
    int side_ = 0;  // 0 the host, player 1; 1 the joiner, player 2

    // Inputs by frame, in rings: the local side's for frames < localHave_,
    // the remote's for frames < remoteHave_, and the remote input each frame
    // actually ran with.
    uint16_t local_[kRing] = {};
    uint16_t remote_[kRing] = {};
    uint16_t usedRemote_[kRing] = {};
    bool fightFrame_[kRing] = {};
    uint32_t localHave_ = 0;
    uint32_t remoteHave_ = 0;
    uint32_t remoteAck_ = 0;     // the first of ours the peer lacks
    uint32_t remoteLatest_ = 0;  // the peer's newest frame with input
    uint32_t frame_ = 0;         // the next frame to run
    uint32_t confirmed_ = 0;     // frames below it have both inputs and ran on them
    FightHistory history_;
    bool historyRefused_ = false;
    bool frameWasFight_ = false;

    // Checksums of confirmed fight frames, own and the peer's, by frame.
    struct Sum {
        uint32_t frame = UINT32_MAX;
        uint64_t sum = 0;
    };
    Sum ownSums_[kRing];
    Sum theirSums_[kRing];
    std::vector<unsigned char> confirmedSnapshots_[kKeptSnapshots];
    uint32_t snapshotFrames_[kKeptSnapshots] = {};
    std::vector<unsigned char> scratch_;
    bool haveLastSum_ = false;
    uint32_t lastSumFrame_ = 0;
    uint64_t lastSum_ = 0;

    NetChecksum recent_[kNetMaxChecksums];
    int recentNext_ = 0;
    PolledInput frameInput_;
    bool leaving_ = false;
    int rounds_[2] = {0, 0};  // won when the frame began
    int remoteAdvantage_ = 0;
    int advantageSum_ = 0;
    NetOptions kept_;  // this player's own, while the host's are lent
    bool began_ = false;

    FILE* recording_ = nullptr;
    PadFrame recordedPads_;

    int rollbacks_ = 0;
    int rolledFrames_ = 0;
    double rollbackSeconds_ = 0.0;
    double startedAt_ = 0.0;
    double nextFrameAt_ = 0.0;
    double lastHeardAt_ = 0.0;
    double endAt_ = 0.0;
    double lastSendAt_ = 0.0;
    double stalledSince_ = -1.0;
    double lastNoticeAt_ = -1.0;
    const char* endText_ = "";
    bool summaryLogged_ = false;
    int dropped_ = 0;
    int linkDropsSeen_ = 0;
    double lastDropLog_ = -10.0;
    std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
};
