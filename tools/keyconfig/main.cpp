// Quillet: edits the two players' keys in cfg\tecladoDI.cfg of the game in
// the current folder.
#include <gtk/gtk.h>

#include <cstdio>

#include "tools/keyconfig/KeyBindings.h"
#include "tools/keyconfig/MainDialog.h"

int main() {
    if (!gtk_init_check(nullptr, nullptr)) {
        fprintf(stderr, "Quillet: no se puede abrir la pantalla\n");
        return 1;
    }
    KeyBindings bindings = DefaultKeyBindings();
    ReadKeyBindings(kKeyBindingsPath, &bindings);
    return RunMainDialog(&bindings, kKeyBindingsPath) == kMainDialogSaveFailed ? 1 : 0;
}
