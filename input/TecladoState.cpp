// The keyboard's part of a fight's saved state, and frames run again on the
// input they had.
#include "base/StateBuffer.h"
#include "input/TecladoDI.h"

namespace {

constexpr int kEscapeCode = 0x01;
constexpr int kEnterCode = 0x1C;
// Half a second of stretches; more than this is a broken state.
constexpr int32_t kMaxHistoryNodes = 4096;

struct SavedStretch {
    uint32_t flags;
    float duration;
};

}  // namespace

static_assert(PolledInput::kKeys == kKeyStateSize, "one byte per key");

void TecladoDI::SaveState(StateWriter& out) const {
    out.PutBytes(state_, sizeof state_);
    const uint8_t latches[4] = {escapeLatch_, enterLatch_, f2Latch_, 0};
    out.Put(latches);
    out.Put(lastFlags_);
    out.PutBytes(pressLatches_, sizeof pressLatches_);
    for (const PadSlot& slot : padFrame_.players) out.Put(slot.buttons);
    for (const KeyHistoryNode* newest : history_) {
        int32_t count = 0;
        for (const KeyHistoryNode* n = newest; n; n = n->older) ++count;
        out.Put(count);
        for (const KeyHistoryNode* n = newest; n; n = n->older)
            out.Put(SavedStretch{n->flags, n->duration});
    }
}

bool TecladoDI::RestoreState(StateReader& in) {
    uint8_t keys[kKeyStateSize];
    uint8_t latches[4];
    uint32_t lastFlags = 0;
    uint8_t pressLatches[2][kBindingCount];
    uint32_t buttons[kPadPlayers] = {};
    in.GetBytes(keys, sizeof keys);
    in.Get(latches);
    in.Get(lastFlags);
    in.GetBytes(pressLatches, sizeof pressLatches);
    for (uint32_t& b : buttons) in.Get(b);
    StateReader histories[2] = {StateReader(nullptr, 0), StateReader(nullptr, 0)};
    for (StateReader& history : histories) {
        int32_t count = -1;
        in.Get(count);
        if (count < 0 || count > kMaxHistoryNodes) in.Fail();
        history = in.Slice(sizeof(SavedStretch) * static_cast<size_t>(count < 0 ? 0 : count));
    }
    if (!in.Ok()) return false;

    memcpy(state_, keys, sizeof state_);
    escapeLatch_ = latches[0];
    enterLatch_ = latches[1];
    f2Latch_ = latches[2];
    lastFlags_ = lastFlags;
    memcpy(pressLatches_, pressLatches, sizeof pressLatches_);
    for (int p = 0; p < kPadPlayers; ++p) padFrame_.players[p].buttons = buttons[p];
    for (int p = 0; p < 2; ++p) {
        // Rebuilt oldest first, so the newest ends in front.
        HistoryClear(&history_[p]);
        const size_t count = histories[p].Left() / sizeof(SavedStretch);
        for (size_t i = count; i-- > 0;) {
            SavedStretch s;
            memcpy(&s, histories[p].Here() + i * sizeof s, sizeof s);
            KeyHistoryNode* node = new KeyHistoryNode{s.flags, s.duration, history_[p], nullptr};
            if (history_[p]) history_[p]->newer = node;
            history_[p] = node;
        }
    }
    return true;
}

void TecladoDI::KeepPolled(PolledInput* out) const {
    memcpy(out->keys, state_, sizeof out->keys);
    for (int p = 0; p < kPadPlayers; ++p) out->padButtons[p] = padFrame_.players[p].buttons;
}

void TecladoDI::UsePolled(const PolledInput& in) {
    memcpy(state_, in.keys, sizeof state_);
    for (int p = 0; p < kPadPlayers; ++p) padFrame_.players[p].buttons = in.padButtons[p];
    OpenReleasedLatches();
}

uint32_t TecladoDI::ReadLocalButtons() {
    uint8_t keys[kKeyStateSize] = {};
    if (sourceReady_ && source_ && !source_->Read(keys)) memset(keys, 0, sizeof keys);
    if (pads_) pads_->Read(&localPads_);
    uint32_t buttons = localPads_.players[0].buttons & kPadButtons;
    auto down = [&keys](int code) { return code >= 0 && code < kKeyStateSize && (keys[code] & kKeyDown); };
    for (int i = 0; i < kBindingCount; ++i)
        if (down(bindings_[0][i])) buttons |= kBindingBits[i];
    if (down(kEnterCode)) buttons |= kPadStart;
    if (down(kEscapeCode)) buttons |= kPadBack;
    return buttons;
}
