// libFuzzer target: any bytes as the character list Bichos/bichos.txt, read
// by the selection screen twice over and released; at most 28 creatures,
// and every texture a creature took given back.
#include <cstdlib>

#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzRenderer.h"
#include "menus/CharacterSelection.h"
#include "sdk/GameSettings.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A logs folder as in the game: without one every log line searched
    // the working folder for it (a quarter of the executions lost).
    static const char* const folders[] = {"Bichos", "logs"};
    EnterFuzzFolder(folders, 2);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ClearFuzzLog();
    WriteFuzzFile("Bichos/bichos.txt", data, size);
    FuzzRenderer renderer;
    GameSettings settings;
    GestionJuego ladder;
    {
        MenuContext context;
        context.settings = &settings;
        context.ladder = &ladder;
        context.renderer = &renderer;
        CharacterSelection selection(context);
        selection.LoadCharacters();
        selection.LoadCharacters();  // a second load gives the first one back
        const int count = selection.count;
        if (count < 0 || count > CharacterSelection::kMaxCreatures) abort();
        if (count > 0 && (selection.cursor1 != 0 || selection.cursor2 != 1 % count)) abort();
        selection.ReleaseCharacters();
        if (selection.count != 0) abort();
    }
    if (renderer.Live() != 0 || renderer.BadReleases() != 0) abort();
    return 0;
}
