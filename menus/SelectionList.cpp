// The selection's creatures: read from the list file, preview-loaded, and
// released when the fight starts or the game ends.
#include <cstdlib>
#include <cstring>

#include "base/ConfigFile.h"
#include "base/Log.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "menus/MenuController.h"
#include "sdk/Bicho.h"

namespace {

const char kListFile[] = "Bichos/bichos.txt";
const char kScrollPicture[] = "bmp\\loflipo.bmp";
const float kFloor = 0.85f;

}  // namespace

void MenuController::LoadCharacters() {
    // A second load would otherwise lose the first one's creatures.
    if (count > 0) ReleaseCharacters();
    count = 0;
    ladder_->ClearCharacters();

    ConfigFile list;
    if (list.Open(kListFile) != Ok || list.Load() != Ok) {
        // Read again every frame while the grid is empty; said once.
        if (!selection.listErrorLogged) LogPrintf("     Menu: fichero de bichos erroneo\n");
        selection.listErrorLogged = true;
    } else {
        selection.listErrorLogged = false;
        list.First();
        do {
            if (!list.SectionIs("[Jugadores]")) continue;
            do {
                const char* path = list.EntryValue();
                if (!list.EntryKeyIs("bicho") || !path || !path[0]) continue;
                // The grid has room for four rows; the rest is named in the log.
                if (count == kMaxCreatures) {
                    LogPrintf("     Menu: no caben mas de %d bichos, se ignora %s\n",
                              kMaxCreatures, path);
                    continue;
                }
                Bicho* creature = CreateBicho();
                creature->Init(nullptr, renderer, particles, nullptr, settings_, nullptr);
                creature->LoadPiece(path);
                creature->SetGround(kFloor);
                creature->SetY(kFloor);
                files[count] = strdup(path);
                ladder_->AddCharacter(creature->GetName());
                creatures[count++] = creature;
            } while (list.NextEntry() == Ok);
        } while (list.NextSection() == Ok);
    }

    cursor1 = 0;
    cursor2 = count >= 2 ? 1 : 0;
    chosen1 = chosen2 = 0;
    // Only a grid with creatures can reach the splash; an empty one is read
    // again every frame and must not load the picture every time.
    if (count > 0) pictures[kPictureLoflipo] = renderer->LoadTexture(kScrollPicture);
}

void MenuController::ReleaseCharacters() {
    if (count <= 0) {
        count = 0;
        return;
    }
    for (int i = 0; i < count; ++i) {
        creatures[i]->Release();
        DestroyBicho(creatures[i]);
        creatures[i] = nullptr;
        free(files[i]);
        files[i] = nullptr;
    }
    count = 0;
    // A picture that failed to load has nothing to give back.
    if (pictures[kPictureLoflipo]) renderer->ReleaseTexture(pictures[kPictureLoflipo]);
    pictures[kPictureLoflipo] = 0;
}
