#include "platform/RendererLoader.h"

#include <cstring>

#include "base/Log.h"
#include "base/ConfigFile.h"
#include "base/Plugin.h"

Renderer* LoadRenderer() {
    char libraryName[256] = "Krellin.dll";

    ConfigFile config;
    if (config.Open("cfg\\motorcfg.txt") != Ok) {
        LogPrintf("     Graficos: Error al leer el fichero de configuracion: cfg\\motorcfg.txt \n");
    } else {
        // Streaming read: a repeated entry is applied again, so the last wins.
        bool inDllSection = false;
        TokenKind kind;
        char* text;
        char* value;
        while (config.NextToken(&kind, &text, &value) == Ok) {
            if (kind == Section) {
                inDllSection = strcmp(text, "[dll]") == 0;
            } else if (kind == Entry && inDllSection && strcmp(text, "dll") == 0) {
                strncpy(libraryName, value, sizeof libraryName - 1);
                libraryName[sizeof libraryName - 1] = '\0';
            }
            delete[] text;
        }
        config.Close();
    }

    return LoadPlugin<Renderer>(libraryName, "CreateRendererInstance",
                                "     Interfaz Grafica: No se ha podido cargar la DLL grafica: %s\n")
        .object;
}
