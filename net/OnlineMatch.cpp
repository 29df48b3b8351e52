#include "net/OnlineMatch.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

#include "base/Clock.h"
#include "base/Log.h"
#include "base/Random.h"
#include "effects/Particulas.h"
#include "fight/Fight.h"
#include "fight/FightSnapshot.h"
#include "input/InputSession.h"
#include "input/KeyboardSourceSessionFormat.h"
#include "menus/MenuController.h"
#include "net/MatchFiles.h"
#include "net/NetKeyboard.h"
#include "net/OnlineRecording.h"
#include "platform/Events.h"
#include "platform/Muting.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "sdk/Renderer.h"
#include "sdk/Sonido.h"

#ifndef CORRALON_BUILD_ID
#define CORRALON_BUILD_ID "sin-version"
#endif

namespace {

constexpr double kNoticeAfter = 3.0;     // silence before the wait shows
constexpr double kShowWaitAfter = 0.5;   // a stall this long shows too
constexpr double kGiveUpAfter = 10.0;    // silence that ends the session
constexpr double kEndingShown = 2.5;     // the reason stays on screen
constexpr double kResendEvery = 0.05;
constexpr double kJoinTimeout = 30.0;
constexpr uint32_t kFarAhead = 128;      // inputs further ahead are a lie
constexpr int kBalanceEvery = 60;   // frames between two looks at the lead
enum ByeReason : uint8_t { kByeLeft = 0, kByeDifferent = 1, kByeDesync = 2 };

bool ValidOptions(const NetOptions& o) {
    return o.roundsToWin >= 1 && o.roundsToWin <= 3 && std::isfinite(o.roundTime) &&
           o.roundTime > 0.0f && o.roundTime <= 3600.0f && o.unlimitedTime <= 1 &&
           o.randomBackground <= 1;
}

}  // namespace

void StartOnlineGame(const OnlineGame& game, const NetOptions& options) {
    GameSettings& s = *game.settings;
    s.roundsToWin = options.roundsToWin;
    s.roundTime = options.roundTime;
    s.unlimitedTime = options.unlimitedTime;
    s.randomBackground = options.randomBackground;
    s.gameMode = 1;
    s.slowMotionTime = s.freezeTime = 0.0f;
    GameRandom().SetState(options.seed);
    if (game.fight->context.particles) game.fight->context.particles->Clear();
    game.menus->EnterVersusSelection();
    game.menus->KeepAwake();
    *game.state = GameState::kMenu;
    if (game.sound) game.sound->PlayMusic(s.musicMenu);
}

OnlineMatch::OnlineMatch(const OnlineSetup& setup, const OnlineGame& game)
    : setup_(setup), game_(game), side_(setup.host ? 0 : 1) {}

OnlineMatch::~OnlineMatch() {
    if (recording_) fclose(recording_);
}

double OnlineMatch::Now() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - epoch_).count();
}

bool OnlineMatch::Start() {
    std::string error;
    const bool opened = setup_.host ? link_.Host(setup_.port, &error)
                                    : link_.Join(setup_.address.c_str(), setup_.port, &error);
    if (!opened) {
        LogPrintf("     Red: %s\n", error.c_str());
        fprintf(stderr, "Corralon: red: %s\n", error.c_str());
        return false;
    }
    own_.host = setup_.host ? 1 : 0;
    own_.build = CORRALON_BUILD_ID;
    own_.files = MatchFiles();
    const GameSettings& s = *game_.settings;
    own_.options = {s.roundsToWin, s.roundTime, s.unlimitedTime, s.randomBackground,
                    1u + (PlatformTickCount() & 0x7fffffffu)};
    if (setup_.host)
        LogPrintf("     Red: esperando rival en el puerto %u\n", setup_.port);
    else
        LogPrintf("     Red: llamando a %s:%u\n", setup_.address.c_str(), setup_.port);
    startedAt_ = lastHeardAt_ = Now();
    return true;
}

