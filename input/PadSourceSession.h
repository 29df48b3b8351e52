#pragma once
// Pad sources tied to the input session: the pads of a replay, and the live
// pads passed through to a recording.
#include "platform/PadSource.h"

// The source for this run's session mode; null, logged, when live pads
// cannot be used.
PadSource* CreatePadSource();

class PadSourceReplay : public PadSource {
public:
    void Read(PadFrame* frame) override;
};

class PadSourceRecorder : public PadSource {
public:
    explicit PadSourceRecorder(PadSource* live) : live_(live) {}
    ~PadSourceRecorder() override { delete live_; }
    PadSourceRecorder(const PadSourceRecorder&) = delete;
    PadSourceRecorder& operator=(const PadSourceRecorder&) = delete;
    void Read(PadFrame* frame) override;

private:
    PadSource* live_;
};
