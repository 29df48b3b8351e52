#include "input/TecladoDI.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/Files.h"
#include "base/Log.h"
#include "platform/KeyNames.h"
#include "input/KeyboardSourceSession.h"
#include "input/PadSourceSession.h"

namespace {

constexpr int kEscape = 0x01;
constexpr int kEnter = 0x1C;
constexpr int kF2 = 0x3C;
constexpr int kF5 = 0x3F;
constexpr int kF9 = 0x43;
constexpr int kLatchedBindings = 6;  // up, down, left, right, punch 1, kick 1
constexpr int kPunch1Index = 4;

// Set at program start; cleared once player 1's punch 1 key is seen up
// during a capture (the key menu starts a capture with that key held).
bool captureGuard = true;

bool ValidPlayer(int player) { return player == 0 || player == 1; }

}  // namespace

TecladoDI::TecladoDI(KeyboardSource* source, PadSource* pads) : source_(source), pads_(pads) {
    SetDefaultBindings(bindings_);
}

TecladoDI::~TecladoDI() {
    HistoryClear(&history_[0]);
    HistoryClear(&history_[1]);
    delete source_;
    delete pads_;
}

void TecladoDI::ResetCaptureGuard() { captureGuard = true; }

void TecladoDI::ClearRuntimeState() {
    memset(state_, 0, sizeof state_);
    escapeLatch_ = enterLatch_ = f2Latch_ = f5Latch_ = f9Latch_ = 0;
    lastFlags_ = 0;
    memset(pressLatches_, 0, sizeof pressLatches_);
    HistoryClear(&history_[0]);
    HistoryClear(&history_[1]);
    padFrame_ = PadFrame();
}

int TecladoDI::Init(WindowHandle window, InstanceHandle) {
    ClearRuntimeState();
    SetDefaultBindings(bindings_);
    const int read = ReadBindings(kBindingsPath, bindings_);
    if (read >= 0) {
        const std::string problem = CheckBindings(read, bindings_);
        if (!problem.empty()) LogPrintf("     Teclado: %s: %s\n", kBindingsPath, problem.c_str());
    }
    bindingsRead_ = true;
    if (!source_) source_ = CreateKeyboardSource(window);
    if (!source_) {
        LogPrintf("     Teclado DI: No se puede adquirir el teclado\n");
        return 0;
    }
    sourceReady_ = true;
    lastResult_ = 0;
    // Without pads the keys still play.
    if (wantPads_ && !pads_) pads_ = CreatePadSource();
    return 1;
}

int TecladoDI::Shutdown() {
    // Without Init the defaults would replace the player's saved keys.
    if (bindingsRead_ && !WriteBindings(kBindingsPath, bindings_)) {
        const char* why = PlatformErrorText(errno);
        if (!LogPrintf("     Teclado: No se han podido guardar las teclas en %s: %s\n",
                       kBindingsPath, why))
            fprintf(stderr, "Corralon: No se han podido guardar las teclas en %s: %s\n",
                    kBindingsPath, why);
    }
    delete source_;
    source_ = nullptr;
    sourceReady_ = false;
    delete pads_;
    pads_ = nullptr;
    padFrame_ = PadFrame();
    HistoryClear(&history_[0]);
    HistoryClear(&history_[1]);
    return 1;
}

void TecladoDI::ReadPads() {
    if (!pads_) return;
    const PadFrame before = padFrame_;
    pads_->Read(&padFrame_);
    // Logged here, from what the frame shows, so a replay logs it again.
    for (int p = 0; p < kPadPlayers; ++p) {
        const PadSlot& was = before.players[p];
        const PadSlot& is = padFrame_.players[p];
        if (was.connection == is.connection) continue;
        if (was.connection)
            LogPrintf("     Mando: desconectado %s, jugador %d libre\n", was.name.c_str(), p + 1);
        if (is.connection)
            LogPrintf("     Mando: conectado %s como jugador %d\n", is.name.c_str(), p + 1);
    }
}

bool TecladoDI::AnyPad(uint32_t buttons) const {
    for (const PadSlot& slot : padFrame_.players)
        if (slot.buttons & buttons) return true;
    return false;
}

bool TecladoDI::Held(int player, int index) const {
    return IsDown(bindings_[player][index]) ||
           (padFrame_.players[player].buttons & kBindingBits[index]) != 0;
}

