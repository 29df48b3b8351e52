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

int LoadWith(Bicho& creature, const char* path, QvlMode mode) {
    if (!path) return 1;
    if (ReadQvl(creature, path, mode, nullptr) < 0) {
        LogPrintf("\tBicho: no existe el fichero: %s", path);
        return 1;
    }
    creature.SetTint(1.0f);
    BindBehaviour(creature, path, mode == QvlMode::kPreview);
    return 0;
}

}  // namespace

int Bicho::Load(const char* path) { return LoadWith(*this, path, QvlMode::kWhole); }

int Bicho::LoadPiece(const char* path) { return LoadWith(*this, path, QvlMode::kPreview); }
