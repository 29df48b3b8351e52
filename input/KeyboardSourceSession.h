#pragma once
// Keyboard sources tied to the input session: the keys of a replay, and the
// live keys passed through to a recording.
#include "platform/KeyboardSource.h"
#include "sdk/PlatformTypes.h"

// The source for a game window in this run's session mode.
KeyboardSource* CreateKeyboardSource(WindowHandle window);

class KeyboardSourceReplay : public KeyboardSource {
public:
    bool Read(uint8_t state[kKeyStateSize]) override;
};

class KeyboardSourceRecorder : public KeyboardSource {
public:
    explicit KeyboardSourceRecorder(KeyboardSource* live) : live_(live) {}
    ~KeyboardSourceRecorder() override { delete live_; }
    KeyboardSourceRecorder(const KeyboardSourceRecorder&) = delete;
    KeyboardSourceRecorder& operator=(const KeyboardSourceRecorder&) = delete;
    bool Read(uint8_t state[kKeyStateSize]) override;

private:
    KeyboardSource* live_;
};
