#pragma once
// The "Presione una tecla" box: waits for a key that no binding holds.
#include <gtk/gtk.h>

#include <cstdint>

#include "tools/keyconfig/KeyBindings.h"

// Runs the box modally over `owner`. Returns true with the new code in
// *captured, or false when the box was cancelled or the keyboard could not
// be read.
bool RunCaptureBox(GtkWindow* owner, const KeyBindings& bindings, uint8_t* captured);