void OnlineMatch::Send(const NetMessage& message, bool reliable) {
    std::vector<uint8_t> bytes;
    if (EncodeMessage(message, &bytes)) link_.Send(bytes, reliable);
}

void OnlineMatch::SendHello() {
    if (helloSent_ || !link_.Connected()) return;
    NetMessage m;
    m.kind = NetKind::kHello;
    m.hello = own_;
    Send(m, true);
    helloSent_ = true;
}

void OnlineMatch::Dropped(const char* why, int count) {
    dropped_ += count;
    const double now = Now();
    if (now - lastDropLog_ < 1.0) return;
    lastDropLog_ = now;
    LogPrintf("     Red: datagrama descartado (%s), %d en total\n", why, dropped_);
}

void OnlineMatch::Receive() {
    // What the link could not take in (a flood) is reported like the rest.
    if (link_.Dropped() > linkDropsSeen_) {
        Dropped("demasiados datagramas", link_.Dropped() - linkDropsSeen_);
        linkDropsSeen_ = link_.Dropped();
    }
    std::vector<uint8_t> bytes;
    while (link_.Receive(&bytes)) {
        NetMessage message;
        if (!DecodeMessage(bytes.data(), bytes.size(), &message)) {
            Dropped("ilegible");
            continue;
        }
        lastHeardAt_ = Now();
        Handle(message);
    }
}

void OnlineMatch::Handle(const NetMessage& m) {
    switch (m.kind) {
        case NetKind::kHello:
            if (phase_ == Phase::kConnecting) HandleHello(m.hello);
            break;
        case NetKind::kInputs:
            if (phase_ != Phase::kConnecting) HandleInputs(m.inputs);
            break;
        case NetKind::kBye:
            // A peer that ended at a frame this side has still to run ends
            // here too when that frame comes: both end on the same frame.
            if (phase_ == Phase::kPlaying && (m.reason != kByeLeft || m.frame <= frame_))
                End(m.reason == kByeDesync ? "el otro juego se ha desincronizado"
                                           : "el otro jugador ha terminado la sesion",
                    "EL OTRO JUGADOR HA TERMINADO", 0xff);
            break;
        case NetKind::kDesync:
            if (phase_ == Phase::kPlaying) Desync(m.frame, false);
            break;
    }
}

void OnlineMatch::HandleHello(const NetHello& hello) {
    // Ours goes first, so a peer we refuse can name the difference too.
    SendHello();
    std::string difference;
    if (hello.protocol != kNetProtocol)
        difference = "protocolo " + std::to_string(hello.protocol) + " contra " +
                     std::to_string(kNetProtocol);
    else if (hello.host == own_.host)
        difference = hello.host ? "los dos esperan rival (--host)" : "los dos llaman (--join)";
    else if (hello.build != own_.build)
        difference = "programa " + hello.build + " contra " + own_.build;
    else
        difference = FirstFileDifference(own_.files, hello.files);
    if (difference.empty() && !own_.host && !ValidOptions(hello.options))
        difference = "opciones del anfitrion no validas";
    if (!difference.empty()) {
        End("el otro juego no es igual: " + difference, "EL OTRO JUEGO NO ES IGUAL", kByeDifferent);
        return;
    }
    options_ = own_.host ? own_.options : hello.options;
    Begin();
}

void OnlineMatch::Begin() {
    phase_ = Phase::kPlaying;
    const uint32_t rtt = link_.RoundTripMs();
    delay_ = setup_.delay >= 0 ? setup_.delay
                               : std::min(3, static_cast<int>(std::lround(rtt / 2.0 / 16.667)));
    LogPrintf("     Red: conectados (%s), ida y vuelta %u ms, retardo %d fotogramas\n",
              side_ == 0 ? "jugador 1" : "jugador 2", rtt, delay_);
    kept_ = {game_.settings->roundsToWin, game_.settings->roundTime,
             game_.settings->unlimitedTime, game_.settings->randomBackground, 0};
    began_ = true;
    StartOnlineGame(game_, options_);
    // The session's own recording: both players' confirmed inputs.
    // (under CORRALON_REPLAY as well: the local keys come from that file).
    const char* path = getenv("CORRALON_RECORD");
    if (path && *path) {
        if (InputSessionGetMode() == kSessionRecord) InputSessionEnd();
        recording_ = OpenOnlineRecording(path, options_);
    }
    for (int f = 0; f < delay_; ++f) local_[f] = 0;
    localHave_ = static_cast<uint32_t>(delay_);
    nextFrameAt_ = Now();
    lastHeardAt_ = Now();
}

