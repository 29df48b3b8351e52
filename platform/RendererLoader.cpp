#include "platform/RendererLoader.h"

#include "base/Log.h"
#include "base/Plugin.h"
#include "platform/DllSection.h"

Renderer* LoadRenderer() {
    char libraryName[256] = "Krellin.dll";

    if (ReadDllEntry("cfg\\motorcfg.txt", libraryName, sizeof libraryName) ==
        DllEntry::kUnreadableFile)
        LogPrintf("     Graficos: Error al leer el fichero de configuracion: cfg\\motorcfg.txt \n");

    return LoadPlugin<Renderer>(libraryName, "CreateRendererInstance",
                                "     Interfaz Grafica: No se ha podido cargar la DLL grafica: %s\n")
        .object;
}
