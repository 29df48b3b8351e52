// Quillet: edits the two players' keys in cfg\tecladoDI.cfg of the game in
// the current folder; installed, the player's own copy (UserFolders.h).
#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "base/DataFolder.h"
#include "base/UserFolders.h"
#include "tools/keyconfig/KeyBindings.h"
#include "tools/keyconfig/MainDialog.h"

int main() {
    std::string left;
    EnterInstalledDataFolder(&left);
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