void OnlineMatch::HandleInputs(const NetInputs& in) {
    if (in.count == 0 && in.checksumCount == 0) return;
    if (in.first > remoteHave_ + kFarAhead || in.first + in.count > frame_ + kFarAhead) {
        Dropped("fotogramas demasiado adelantados");
        return;
    }
    remoteAck_ = std::max(remoteAck_, std::min(in.received, localHave_));
    // An ended session only keeps the peer supplied; its game stays as it is.
    if (phase_ != Phase::kPlaying) return;
    remoteAdvantage_ = in.advantage;
    const uint32_t before = remoteHave_;
    for (uint32_t i = 0; i < in.count; ++i) {
        const uint32_t f = in.first + i;
        if (f != remoteHave_) continue;  // known, or beyond a gap the next one fills
        remote_[f % kRing] = in.buttons[i];
        ++remoteHave_;
    }
    for (int i = 0; i < in.checksumCount; ++i) {
        const NetChecksum& c = in.checksums[i];
        theirSums_[c.frame % kRing] = {c.frame, c.sum};
        CompareChecksum(c.frame);
        if (phase_ != Phase::kPlaying) return;
    }
    // The first frame that ran on a wrong guess goes back and runs again.
    const uint32_t upTo = std::min(remoteHave_, frame_);
    for (uint32_t f = before; f < upTo; ++f) {
        if (remote_[f % kRing] != usedRemote_[f % kRing]) {
            RollBackFrom(f);
            break;
        }
    }
    Confirm();
}

uint16_t OnlineMatch::InputOf(int player, uint32_t frame) const {
    if (player == side_) return local_[frame % kRing];
    if (frame < remoteHave_) return remote_[frame % kRing];
    return remoteHave_ ? remote_[(remoteHave_ - 1) % kRing] : 0;
}

bool OnlineMatch::MayPredict() const {
    const FightController& fight = *game_.fight;
    return *game_.state == GameState::kFight && FightLoaded(fight) && history_.Active() &&
           !fight.state.roundOver && !fight.state.paused &&
           frame_ - remoteHave_ < static_cast<uint32_t>(kMostAhead);
}

void OnlineMatch::SampleLocal() {
    // The local player's input for the frame `delay_` ahead of the next:
    // the replay's next line under CORRALON_REPLAY, the devices otherwise.
    InputSessionFrameTime(kFrameSeconds);
    local_[localHave_ % kRing] = static_cast<uint16_t>(game_.keyboard->ReadLocalButtons());
    ++localHave_;
}

void OnlineMatch::RunFrame() {
    NetKeyboard& keyboard = *game_.keyboard;
    PolledInput input;
    input.padButtons[0] = InputOf(0, frame_);
    input.padButtons[1] = InputOf(1, frame_);
    usedRemote_[frame_ % kRing] = InputOf(1 - side_, frame_);
    keyboard.SetFrameInput(input);
    frameInput_ = input;
    game_.menus->KeepAwake();
    game_.runFrame();
    fightFrame_[frame_ % kRing] = frameWasFight_;
    ++frame_;
}

void OnlineMatch::BeforeFrame() {
    FightController& fight = *game_.fight;
    frameWasFight_ = *game_.state == GameState::kFight && FightLoaded(fight);
    if (!frameWasFight_) {
        history_.End();
        historyRefused_ = false;
        return;
    }
    for (int i = 0; i < 2; ++i) rounds_[i] = fight.fighters[i]->GetRoundsWon();
    if (!history_.Active() && !historyRefused_ &&
        !history_.Begin(fight, kMostAhead, "Red"))
        historyRefused_ = true;  // this fight plays without rollback
    if (history_.Active()) history_.SaveBefore();
}

