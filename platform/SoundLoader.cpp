#include "platform/SoundLoader.h"

#include <cstring>

#include "base/Log.h"
#include "base/Plugin.h"
#include "platform/DllSection.h"
#include "platform/SonidoNulo.h"

namespace {
const char kSoundConfigPath[] = "cfg\\sonidocfg.txt";
const char kDefaultLibrary[] = "Plimsa.dll";

const char kMissingLibrary[] =
    "     Interfaz Sonido: No se puede cargar la libreria: ->%s<- y el sonido estara "
    "inhabilitado\n";
}  // namespace

Sonido* LoadSound(WindowHandle, InstanceHandle) {
    char library[256];
    strcpy(library, kDefaultLibrary);

    switch (ReadDllEntry(kSoundConfigPath, library, sizeof library)) {
        case DllEntry::kUnreadableFile:
            LogPrintf("     Interfaz Sonido: fichero de configuracion erroneo\n");
            break;
        case DllEntry::kNoEntry:
            LogPrintf("     Interfaz Sonido: No hay libreria definida y el sonido estara "
                      "inhabilitado\n");
            return new SonidoNulo();
        case DllEntry::kFound:
            break;
    }

    // The library stays loaded for the rest of the run.
    Sonido* sound = LoadPlugin<Sonido>(library, "CreateSoundInstance", kMissingLibrary).object;
    return sound ? sound : new SonidoNulo();
}
