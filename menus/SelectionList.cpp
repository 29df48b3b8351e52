// The selection's creatures: read from the list file, preview-loaded, and
// released when the fight starts or the game ends; and the selection's
// pictures.
#include <cstdlib>
#include <cstring>

#include "base/ConfigFile.h"
#include "base/Log.h"
#include "effects/Particulas.h"
#include "fight/GestionJuego.h"
#include "menus/CharacterSelection.h"
#include "sdk/Bicho.h"

namespace {

const char kListFile[] = "Bichos/bichos.txt";
const char kScrollPicture[] = "bmp\\loflipo.bmp";
const float kFloor = 0.85f;

}  // namespace

void CharacterSelection::LoadPictures() {
    numerals = context.renderer->LoadTextureKeyed("bmp\\numerosB.bmp", 255, 0, 255);
    glow = context.renderer->LoadTexture("bmp\\sunflare.bmp");
}

void CharacterSelection::ReleasePictures() {
    context.renderer->ReleaseTexture(numerals);
    context.renderer->ReleaseTexture(glow);
}

const char* CharacterSelection::NameOf(int index) const {
    const char* name = creatures[index]->GetName();
    return name ? name : "";
}

void CharacterSelection::LoadCharacters() {
    // A second load would otherwise lose the first one's creatures.
    if (count > 0) ReleaseCharacters();
    count = 0;
    GestionJuego* ladder = context.ladder;
    ladder->ClearCharacters();

    ConfigFile list;
    if (list.Open(kListFile) != ConfigResult::kOk || list.Load() != ConfigResult::kOk) {
        // Read again every frame while the grid is empty; said once.
        if (!listErrorLogged) LogPrintf("     Menu: fichero de bichos erroneo\n");
        listErrorLogged = true;
    } else {
        listErrorLogged = false;
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
                creature->Init(nullptr, context.renderer, context.particles, nullptr,
                               context.settings, nullptr);
                creature->LoadPiece(path);
                creature->SetGround(kFloor);
                creature->SetY(kFloor);
                files[count] = strdup(path);
                ladder->AddCharacter(creature->GetName());
                creatures[count++] = creature;
            } while (list.NextEntry() == ConfigResult::kOk);
        } while (list.NextSection() == ConfigResult::kOk);
    }

    cursor1 = 0;
    cursor2 = count >= 2 ? 1 : 0;
    chosen1 = chosen2 = 0;
    // Only a grid with creatures can reach the splash; an empty one is read
    // again every frame and must not load the picture every time.
    if (count > 0) scroll = context.renderer->LoadTexture(kScrollPicture);
}

void CharacterSelection::ReleaseCharacters() {
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
    if (scroll) context.renderer->ReleaseTexture(scroll);
    scroll = 0;
}