void OnlineMatch::AfterFrame() {
    // Rounds are awarded before the round-end sequence: the last frame of a
    // fight starts with the final score.
    if (frameWasFight_ && !FightLoaded(*game_.fight) && !leaving_)
        LogPrintf("     Red: combate terminado en el fotograma %u, gana el jugador %d (%d a %d)\n",
                  frame_, rounds_[0] > rounds_[1] ? 1 : 2, rounds_[0], rounds_[1]);
    if (frameWasFight_ && history_.Active()) {
        if (FightLoaded(*game_.fight))
            history_.Commit(frameInput_, kFrameSeconds);
        else
            history_.End();
    }
    if (leaving_) {
        leaving_ = false;
        End("el jugador ha salido desde la pausa", "PARTIDA TERMINADA", kByeLeft);
    } else if (*game_.state == GameState::kMenu && !game_.menus->InVersusSelection()) {
        End("el jugador ha salido de la seleccion", "PARTIDA TERMINADA", kByeLeft);
    }
}

void OnlineMatch::LeaveFromPause() { leaving_ = true; }

void OnlineMatch::RollBackFrom(uint32_t frame) {
    const int frames = static_cast<int>(frame_ - frame);
    if (!history_.Active() || frames > history_.Frames()) {
        End("no se puede volver atras en la lucha", "PARTIDA DESINCRONIZADA", kByeDesync);
        return;
    }
    for (uint32_t f = frame; f < frame_; ++f) {
        const uint16_t remote = InputOf(1 - side_, f);
        history_.InputOf(static_cast<int>(frame_ - 1 - f))->padButtons[1 - side_] = remote;
        usedRemote_[f % kRing] = remote;
    }
    const double started = Now();
    game_.renderer->SetMuted(true);
    game_.sound->SetMuted(true);
    const bool ran = history_.RunAgain(frames, true);
    game_.renderer->SetMuted(false);
    game_.sound->SetMuted(false);
    rollbackSeconds_ += Now() - started;
    ++rollbacks_;
    rolledFrames_ += frames;
    if (!ran) End("la lucha no se pudo repetir", "PARTIDA DESINCRONIZADA", kByeDesync);
}

void OnlineMatch::Confirm() {
    const uint32_t upTo = std::min(remoteHave_, frame_);
    while (phase_ == Phase::kPlaying && confirmed_ < upTo) {
        const uint32_t c = confirmed_++;
        Record(c);
        if (fightFrame_[c % kRing]) ConfirmChecksum(c);
    }
}

void OnlineMatch::ConfirmChecksum(uint32_t c) {
    FightController& fight = *game_.fight;
    const unsigned char* bytes = nullptr;
    size_t size = 0;
    if (c + 1 == frame_) {
        if (!FightLoaded(fight) || !history_.Active()) return;
        size = SaveFightGrowing(fight, history_.Plan(), scratch_);
        bytes = scratch_.data();
    } else if (fightFrame_[(c + 1) % kRing]) {
        bytes = history_.SnapshotOf(static_cast<int>(frame_ - 2 - c), &size);
    }
    if (!bytes || !size) return;
    const uint64_t sum = SnapshotChecksum(bytes, size);
    ownSums_[c % kRing] = {c, sum};
    confirmedSnapshots_[c % kKeptSnapshots].assign(bytes, bytes + size);
    snapshotFrames_[c % kKeptSnapshots] = c;
    recent_[recentNext_ % kNetMaxChecksums] = {c, sum};
    ++recentNext_;
    haveLastSum_ = true;
    lastSumFrame_ = c;
    lastSum_ = sum;
    CompareChecksum(c);
}

