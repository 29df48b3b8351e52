#include "tools/datagen/ConfigFiles.h"
#include "tools/datagen/DataGroup.h"

namespace {

// Every line ends in "\n": the reader drops a last line without one.
const char kMotor[] =
    "# Renderer library of the game (Krellin.dll draws with OpenGL,\n"
    "# Headless.dll runs without a window).\n"
    "[dll]\n"
    "dll = Krellin.dll\n";

const char kSonido[] =
    "# Sound library of the game.\n"
    "[dll]\n"
    "dll = PlimsaFMOD.dll\n";

const char kMusica[] =
    "# Music of the intro, the menus, the chosen fighters and the credits.\n"
    "[musica]\n"
    "intro = sonido\\intro.ogg\n"
    "menu = sonido\\menu.ogg\n"
    "seleccionados = sonido\\seleccion.ogg\n"
    "creditos = sonido\\creditos.ogg\n";

// The OpenGL renderer's window; the defaults it also uses without the file.
const char kKrellin[] =
    "# Window of the OpenGL renderer (Krellin.dll): size in pixels, full screen\n"
    "# (1) or window (0), wait for the screen's refresh (1) or not (0).\n"
    "# Alt+Enter switches full screen while playing.\n"
    "[ventana]\n"
    "ancho = 800\n"
    "alto = 600\n"
    "pantallacompleta = 0\n"
    "vsync = 0\n";

}  // namespace

bool WriteConfigFiles(const OutputFolder& out) {
    return out.Write("cfg\\motorcfg.txt", std::string(kMotor)) &&
           out.Write("cfg\\sonidocfg.txt", std::string(kSonido)) &&
           out.Write("cfg\\musicacfg.txt", std::string(kMusica)) &&
           out.Write("cfg\\krellin.txt", std::string(kKrellin));
}

namespace {
bool WriteConfigFilesGroup(const OutputFolder& out, const DataSources&) { return WriteConfigFiles(out); }
}  // namespace
CORRALON_DATA_GROUP(config, "configuration files", 0, WriteConfigFilesGroup);
