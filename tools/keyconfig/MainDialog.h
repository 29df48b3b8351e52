#pragma once
// The main dialog: both players' ten keys, each changed through the capture
// box; "OK" saves them, "Cancel" leaves the file alone.
#include "tools/keyconfig/KeyBindings.h"

enum MainDialogResult {
    kMainDialogSaved,
    kMainDialogCancelled,
    kMainDialogSaveFailed,  // "OK" could not create the file; the user was told
};

// Runs the dialog modally on `bindings`, saving them to `path` on "OK".
MainDialogResult RunMainDialog(KeyBindings* bindings, const char* path);