void OnlineMatch::CompareChecksum(uint32_t frame) {
    const Sum& own = ownSums_[frame % kRing];
    const Sum& theirs = theirSums_[frame % kRing];
    if (phase_ != Phase::kPlaying || own.frame != frame || theirs.frame != frame ||
        own.sum == theirs.sum)
        return;
    Desync(frame, true);
}

void OnlineMatch::Desync(uint32_t frame, bool tellPeer) {
    LogPrintf("     Red: desincronizados en el fotograma %u\n", frame);
    // Only that frame's own state, if it is still kept, is worth comparing.
    const std::vector<unsigned char>& kept = confirmedSnapshots_[frame % kKeptSnapshots];
    if (snapshotFrames_[frame % kKeptSnapshots] == frame && !kept.empty())
        WriteDesyncSnapshot(frame, side_, kept);
    if (tellPeer) {
        NetMessage m;
        m.kind = NetKind::kDesync;
        m.frame = frame;
        Send(m, true);
    }
    End("desincronizados", "PARTIDA DESINCRONIZADA", 0xff);
}

void OnlineMatch::Record(uint32_t frame) {
    if (recording_) WriteOnlineFrame(recording_, InputOf(0, frame), InputOf(1, frame), recordedPads_);
}

void OnlineMatch::SendInputs() {
    NetMessage m;
    m.kind = NetKind::kInputs;
    NetInputs& p = m.inputs;
    uint32_t first = std::max(remoteAck_, localHave_ > kNetMaxInputs ? localHave_ - kNetMaxInputs : 0u);
    p.first = first;
    p.count = static_cast<uint8_t>(localHave_ - first);
    for (int i = 0; i < p.count; ++i) p.buttons[i] = local_[(first + i) % kRing];
    p.received = remoteHave_;
    p.advantage = static_cast<int8_t>(std::min<uint32_t>(frame_ - std::min(frame_, remoteHave_), 100));
    // Each checksum goes out in two datagrams: one lost costs nothing, and
    // a comparison missed now and then only delays a desync's discovery.
    const int sums = std::min(recentNext_, 2);
    p.checksumCount = static_cast<uint8_t>(sums);
    for (int i = 0; i < sums; ++i) p.checksums[i] = recent_[(recentNext_ - 1 - i) % kNetMaxChecksums];
    Send(m, false);
    lastSendAt_ = Now();
}

void OnlineMatch::End(const std::string& logText, const char* screenText, uint8_t byeReason) {
    if (phase_ == Phase::kEnding) return;
    LogPrintf("     Red: %s\n", logText.c_str());
    if (byeReason != 0xff) {
        NetMessage m;
        m.kind = NetKind::kBye;
        m.reason = byeReason;
        m.frame = frame_;
        Send(m, true);
    }
    phase_ = Phase::kEnding;
    endText_ = screenText;
    endAt_ = Now() + kEndingShown;
}

