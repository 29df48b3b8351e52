#include "input/PadSourceSession.h"

#include "input/InputSession.h"
#include "platform/PadSourceSDL.h"

PadSource* CreatePadSource() {
    switch (InputSessionGetMode()) {
    case kSessionReplay:
        return new PadSourceReplay();
    case kSessionRecord:
        if (PadSource* live = PadSourceSDL::Open()) return new PadSourceRecorder(live);
        return nullptr;
    case kSessionLive:
        break;
    }
    return PadSourceSDL::Open();
}

void PadSourceReplay::Read(PadFrame* frame) { InputSessionReplayPads(frame); }

void PadSourceRecorder::Read(PadFrame* frame) {
    live_->Read(frame);
    InputSessionRecordPads(*frame);
}
