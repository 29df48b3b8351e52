#include "input/KeyboardSourceSession.h"

#include <cstring>

#include "input/InputSession.h"
#include "platform/KeyboardSourceSDL.h"

KeyboardSource* CreateKeyboardSource(WindowHandle window) {
    switch (InputSessionGetMode()) {
    case kSessionReplay:
        return new KeyboardSourceReplay();
    case kSessionRecord:
        return new KeyboardSourceRecorder(new KeyboardSourceSDL(window));
    case kSessionLive:
        break;
    }
    return new KeyboardSourceSDL(window);
}

bool KeyboardSourceReplay::Read(uint8_t state[kKeyStateSize]) {
    InputSessionReplayKeys(state);
    return true;
}

bool KeyboardSourceRecorder::Read(uint8_t state[kKeyStateSize]) {
    bool ok = live_->Read(state);
    if (!ok) memset(state, 0, kKeyStateSize);
    // What the game saw is what the replay must give back.
    InputSessionRecordKeys(state);
    return ok;
}
