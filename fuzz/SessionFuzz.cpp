// libFuzzer target: any bytes as a replay session, played to its end the
// way the game plays one: a frame time and the keys, frame after frame.
#include "fuzz/FuzzInput.h"
#include "input/InputSession.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static const char* const folders[] = {"logs"};
    EnterFuzzFolder(folders, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ClearFuzzLog();
    WriteFuzzFile("session.txt", data, size);
    if (!InputSessionBegin(nullptr, "session.txt")) abort();
    uint8_t keys[256];
    // A line may stand for many frames (*N), so the end is not bounded by
    // the size: every frame time must simply be one a frame can take.
    for (size_t frame = 0; frame < size + 4; ++frame) {
        const double dt = InputSessionFrameTime(0.02);
        if (!(dt >= 0.0 && dt <= 3600.0)) abort();
        InputSessionReplayKeys(keys);
    }
    InputSessionEnd();
    return 0;
}
