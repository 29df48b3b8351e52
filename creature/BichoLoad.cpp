// Whole and preview loads of a creature and the binding of its behaviour.
#include "base/Log.h"
#include "creature/ActionLibrary.h"
#include "sdk/Bicho.h"
#include "sdk/InterfazAcciones.h"
#include "creature/QvlRead.h"

namespace {

const size_t kPathBuffer = 1024;

void BindBehaviour(Bicho& creature, const char* path, bool preview) {
    char library[kPathBuffer];
    char directory[kPathBuffer];
    ActionLibraryPaths(path, library, directory);
    creature.action = LoadActionLibrary(library);
    if (!creature.action) {
        LogPrintf("     Bicho: fallo al cargar la DLL de acciones %s\n", library);
    } else {
        creature.action->Init(&creature, directory);
    }
    if (preview) LogPrintf("     Bicho: Acciones iniciadas %s\n", directory);
}

// Only a whole load holds every animation; a preview would miss all but one.
void ReportMissingAnimations(Bicho& creature) {
    const char* const* names = ActionLibraryAnimations(creature.action);
    for (; names && *names; ++names)
        if (!creature.HasAnimation(*names))
            LogPrintf("     Interfaz Acciones: falta la animacion %s en %s\n", *names,
                      creature.name ? creature.name : "?");
}

int LoadWith(Bicho& creature, const char* path, QvlMode mode) {
    if (!path) return 1;
    if (ReadQvl(creature, path, mode, nullptr) < 0) {
        LogPrintf("\tBicho: no existe el fichero: %s", path);
        return 1;
    }
    creature.SetTint(1.0f);
    BindBehaviour(creature, path, mode == QvlMode::kPreview);
    if (mode == QvlMode::kWhole) ReportMissingAnimations(creature);
    return 0;
}

}  // namespace

int Bicho::Load(const char* path) { return LoadWith(*this, path, QvlMode::kWhole); }

int Bicho::LoadPiece(const char* path) { return LoadWith(*this, path, QvlMode::kPreview); }
