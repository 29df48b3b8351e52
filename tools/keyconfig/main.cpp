// Quillet: edits the two players' keys in cfg\tecladoDI.cfg of the game's
// data folder (in an install, the player's own copy; see UserFolders.h).
#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "base/DataFolder.h"
#include "base/UserFolders.h"
#include "tools/keyconfig/KeyBindings.h"
#include "tools/keyconfig/MainDialog.h"

int main() {
    std::string left, searched;
    if (!EnterDataFolder(&left, &searched)) {
        fprintf(stderr, "Quillet: no se encuentran los datos del juego en %s\n", searched.c_str());
        return 1;
    }
    // A failure shows when saving, in the dialog's own message.
    if (DataFolderIsInstalled()) PlatformMakeFolders(CurrentUserFolders().config);
    if (!gtk_init_check(nullptr, nullptr)) {
        fprintf(stderr, "Quillet: no se puede abrir la pantalla\n");
        return 1;
    }
    KeyBindings bindings = DefaultKeyBindings();
    ReadKeyBindings(kKeyBindingsPath, &bindings);
    return RunMainDialog(&bindings, kKeyBindingsPath) == kMainDialogSaveFailed ? 1 : 0;
}