int TecladoDI::Poll() {
    // Pads first: a recording writes the frame's line with its keys.
    ReadPads();
    memset(state_, 0, sizeof state_);
    if (sourceReady_ && source_) {
        lastResult_ = source_->Read(state_) ? 0 : -1;
        if (lastResult_ != 0) memset(state_, 0, sizeof state_);
    }
    OpenReleasedLatches();
    return 1;
}

void TecladoDI::OpenReleasedLatches() {
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < kLatchedBindings; ++i)
            if (!Held(p, i)) pressLatches_[p][i] = 0;
    if (!IsDown(kEscape) && !AnyPad(kPadBack)) escapeLatch_ = 0;
    if (!IsDown(kEnter) && !AnyPad(kPadStart)) enterLatch_ = 0;
    if (!IsDown(kF2)) f2Latch_ = 0;
    if (!IsDown(kF5)) f5Latch_ = 0;
    if (!IsDown(kF9)) f9Latch_ = 0;
}

int TecladoDI::CaptureKey(int player, int bit) {
    int ignored = bindings_[0][kPunch1Index];
    if (!IsDown(ignored)) captureGuard = false;
    if (!captureGuard) ignored = -1;

    int candidate = -1;
    bool otherDown = false;
    for (int code = kKeyStateSize - 1; code >= 0; --code) {
        if (!IsDown(code)) continue;
        if (candidate < 0) candidate = code;
        if (code != ignored) otherDown = true;
    }
    if (!otherDown) return 0;

    if (candidate == kEscape) return -1;
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < kBindingCount; ++i)
            if (bindings_[p][i] == candidate) return -1;
    int index = BindingIndexOfBit(static_cast<uint32_t>(bit));
    if (!ValidPlayer(player) || index < 0) return -1;
    bindings_[player][index] = static_cast<uint8_t>(candidate);
    return 1;
}

InputFlags TecladoDI::GetInput(int player, int facing, float dt) {
    if (!ValidPlayer(player)) return 0;
    InputFlags flags = 0;
    for (int i = 0; i < kBindingCount; ++i)
        if (IsDown(bindings_[player][i])) flags |= kBindingBits[i];
    flags |= padFrame_.players[player].buttons & kPadPlayButtons;

    // Right is forward, the way the fighter faces.
    if (facing == -1) {
        InputFlags sides = flags & kInputSides;
        if (sides == kInputLeft || sides == kInputRight) flags ^= kInputSides;
    }

    HistoryAdd(&history_[player], flags, dt);
    if (InputFlags special = HistoryRecognise(history_[player])) {
        flags |= special;
        HistoryClear(&history_[player]);
    }
    lastFlags_ = flags;
    return flags;
}

bool TecladoDI::TestLastInput(uint32_t mask) { return (lastFlags_ & mask) != 0; }

bool TecladoDI::AnyKeyDown() {
    for (int i = 0; i < kKeyNameCount; ++i)
        if (IsDown(kKeyCodes[i])) return true;
    return AnyPad(kPadButtons);
}

bool TecladoDI::SpecialKeyOnce(int which) {
    uint8_t* latch = nullptr;
    int code = 0;
    uint32_t padButton = 0;
    switch (which) {
        case kSpecialEscape: latch = &escapeLatch_; code = kEscape; padButton = kPadBack; break;
        case kSpecialEnter: latch = &enterLatch_; code = kEnter; padButton = kPadStart; break;
        case kSpecialF2: latch = &f2Latch_; code = kF2; break;
        case kSpecialF5: latch = &f5Latch_; code = kF5; break;
        case kSpecialF9: latch = &f9Latch_; code = kF9; break;
        default: return false;
    }
    if (!(IsDown(code) || AnyPad(padButton)) || *latch) return false;
    *latch = 1;
    return true;
}

bool TecladoDI::ActionOnce(int player, int bit) {
    if (!ValidPlayer(player)) return false;
    int index = BindingIndexOfBit(static_cast<uint32_t>(bit));
    if (index < 0 || index >= kLatchedBindings) return false;
    if (!Held(player, index) || pressLatches_[player][index]) return false;
    pressLatches_[player][index] = 1;
    return true;
}

const char* TecladoDI::KeyName(int player, int bit) {
    if (!ValidPlayer(player)) return nullptr;
    int index = BindingIndexOfBit(static_cast<uint32_t>(bit));
    if (index < 0) return nullptr;
    return KeyNameForCode(bindings_[player][index]);
}

Teclado* CreateKeyboard() { return new TecladoDI(); }

Teclado* CreateKeyboardWithPads() {
    TecladoDI* keyboard = new TecladoDI();
    keyboard->UsePads();
    return keyboard;
}
