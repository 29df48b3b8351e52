// Entry point of the game program. It runs in the game folder, like the
// Windows original ran beside its data.
#include "app/Game.h"
#include "base/Memory.h"
#include "platform/CommandLine.h"
#include "platform/Events.h"

int main(int argc, char** argv) {
    KeepFreedMemory();
    PlatformInstallSignalHandlers();
    return GameMain(PlatformCommandLine(argc, argv).c_str());
}
