#pragma once
// A modal message with one "OK" button, like the dialogs' error boxes.
#include <gtk/gtk.h>

void ShowMessageBox(GtkWindow* owner, const char* title, const char* text);
