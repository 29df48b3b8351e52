#include "app/MusicNames.h"

#include <cstring>

#include "base/Log.h"
#include "base/ConfigFile.h"

namespace {

void CopyName(char (&field)[256], const char* value) {
    if (!value) return;
    strncpy(field, value, sizeof field - 1);
    field[sizeof field - 1] = '\0';
}

}  // namespace

void ReadMusicNames(const char* path, GameSettings* settings) {
    ConfigFile config;
    if (config.Open(path) != ConfigResult::kOk) {
        LogPrintf("     Graficos: Error al leer el fichero de configuracion: %s \n", path);
        return;
    }
    config.Load();
    CopyName(settings->musicIntro, config.GetValue("[musica]", "intro"));
    CopyName(settings->musicMenu, config.GetValue("[musica]", "menu"));
    CopyName(settings->musicSelected, config.GetValue("[musica]", "seleccionados"));
    CopyName(settings->musicCredits, config.GetValue("[musica]", "creditos"));
}
