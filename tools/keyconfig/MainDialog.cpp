#include "tools/keyconfig/MainDialog.h"

#include <gtk/gtk.h>

#include <string>

#include "tools/keyconfig/CaptureBox.h"
#include "tools/keyconfig/KeyLabels.h"
#include "tools/keyconfig/MessageBox.h"
#include "tools/keyconfig/Texts.h"

namespace {

constexpr int kResponseAuthor = 3;
constexpr int kEntryWidthChars = 16;
const char kRowKey[] = "quillet-row";

struct MainDialog {
    GtkWidget* dialog = nullptr;
    GtkWidget* entries[kPlayerCount][kBindingsPerPlayer] = {};
    KeyBindings* bindings = nullptr;
};

// A code without a name leaves its box as it was.
void FillEntries(MainDialog* self) {
    for (int p = 0; p < kPlayerCount; ++p) {
        for (int i = 0; i < kBindingsPerPlayer; ++i) {
            std::string label = DikLabel(self->bindings->keys[p][i]);
            if (!label.empty()) gtk_entry_set_text(GTK_ENTRY(self->entries[p][i]), label.c_str());
        }
    }
}

void OnChangeClicked(GtkButton* button, gpointer data) {
    MainDialog* self = static_cast<MainDialog*>(data);
    int slot = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), kRowKey));
    int player = slot / kBindingsPerPlayer;
    int row = slot % kBindingsPerPlayer;
    uint8_t key = 0;
    if (RunCaptureBox(GTK_WINDOW(self->dialog), *self->bindings, &key))
        self->bindings->keys[player][row] = key;
    FillEntries(self);
}

GtkWidget* BuildPlayerFrame(MainDialog* self, int player) {
    GtkWidget* frame = gtk_frame_new(kPlayerFrames[player]);
    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 4);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 6);
    g_object_set(grid, "margin", 8, nullptr);
    for (int row = 0; row < kBindingsPerPlayer; ++row) {
        GtkWidget* label = gtk_label_new(kRowLabels[row]);
        gtk_label_set_xalign(GTK_LABEL(label), 0.0f);

        GtkWidget* entry = gtk_entry_new();
        gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
        gtk_widget_set_can_focus(entry, FALSE);
        gtk_entry_set_width_chars(GTK_ENTRY(entry), kEntryWidthChars);
        self->entries[player][row] = entry;

        GtkWidget* button = gtk_button_new_with_label(kChangeButton);
        g_object_set_data(G_OBJECT(button), kRowKey,
                          GINT_TO_POINTER(player * kBindingsPerPlayer + row));
        g_signal_connect(button, "clicked", G_CALLBACK(OnChangeClicked), self);

        gtk_grid_attach(GTK_GRID(grid), label, 0, row, 1, 1);
        gtk_grid_attach(GTK_GRID(grid), entry, 1, row, 1, 1);
        gtk_grid_attach(GTK_GRID(grid), button, 2, row, 1, 1);
    }
    gtk_container_add(GTK_CONTAINER(frame), grid);
    return frame;
}

void BuildMainDialog(MainDialog* self) {
    self->dialog = gtk_dialog_new_with_buttons(kMainTitle, nullptr, GTK_DIALOG_MODAL, kOkButton,
                                               GTK_RESPONSE_OK, kCancelButton,
                                               GTK_RESPONSE_CANCEL, kAuthorButton,
                                               kResponseAuthor, nullptr);
    gtk_window_set_resizable(GTK_WINDOW(self->dialog), FALSE);
    gtk_window_set_position(GTK_WINDOW(self->dialog), GTK_WIN_POS_CENTER);

    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(self->dialog));
    gtk_box_set_spacing(GTK_BOX(content), 8);
    g_object_set(content, "margin", 8, nullptr);

    GtkWidget* instructions = gtk_label_new(kInstructions);
    gtk_label_set_xalign(GTK_LABEL(instructions), 0.0f);
    gtk_box_pack_start(GTK_BOX(content), instructions, FALSE, FALSE, 0);

    GtkWidget* players = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    for (int p = 0; p < kPlayerCount; ++p)
        gtk_box_pack_start(GTK_BOX(players), BuildPlayerFrame(self, p), TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(content), players, TRUE, TRUE, 0);
}

}  // namespace

MainDialogResult RunMainDialog(KeyBindings* bindings, const char* path) {
    MainDialog view;
    view.bindings = bindings;
    BuildMainDialog(&view);
    FillEntries(&view);
    gtk_widget_show_all(view.dialog);

    MainDialogResult result = kMainDialogCancelled;
    for (;;) {
        int response = gtk_dialog_run(GTK_DIALOG(view.dialog));
        if (response == kResponseAuthor) {
            ShowMessageBox(GTK_WINDOW(view.dialog), kInfoTitle, kInfoText);
            continue;
        }
        if (response == GTK_RESPONSE_OK) {
            if (WriteKeyBindings(path, *bindings)) {
                result = kMainDialogSaved;
            } else {
                ShowMessageBox(GTK_WINDOW(view.dialog), kSaveErrorTitle, kSaveErrorText);
                result = kMainDialogSaveFailed;
            }
        }
        break;
    }
    gtk_widget_destroy(view.dialog);
    return result;
}
