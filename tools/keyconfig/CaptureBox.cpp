#include "tools/keyconfig/CaptureBox.h"

#include "platform/KeyNames.h"
#include "tools/keyconfig/CaptureRule.h"
#include "tools/keyconfig/HeldKeys.h"
#include "tools/keyconfig/MessageBox.h"
#include "tools/keyconfig/Texts.h"

namespace {

constexpr guint kPollMilliseconds = 1;

struct CaptureBox {
    GtkWidget* dialog = nullptr;
    GtkWidget* text = nullptr;
    const KeyBindings* bindings = nullptr;
    HeldKeys held;
    guint timer = 0;
    bool refusedShown = false;
    bool delivered = false;
    uint8_t captured = 0;
};

// Keys that layouts hardly ever move, with their DIK codes.
struct KeyvalCode {
    guint keyval;
    uint8_t dik;
};
constexpr KeyvalCode kLandmarkKeys[] = {
    {GDK_KEY_Escape, 0x01},
    {GDK_KEY_BackSpace, 0x0E},
    {GDK_KEY_Return, 0x1C},
    {GDK_KEY_space, 0x39},
};

bool KeymapUsesLinuxCodes(GdkKeymap* keymap) {
    if (!keymap) return false;
    for (const KeyvalCode& landmark : kLandmarkKeys) {
        GdkKeymapKey* keys = nullptr;
        gint count = 0;
        if (!gdk_keymap_get_entries_for_keyval(keymap, landmark.keyval, &keys, &count)) continue;
        bool found = false;
        for (gint i = 0; i < count; ++i)
            if (DikFromXKeycode(static_cast<int>(keys[i].keycode)) == landmark.dik) found = true;
        g_free(keys);
        if (found) return true;
    }
    return false;
}

// The key source is the box's own key events; each step that can fail has
// the message the keyboard error box shows. Null when the keys can be read.
const char* SetUpKeySource(GtkWidget* dialog) {
    GdkDisplay* display = gtk_widget_get_display(dialog);
    if (!display) return kNoAcquireText;
    GdkSeat* seat = gdk_display_get_default_seat(display);
    if (!seat || !gdk_seat_get_keyboard(seat)) return kNoDeviceText;

    // Hardware key codes are read as Linux input codes: make sure this
    // keyboard reports its most common keys where the table expects them.
    if (!KeymapUsesLinuxCodes(gdk_keymap_get_for_display(display))) return kNoDataFormatText;

    gtk_widget_add_events(dialog, GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK |
                                      GDK_FOCUS_CHANGE_MASK);
    gtk_widget_realize(dialog);
    if (!gtk_widget_get_window(dialog)) return kNoCooperativeText;
    return nullptr;
}

void StopTimer(CaptureBox* box) {
    if (box->timer != 0) g_source_remove(box->timer);
    box->timer = 0;
}

// Every key event is the box's input: none may reach the buttons or close
// the box (Escape and Enter are keys like the others here).
gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
    static_cast<CaptureBox*>(data)->held.Press(event->hardware_keycode);
    return TRUE;
}

gboolean OnKeyRelease(GtkWidget*, GdkEventKey* event, gpointer data) {
    static_cast<CaptureBox*>(data)->held.Release(event->hardware_keycode);
    return TRUE;
}

gboolean OnFocusOut(GtkWidget*, GdkEventFocus*, gpointer data) {
    static_cast<CaptureBox*>(data)->held.Clear();
    return FALSE;
}

gboolean OnTick(gpointer data) {
    CaptureBox* box = static_cast<CaptureBox*>(data);
    uint8_t key = 0;
    switch (ApplyCaptureRule(box->held.State(), *box->bindings, &key)) {
    case kCaptureNothing:
        return G_SOURCE_CONTINUE;
    case kCaptureRefused:
        if (!box->refusedShown) gtk_label_set_text(GTK_LABEL(box->text), kAlreadyBoundText);
        box->refusedShown = true;
        return G_SOURCE_CONTINUE;
    case kCaptureTaken:
        break;
    }
    box->timer = 0;
    box->captured = key;
    box->delivered = true;
    gtk_dialog_response(GTK_DIALOG(box->dialog), GTK_RESPONSE_ACCEPT);
    return G_SOURCE_REMOVE;
}

}  // namespace

bool RunCaptureBox(GtkWindow* owner, const KeyBindings& bindings, uint8_t* captured) {
    CaptureBox box;
    box.bindings = &bindings;
    box.dialog = gtk_dialog_new_with_buttons(kCaptureTitle, owner, GTK_DIALOG_MODAL,
                                             kCancelButton, GTK_RESPONSE_CANCEL, nullptr);
    gtk_window_set_resizable(GTK_WINDOW(box.dialog), FALSE);
    box.text = gtk_label_new(kCaptureText);
    g_object_set(box.text, "margin", 12, nullptr);
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(box.dialog))), box.text,
                       TRUE, TRUE, 0);

    if (const char* failure = SetUpKeySource(box.dialog)) {
        ShowMessageBox(GTK_WINDOW(box.dialog), kKeyboardErrorTitle, failure);
        gtk_widget_destroy(box.dialog);
        return false;
    }
    g_signal_connect(box.dialog, "key-press-event", G_CALLBACK(OnKeyPress), &box);
    g_signal_connect(box.dialog, "key-release-event", G_CALLBACK(OnKeyRelease), &box);
    g_signal_connect(box.dialog, "focus-out-event", G_CALLBACK(OnFocusOut), &box);
    box.timer = g_timeout_add(kPollMilliseconds, OnTick, &box);

    gtk_widget_show_all(box.dialog);
    gtk_dialog_run(GTK_DIALOG(box.dialog));
    StopTimer(&box);
    gtk_widget_destroy(box.dialog);

    if (box.delivered && captured) *captured = box.captured;
    return box.delivered;
}