void OnlineMatch::DrawNotice(const char* text) {
    Renderer* r = game_.renderer;
    r->SetOverlayMode(1, 1);
    r->FillRect(0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    r->DrawTextCentered(0.5f, 0.45f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, "%s", text);
    r->SetOverlayMode(0, 0);
    r->Present();
}

void OnlineMatch::Tick() {
    link_.Service();
    Receive();
    const double now = Now();
    if (phase_ == Phase::kConnecting) {
        if (link_.Connected()) SendHello();
        if (link_.Lost() || (!setup_.host && now - startedAt_ > kJoinTimeout))
            End("no se ha podido conectar", "NO SE HA PODIDO CONECTAR", 0xff);
        else if (now - lastNoticeAt_ > 0.1) {
            lastNoticeAt_ = now;
            char text[128];
            if (setup_.host)
                snprintf(text, sizeof text, "ESPERANDO RIVAL EN EL PUERTO %u", setup_.port);
            else
                snprintf(text, sizeof text, "LLAMANDO A %s", setup_.address.c_str());
            DrawNotice(text);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return;
    }
    if (phase_ == Phase::kEnding) {
        // The peer may still lack our last inputs to reach the same end.
        if (link_.Connected() && remoteAck_ < localHave_ && now - lastSendAt_ > kResendEvery)
            SendInputs();
        if (now - lastNoticeAt_ > 0.1) {
            lastNoticeAt_ = now;
            DrawNotice(endText_);
        }
        if (now >= endAt_) PlatformPostClose();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return;
    }
    if (link_.Lost()) {
        End("el otro jugador se ha ido", "EL OTRO JUGADOR SE HA IDO", 0xff);
        return;
    }
    const double silence = now - lastHeardAt_;
    if (silence > kGiveUpAfter) {
        End("el otro jugador no responde", "EL OTRO JUGADOR NO RESPONDE", 0xff);
        return;
    }
    if (now < nextFrameAt_) {
        if (now - lastSendAt_ > kResendEvery) SendInputs();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
        return;
    }
    // Sampled before the wait: with no input delay the peer needs this very
    // input to let either side run the frame.
    if (localHave_ <= frame_ + static_cast<uint32_t>(delay_)) {
        SampleLocal();
        SendInputs();
    }
    if (frame_ >= remoteHave_ && !MayPredict()) {
        if (now - lastSendAt_ > kResendEvery) SendInputs();
        if (stalledSince_ < 0.0) stalledSince_ = now;
        // A wait of a frame or two is not worth a black screen.
        const bool longWait = now - stalledSince_ > kShowWaitAfter || silence > kNoticeAfter;
        if (longWait && now - lastNoticeAt_ > 0.1) {
            lastNoticeAt_ = now;
            DrawNotice("ESPERANDO AL OTRO JUGADOR");
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
        return;
    }
    stalledSince_ = -1.0;
    RunFrame();
    Confirm();
    nextFrameAt_ += kFrameSeconds;
    // The side that runs ahead waits a frame now and then, so neither side
    // does most of the rolling back.
    // Each side says how far it runs ahead of the other's inputs; half the
    // difference is how far this side's clock leads, averaged over a second.
    const int ownAdvantage = static_cast<int>(frame_ - std::min(frame_, remoteHave_));
    advantageSum_ += ownAdvantage - remoteAdvantage_;
    if (frame_ % static_cast<uint32_t>(kBalanceEvery) == 0) {
        if (advantageSum_ >= kBalanceEvery) nextFrameAt_ += kFrameSeconds;
        advantageSum_ = 0;
    }
    if (nextFrameAt_ < now - 0.25) nextFrameAt_ = now;
}

void OnlineMatch::Finish() {
    if (phase_ == Phase::kConnecting && !helloSent_) {
        link_.Close();
        return;
    }
    if (phase_ == Phase::kPlaying) End("fin del programa", "", kByeLeft);
    if (!summaryLogged_ && frame_ > 0) {
        summaryLogged_ = true;
        LogPrintf("     Red: partida terminada: %d fotogramas confirmados, %d rollbacks, "
                  "suma %016llx del fotograma %d\n",
                  static_cast<int>(confirmed_), rollbacks_,
                  static_cast<unsigned long long>(haveLastSum_ ? lastSum_ : 0),
                  haveLastSum_ ? static_cast<int>(lastSumFrame_) : -1);
        const double seconds = std::max(Now() - startedAt_, 0.001);
        LogPrintf("     Red: %d fotogramas repetidos en %.1f ms; %.0f bytes/s enviados, "
                  "%.0f recibidos en %.1f s\n",
                  rolledFrames_, rollbackSeconds_ * 1000.0, link_.BytesSent() / seconds,
                  link_.BytesReceived() / seconds, seconds);
    }
    // The options the host lent the session are not this player's.
    GameSettings& s = *game_.settings;
    if (began_) {
        s.roundsToWin = kept_.roundsToWin;
        s.roundTime = kept_.roundTime;
        s.unlimitedTime = kept_.unlimitedTime;
        s.randomBackground = kept_.randomBackground;
    }
    if (recording_) {
        fclose(recording_);
        recording_ = nullptr;
    }
    link_.Close();
}
