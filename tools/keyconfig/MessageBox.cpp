#include "tools/keyconfig/MessageBox.h"

#include "tools/keyconfig/Texts.h"

void ShowMessageBox(GtkWindow* owner, const char* title, const char* text) {
    GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                                            GTK_BUTTONS_NONE, "%s", text);
    gtk_dialog_add_button(GTK_DIALOG(box), kOkButton, GTK_RESPONSE_OK);
    gtk_window_set_title(GTK_WINDOW(box), title);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}
