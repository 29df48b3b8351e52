// Entry point of the game program. It runs in the game folder, like the
// Windows original ran beside its data, wherever it was started from.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Game.h"
#include "base/DataFolder.h"
#include "base/Memory.h"
#include "platform/CommandLine.h"
#include "platform/Events.h"

int main(int argc, char** argv) {
    KeepFreedMemory();
    std::string left, searched;
    if (!EnterDataFolder(&left, &searched)) {
        fprintf(stderr, "Corralon: no se encuentran los datos del juego (Bichos/bichos.txt) en %s\n",
                searched.c_str());
        return 1;
    }
    // Sessions are named from the folder the player started in.
    for (const char* name : {"CORRALON_RECORD", "CORRALON_REPLAY"})
        if (const char* value = getenv(name)) setenv(name, PathFrom(left, value).c_str(), 1);
    PlatformInstallSignalHandlers();
    return GameMain(PlatformCommandLine(argc, argv).c_str());
}
