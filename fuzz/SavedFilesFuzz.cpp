// libFuzzer target: any bytes as cfg\config.cfg and as cfg\tecladoDI.cfg,
// read into the settings and the bindings; what is read must stay within
// what the game can mean (keys: only those of the key table), and be
// written back and read again the same.
#include <cmath>
#include <cstring>

#include "app/SavedOptions.h"
#include "fuzz/FuzzInput.h"
#include "input/TecladoBindings.h"
#include "platform/KeyNames.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static const char* const folders[] = {"cfg", "logs"};
    EnterFuzzFolder(folders, 2);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ClearFuzzLog();
    WriteFuzzFile("cfg/config.cfg", data, size);
    WriteFuzzFile("cfg/tecladoDI.cfg", data, size);

    GameSettings settings;
    ReadSavedOptions("cfg\\config.cfg", &settings);
    if (settings.unlimitedTime > 1 || settings.randomBackground > 1) abort();
    if (settings.roundsToWin < 1 || settings.roundsToWin > 3) abort();
    if (!std::isfinite(settings.roundTime) || settings.roundTime <= 0.0f) abort();
    if (!WriteSavedOptions("cfg\\config.cfg", settings)) abort();
    GameSettings again;
    ReadSavedOptions("cfg\\config.cfg", &again);
    if (again.unlimitedTime != settings.unlimitedTime || again.roundTime != settings.roundTime ||
        again.randomBackground != settings.randomBackground ||
        again.roundsToWin != settings.roundsToWin)
        abort();

    uint8_t bindings[2][kBindingCount];
    SetDefaultBindings(bindings);
    const int read = ReadBindings("cfg\\tecladoDI.cfg", bindings);
    if (read < 0 || read > kBindingFileSize + 1) abort();
    CheckBindings(read, bindings);
    for (int i = 0; i < kBindingFileSize; ++i) {
        const uint8_t code = bindings[i / kBindingCount][i % kBindingCount];
        if (KeyTableIndex(code) < 0 && code != kDikMediaSelect) abort();
    }
    if (!WriteBindings("cfg\\tecladoDI.cfg", bindings)) abort();
    uint8_t back[2][kBindingCount];
    SetDefaultBindings(back);
    if (ReadBindings("cfg\\tecladoDI.cfg", back) != kBindingFileSize) abort();
    if (memcmp(back, bindings, sizeof back) != 0) abort();
    return 0;
}
